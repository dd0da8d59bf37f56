// The print dialog driven as a user does: which controls are enabled, the count boxes' rule,
// the module width spin button and read-out, the sheet preview with its start label, and the
// printer and label sheet setups it opens.

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "print/DeviceMetrics.h"
#include "print/SheetPreview.h"
#include "ui/TFPrintIt.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using dialog_testing::Child;

class PrintDialog : public ::testing::Test {
  protected:
    PrintDialog() {
        state.Settings.Labels = {
            1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}; // 10 rows of 3
        state.Settings.Printing.BP = 1; // a sheet, so the preview shows
        dialog_testing::UseLetterPdf(state, dir.filePath("out.pdf"));
        document.SetLabels(state.Settings.Labels);
        document.SetBarcodeText("HELLO");
    }
    // Opens the dialog and runs `steps` in it; it is cancelled afterwards.
    void InDialog(const std::function<void(QWidget&)>& steps) {
        dialog_testing::WhenModal("TFPrintIt", [&](QWidget& dialog) {
            steps(dialog);
            Child<QPushButton>(dialog, "BitBtn4")->click();
        });
        ui::TFPrintIt dialog(nullptr, state);
        dialog.Open(document);
    }
    static void Click(QWidget& dialog, const char* name) {
        Child<QAbstractButton>(dialog, name)->click();
    }
    static QString Text(QWidget& dialog, const char* name) {
        if (auto* box = dialog.findChild<QLineEdit*>(name)) return box->text();
        return Child<QLabel>(dialog, name)->text();
    }

    QTemporaryDir dir;
    ui::AppState state;
    app::BarcodeDocument document{state.Metrics, engine::Unit::Inch, app::LabelSheet{}};
};

TEST_F(PrintDialog, EnablingFollowsTheRangeAndTheTextChoice) {
    const struct {
        const char* range;
        const char* text;
        bool copies, sheetSetup, sequenceSettings, textBox, skipPanel;
    } cases[] = {
        {"rbSingle", "rbText", false, false, false, true, false},
        {"rbSingle", "rbSeq", true, false, true, false, false},
        {"rbPageRange", "rbText", false, true, false, true, true},
        {"rbPageRange", "rbSeq", true, true, true, false, true},
        {"rbLabelRange", "rbText", false, true, false, true, true},
        {"rbLabelRange", "rbSeq", true, true, true, false, true},
    };
    InDialog([&](QWidget& dialog) {
        for (const auto& c : cases) {
            Click(dialog, c.range);
            Click(dialog, c.text);
            const auto enabled = [&](const char* name) {
                return Child<QWidget>(dialog, name)->isEnabled();
            };
            const std::string where = std::string(c.range) + " " + c.text;
            EXPECT_EQ(enabled("eCopies"), c.copies) << where;
            EXPECT_EQ(enabled("sbLabelSettings"), c.sheetSetup) << where;
            EXPECT_EQ(enabled("sbSeqSettings"), c.sequenceSettings) << where;
            EXPECT_EQ(enabled("eText"), c.textBox) << where;
            EXPECT_EQ(Child<QWidget>(dialog, "pSkip")->isVisible(), c.skipPanel) << where;
        }
    });
}

TEST_F(PrintDialog, CountBoxesRefuseZeroAndTidyTheirNumbers) {
    const QStringList zero{"0 not allowed in this field"};
    const struct {
        const char* box;
        const char* typed;
        const char* shown;
        bool refused;
    } cases[] = {
        {"ePages", "0", "0", true},      {"ePages", "", "1", false},
        {"ePages", "0012", "12", false}, {"eLabels", "000", "000", true},
        {"eLabels", "7x", "7", false},   {"eCopies", "0", "0", true},
        {"eCopies", "03", "3", false},   {"ePages", "123456", "1234", false},
    };
    InDialog([&](QWidget& dialog) {
        Click(dialog, "rbSeq");
        for (const auto& c : cases) {
            auto* box = Child<QLineEdit>(dialog, c.box);
            dialog_testing::MessageCatcher messages;
            dialog_testing::TypeAndLeave(*box, c.typed);
            EXPECT_EQ(box->text(), c.shown) << c.box << " " << c.typed;
            EXPECT_EQ(messages.Texts(), c.refused ? zero : QStringList{})
                << c.box << " " << c.typed;
            EXPECT_EQ(dialog.focusWidget() == box, c.refused) << "the focus goes back when refused";
            if (c.refused) dialog_testing::TypeAndLeave(*box, "1");
        }
    });
}

TEST_F(PrintDialog, SpinButtonStepsTheCustomWidthWithinItsLimits) {
    const struct {
        const char* typed;
        const char* arrow;
        const char* shown;
        const char* readout; // dots at 600 dpi as mils
    } cases[] = {
        {"6", "UpButton", "7", "11.7 mils"},        {"100", "UpButton", "100", "166.7 mils"},
        {"1", "DownButton", "1", "1.7 mils"},       {"2", "DownButton", "1", "1.7 mils"},
        {"250", "DownButton", "249", "415.0 mils"},
    };
    InDialog([&](QWidget& dialog) {
        EXPECT_EQ(Text(dialog, "eScale"), "6") << "10 mils at 600 dpi until a width is chosen";
        EXPECT_EQ(Text(dialog, "LBarWidth"), "10.0 mils");
        EXPECT_EQ(Child<QAbstractButton>(dialog, "rbAutoSize")->text(), "Auto Size (10.0 mils)");
        auto* spin = Child<QWidget>(dialog, "SpinButton1");
        for (const auto& c : cases) {
            dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eScale"), c.typed);
            Child<QToolButton>(*spin, c.arrow)->click();
            EXPECT_EQ(Text(dialog, "eScale"), c.shown) << c.typed << " " << c.arrow;
            EXPECT_EQ(Text(dialog, "LBarWidth"), dialog_testing::LocalNumber(c.readout));
        }
    });
}

