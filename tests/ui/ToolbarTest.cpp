// The toolbar and the active document in step: units, typing with filtering feedback, the
// height box, switching symbologies, and the document window's size.

#include "MainWindowFixture.h"

#include "app/ToolbarRules.h"
#include "platform/NumberFormat.h"

#include <QMdiArea>
#include <QTest>

namespace window_testing {
namespace {

struct UnitsCase {
    const char* what;
    bool withDocument;
    const char* choose; // the Units menu item
    const char* units;  // both unit labels after
    const char* height; // the height box after
    double barHeight;   // the active document's, when there is one
};

// Starting from inches with a document 1.0 inch high (or none).
TEST_F(MainWindowTest, UnitsConvertTheActiveDocumentOrResetAnEmptyToolbar) {
    const UnitsCase cases[] = {
        {"inches to cm converts", true, "miMetrics", "cm", "2.54", 2.54},
        {"inches again does nothing", true, "miImperial", "inches", "1.0", 1.0},
        {"no document: cm shows 2.0", false, "miMetrics", "cm", "2.0", 0},
        {"no document: inches shows 0.75", false, "miImperial", "inches", "0.75", 0},
    };
    for (const UnitsCase& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        Edit("eHeight").setText("1");
        Edit("eHeight").setFocus();
        QTest::keyClick(&Edit("eHeight"), Qt::Key_Return);
        ASSERT_EQ(Document().BarHeight(), 1.0);
        if (!c.withDocument) {
            Document().ClearModified();
            Action("miClose").trigger();
        }
        if (QString(c.choose) == "miImperial" && !c.withDocument) Action("miMetrics").trigger();
        Action(c.choose).trigger();
        EXPECT_EQ(Control<QLabel>("LUnits").text(), c.units);
        EXPECT_EQ(Control<QLabel>("LUnits2").text(), c.units);
        EXPECT_EQ(Edit("eHeight").text(), dialog_testing::LocalNumber(c.height));
        if (c.withDocument) {
            EXPECT_DOUBLE_EQ(Document().BarHeight(), c.barHeight);
        }
        Action("acNew").trigger(); // a new document takes the unit chosen last
        EXPECT_EQ(Document().BarUnit() == engine::Unit::Centimetre, QString(c.units) == "cm");
        TearDown();
        SetUp();
    }
}

struct TypingCase {
    const char* what;
    int typeIndex;     // in cbBarcodeType
    const char* typed; // into eText
    const char* box;   // what the box shows after
};

TEST_F(MainWindowTest, RefusedCharactersVanishAsTheyAreTyped) {
    const TypingCase cases[] = {
        {"EAN 13 drops letters", 7, "12a3", "123"},
        {"EAN 13 stops at twelve digits", 7, "1234567890123", "123456789012"},
        {"Code 39 takes capitals", 1, "ab-1", "AB-1"},
        {"Code 128 keeps everything ASCII", 0, "Ab 1!", "Ab 1!"},
    };
    Start();
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.what);
        Edit("eText").clear();
        List("cbBarcodeType").setCurrentIndex(c.typeIndex);
        Type(Edit("eText"), c.typed);
        EXPECT_EQ(Edit("eText").text(), c.box);
        EXPECT_EQ(QString::fromStdString(Document().BarcodeText()), c.box);
        EXPECT_EQ(window->ActiveWindow()->toolTip(), c.box); // the tooltip is the stored text
        EXPECT_EQ(Edit("eText").cursorPosition(), Edit("eText").text().size());
    }
}

struct HeightCase {
    const char* what;
    bool metric;
    const char* typed; // keys typed into the empty box
    const char* shown; // after leaving it
    double barHeight;  // the document's
};

