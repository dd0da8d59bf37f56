// Start-up, the command line, and the settings kept from one run to the next.

#include "MainWindowFixture.h"
#include "support/TestFiles.h"

#include "platform/Registry.h"

#include <QCheckBox>

namespace window_testing {
namespace {

TEST_F(MainWindowTest, StartsWithBarcode1ThenNewGivesBarcode2) {
    Start();
    EXPECT_EQ(ShownTitle(*window), "Tallyrune v3.1");
    EXPECT_EQ(window->minimumSize(), QSize(478, 300));
    EXPECT_EQ(Caption(), "barcode_1");
    EXPECT_TRUE(Edit("eText").hasFocus());
    Action("acNew").trigger();
    EXPECT_EQ(Caption(), "barcode_2");
    EXPECT_EQ(window->DocumentWindows().size(), 2);
}

// What the first run shows, control by control.
TEST_F(MainWindowTest, FirstRunIsInchesCode128AtScale1) {
    Start();
    ASSERT_EQ(state->Metrics.ScreenDpiX, 96) << "the offscreen screen has 96 dots per inch";
    const std::pair<QString, QString> shown[] = {
        {"eHeight", Edit("eHeight").text()},
        {"eWidth", Edit("eWidth").text()},
        {"LUnits", Control<QLabel>("LUnits").text()},
        {"cbScale", List("cbScale").currentText()},
        {"cbRotate", List("cbRotate").currentText()},
        {"cbBarcodeType", List("cbBarcodeType").currentText()},
        {"eFont", Edit("eFont").text()},
        {"panel 0", Panel(0)},
    };
    const QString expected[] = {dialog_testing::LocalNumber("0.75"),
                                dialog_testing::LocalNumber("0.208"),
                                "inches",
                                "x1",
                                "0°",
                                "Code 128",
                                "Courier New",
                                "Alpha Numeric"};
    for (std::size_t i = 0; i < std::size(shown); ++i)
        EXPECT_EQ(shown[i].second, expected[i]) << shown[i].first.toStdString();
    EXPECT_TRUE(Control<QCheckBox>("cbInterpret").isChecked());
    EXPECT_TRUE(Action("miImperial").isChecked());
    EXPECT_EQ(Document().BarHeight(), 0.75);
    EXPECT_EQ(Document().DocumentBitmap().size(), QSize(20, 72));
    EXPECT_FALSE(Document().Modified());
}

struct ArgumentCase {
    const char* what;
    QStringList files;     // written with a document, in the test's folder
    QStringList arguments; // names in the test's folder
    const char* caption;   // of the first document
};

TEST_F(MainWindowTest, AFirstTlrArgumentOpensInTheFirstDocument) {
    const ArgumentCase cases[] = {
        {"upper case", {"doc.TLR"}, {"doc.TLR"}, "doc.TLR"},
        {"lower case", {"doc.tlr"}, {"doc.tlr"}, "doc.tlr"},
        {"mixed case", {"doc.Tlr"}, {"doc.Tlr"}, "doc.Tlr"},
        {"another extension", {"doc.txt"}, {"doc.txt"}, "barcode_1"},
        {"only the first argument", {"a.txt", "b.TLR"}, {"a.txt", "b.TLR"}, "barcode_1"},
    };
    for (const ArgumentCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : c.files)
            testing_support::WriteBytes(Path(name), "[BARCODE]\r\nTEXT=FROMFILE\r\nSCALE=2\r\n");
        QStringList arguments;
        for (const QString& name : c.arguments)
            arguments.append(Path(name));
        Start(arguments);
        EXPECT_EQ(window->DocumentWindows().size(), 1);
        EXPECT_EQ(Caption(), c.caption);
        const bool opened = QString(c.caption) != "barcode_1";
        EXPECT_EQ(Edit("eText").text(), opened ? "FROMFILE" : "");
        EXPECT_EQ(List("cbScale").currentText(), opened ? "x2" : "x1");
        Action("acNew").trigger();
        EXPECT_EQ(Caption(), "barcode_2");
        TearDown();
        SetUp();
    }
}

// Everything the window keeps comes back at the next start.
TEST_F(MainWindowTest, SettingsWrittenAtExitAreReadAtTheNextStart) {
    exporting::ExportSettings exportChoices; // as the export dialog leaves them at its end
    exportChoices.DpiText = "600";
    {
        platform::Registry registry;
        exporting::SaveExportSettings(registry, exportChoices);
    }
    Start();
    EXPECT_EQ(state->Export.DpiText, "600");
    window->move(120, 90);
    window->resize(640, 420);
    List("cbBarcodeType").setCurrentIndex(7); // EAN 13
    Action("miMetrics").trigger();
    state->Settings.Labels.LabelWidth = 2.625;
    state->Settings.Printing.Copies = 3;
    dialog_testing::WhenModal("SaveChangesQuestion", Click("btDontSave")); // it changed
    Close();

    Start();
    EXPECT_EQ(window->pos(), QPoint(120, 90));
    EXPECT_EQ(window->size(), QSize(640, 420));
    EXPECT_EQ(List("cbBarcodeType").currentText(), "EAN 13");
    EXPECT_EQ(Panel(0), "Numeric Only");
    EXPECT_TRUE(Action("miMetrics").isChecked());
    EXPECT_EQ(Control<QLabel>("LUnits2").text(), "cm");
    EXPECT_EQ(Document().BarUnit(), engine::Unit::Centimetre);
    EXPECT_EQ(Document().Symbology(), engine::SymbologyCode::Ean13);
    EXPECT_EQ(state->Settings.Labels.LabelWidth, 2.625);
    EXPECT_EQ(Document().Labels().LabelWidth, 2.625);
    EXPECT_EQ(state->Settings.Printing.Copies, 3);
    EXPECT_EQ(state->Export.DpiText, "600");
}

} // namespace
} // namespace window_testing