// The label cells' centres in the preview, from the preview model.
QPoint CentreOf(const ui::AppState& state, int index) {
    const auto geometry =
        print::ComputePreviewGeometry(print::kPreviewWidth, print::kPreviewHeight, state.Metrics);
    const auto cell = print::PreviewLabels(state.Settings.Labels, state.Metrics, geometry,
                                           0)[static_cast<std::size_t>(index)]
                          .cell;
    return {cell.left + cell.width / 2, cell.top + cell.height / 2};
}

TEST_F(PrintDialog, PreviewChoosesTheStartLabelByClickAndArrows) {
    InDialog([&](QWidget& dialog) {
        auto* paintBox = Child<QWidget>(dialog, "PaintBox1");
        EXPECT_EQ(paintBox->size(), QSize(167, 185));
        EXPECT_EQ(Text(dialog, "LSkipLbl"), "Skip 0 Labels");
        QTest::mouseClick(paintBox, Qt::LeftButton, {}, QPoint(110, 35)); // row 2, column 3
        EXPECT_EQ(Text(dialog, "LSkipLbl"), "Skip 5 Labels");
        const QImage preview = paintBox->grab().toImage();
        const struct {
            int index;
            QRgb colour;
        } fills[] = {{0, qRgb(192, 192, 192)},
                     {4, qRgb(192, 192, 192)},
                     {5, qRgb(0, 255, 255)},
                     {6, qRgb(255, 255, 255)},
                     {29, qRgb(255, 255, 255)}};
        for (const auto& f : fills)
            EXPECT_EQ(preview.pixel(CentreOf(state, f.index)), f.colour) << "label " << f.index;
        const struct {
            const char* arrow;
            int clicks;
            const char* shown;
        } steps[] = {{"sbLeft", 4, "Skip 1 Label"},
                     {"sbLeft", 3, "Skip 0 Labels"},
                     {"sbRight", 40, "Skip 29 Labels"},
                     {"sbLeft", 1, "Skip 28 Labels"}};
        for (const auto& s : steps) {
            for (int i = 0; i < s.clicks; ++i)
                Click(dialog, s.arrow);
            EXPECT_EQ(Text(dialog, "LSkipLbl"), s.shown) << s.arrow << " " << s.clicks;
        }
        QTest::mouseClick(paintBox, Qt::RightButton, {}, CentreOf(state, 2));
        EXPECT_EQ(Text(dialog, "LSkipLbl"), "Skip 2 Labels") << "any button chooses";
        QTest::mouseClick(paintBox, Qt::LeftButton, {}, QPoint(2, 2)); // beside the paper
        EXPECT_EQ(Text(dialog, "LSkipLbl"), "Skip 2 Labels");
    });
}

TEST_F(PrintDialog, LandscapePageFillsThePreviewWidth) {
    state.Printer.setPageOrientation(QPageLayout::Landscape);
    print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                 state.Settings.Printing.PrintScale);
    InDialog([&](QWidget& dialog) {
        const QImage preview = Child<QWidget>(dialog, "PaintBox1")->grab().toImage();
        const int middle = preview.height() / 2;
        const auto black = [&](int x) { return preview.pixel(x, middle) == qRgb(0, 0, 0); };
        EXPECT_FALSE(black(4));
        EXPECT_TRUE(black(5)) << "the paper's left edge, 5 pixels in";
        EXPECT_TRUE(black(161)) << "its right edge, 5 pixels from the box's right";
        EXPECT_FALSE(black(162));
    });
}

TEST_F(PrintDialog, SmallerSheetReducesTheSkipCount) {
    InDialog([&](QWidget& dialog) {
        for (int i = 0; i < 29; ++i)
            Click(dialog, "sbRight");
        ASSERT_EQ(Text(dialog, "LSkipLbl"), "Skip 29 Labels");
        dialog_testing::WhenModal("TFLabelSettings", [](QWidget& settings) {
            dialog_testing::TypeAndLeave(*Child<QLineEdit>(settings, "Edit3"), "2"); // 5 rows
            Child<QPushButton>(settings, "BitBtn1")->click();
        });
        Click(dialog, "sbLabelSettings");
        EXPECT_EQ(Text(dialog, "LSkipLbl"), "Skip 14 Labels");
        EXPECT_EQ(Text(dialog, "eLabels"), "15");
        EXPECT_EQ(document.Labels().LabelHeight, 2.0) << "the document takes the sheet";
    });
}

TEST_F(PrintDialog, PrinterSetupOffersPdfAndRefreshesTheCounts) {
    InDialog([&](QWidget& dialog) {
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eLabels"), "5");
        QStringList printers;
        dialog_testing::WhenModal("PrinterSetupDialog", [&](QWidget& setup) {
            for (const QComboBox* list : setup.findChildren<QComboBox*>())
                for (int i = 0; i < list->count(); ++i)
                    printers << list->itemText(i);
            static_cast<QDialog&>(setup).reject();
        });
        Click(dialog, "BitBtn1");
        EXPECT_TRUE(printers.filter("PDF").size() > 0) << printers.join(", ").toStdString();
        EXPECT_EQ(Text(dialog, "eLabels"), "30") << "the label count is one sheet again";
    });
}

} // namespace