TEST_F(MainWindowTest, TheHeightBoxTakesNumbersUpTo200) {
    const HeightCase cases[] = {
        {"zero in inches", false, "0", "0.5", 0.5},
        {"250 in inches", false, "250", "0.5", 0.5},
        {"zero in cm", true, "0", "2.0", 2.0},
        {"250 in cm", true, "250", "2.0", 2.0},
        {"200 is the largest", false, "200", "200.0", 200.0},
        {"letters are not typed", false, "1x.2y5", "1.25", 1.25},
        {"no number", false, "1.2.3", "0.5", 0.5},
    };
    Start();
    for (const HeightCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.metric != Action("miMetrics").isChecked())
            Action(c.metric ? "miMetrics" : "miImperial").trigger();
        Edit("eHeight").clear();
        Type(Edit("eHeight"), dialog_testing::LocalNumber(c.typed));
        Edit("eText").setFocus(); // leaving the box applies it
        EXPECT_EQ(Edit("eHeight").text(), dialog_testing::LocalNumber(c.shown));
        EXPECT_DOUBLE_EQ(Document().BarHeight(), c.barHeight);
    }
}

// Ctrl+N reads the box without it being left first: a bad text is replaced before that.
TEST_F(MainWindowTest, NewDocumentReadsTheHeightBoxValidatedFirst) {
    const std::pair<const char*, double> cases[] = {{"1.25", 1.25}, {"1.2.3", 0.5}};
    Start();
    for (const auto& [typed, height] : cases) {
        SCOPED_TRACE(typed);
        Edit("eHeight").setText(dialog_testing::LocalNumber(typed));
        Edit("eHeight").setFocus();
        QTest::keyClick(&Edit("eHeight"), Qt::Key_N, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(Document().BarHeight(), height);
        EXPECT_EQ(Edit("eHeight").text(),
                  app::FormatSize(height, platform::LocaleDecimalSeparator()));
    }
    EXPECT_EQ(Caption(), "barcode_3");
}

TEST_F(MainWindowTest, SwitchingToEan13AndBackKeepsOnlyWhatEan13Kept) {
    Start();
    Type(Edit("eText"), "AB12cd34");
    List("cbBarcodeType").setCurrentIndex(7);
    EXPECT_EQ(Edit("eText").text(), "1234");
    EXPECT_EQ(Panel(0), "Numeric Only");
    List("cbBarcodeType").setCurrentIndex(0);
    EXPECT_EQ(Edit("eText").text(), "1234");
    EXPECT_EQ(Edit("eText").selectedText(), "1234");
    EXPECT_EQ(Panel(0), "Alpha Numeric");
}

// Dragging across the bars sets the height; the window settles on whole pixels.
TEST_F(MainWindowTest, DraggingTheWindowTo151PixelsAtScale2SettlesAt152) {
    Start();
    List("cbScale").setCurrentIndex(1);
    ui::TFBarcode& documentWindow = *window->ActiveWindow();
    ASSERT_EQ(documentWindow.ClientPixels().height(), 144);
    const int frame = documentWindow.height() - 144;
    documentWindow.resize(documentWindow.width(), 151 + frame);
    EXPECT_DOUBLE_EQ(Document().BarHeight(), 151.0 / 192.0);
    EXPECT_EQ(documentWindow.ClientPixels().height(), 152);
    EXPECT_EQ(Edit("eHeight").text(), dialog_testing::LocalNumber("0.786"));
    // Along the bars nothing lasts: the window goes back to the barcode's length.
    const int width = documentWindow.width();
    documentWindow.resize(width + 40, documentWindow.height());
    EXPECT_EQ(documentWindow.width(), width);
    EXPECT_DOUBLE_EQ(Document().BarHeight(), 151.0 / 192.0);
}

// Activating another document fills the toolbar from it.
TEST_F(MainWindowTest, ActivationFillsTheToolbarFromTheDocument) {
    Start();
    Type(Edit("eText"), "FIRST");
    List("cbScale").setCurrentIndex(2);
    Action("acNew").trigger();
    EXPECT_EQ(Edit("eText").text(), "");
    EXPECT_EQ(List("cbScale").currentText(), "x3"); // the new document copied the toolbar
    List("cbRotate").setCurrentIndex(1);
    Control<QMdiArea>("mdiArea").setActiveSubWindow(window->DocumentWindows().front());
    EXPECT_EQ(Edit("eText").text(), "FIRST");
    EXPECT_EQ(List("cbRotate").currentText(), "0°");
}

} // namespace
} // namespace window_testing
