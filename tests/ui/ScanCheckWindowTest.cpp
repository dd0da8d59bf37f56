// The scan check in the windows: the main window's status bar says what the active document
// scans as, a moment after each change; the print dialog warns about widths that are no whole
// number of printer dots, about barcodes their label cuts, and about sequences that start
// again.

#include "MainWindowFixture.h"
#include "app/BarcodeDocument.h"
#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"
#include "ui/TFPrintIt.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace window_testing;

TEST_F(MainWindowTest, TheScanPanelFollowsTheActiveDocument) {
    Start();
    const struct {
        int type; // the type list's position
        const char* typed;
        const char* shown;
        const char* colour;
    } rows[] = {
        {0, "Tally 42", "Scans as: Tally 42", "#1a7f37"},
        {7, "400638133393", "Scans as: 4006381333931", "#1a7f37"},
        {12, "12345", "\u2014", nullptr},
        {0, "", "", nullptr},
    };
    for (const auto& r : rows) {
        List("cbBarcodeType").setCurrentIndex(r.type);
        Edit("eText").clear();
        Type(Edit("eText"), r.typed);
        QLabel& panel = Control<QLabel>("ScanPanel");
        QTRY_COMPARE(panel.text(), QString::fromUtf8(r.shown));
        EXPECT_EQ(panel.styleSheet().contains(r.colour ? r.colour : "color"), r.colour != nullptr)
            << r.typed;
    }
}

TEST(PrintDialogWidth, WarnsWhenTheWidthIsNoWholeNumberOfDots) {
    const struct {
        int dpi;
        const char* button;
        const char* warning;
    } rows[] = {
        {203, "rbAutoSize", "10.0 mils is 2.03 dots at 203 dpi: prints 2 dots, 9.9 mils"},
        {600, "rbAutoSize", ""},
        {203, "rbCustom", ""},
    };
    QTemporaryDir dir;
    for (const auto& r : rows) {
        ui::AppState state;
        print::SetUpPdfPrinter(state.Printer, dir.filePath("out.pdf"), print::Paper::Letter, r.dpi);
        print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                     state.Settings.Printing.PrintScale);
        app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, app::LabelSheet{});
        document.SetBarcodeText("HELLO");
        document.SetBarHeight(0.75); // as a new document has it
        QString shown;
        bool visible = false;
        dialog_testing::WhenModal("TFPrintIt", [&](QWidget& dialog) {
            dialog_testing::Child<QAbstractButton>(dialog, r.button)->click();
            const auto* label = dialog_testing::Child<QLabel>(dialog, "LWidthWarning");
            shown = label->text();
            visible = label->isVisible();
            dialog_testing::Child<QPushButton>(dialog, "BitBtn4")->click();
        });
        ui::TFPrintIt dialog(nullptr, state);
        dialog.Open(document);
        EXPECT_EQ(shown.toStdString(), r.warning) << r.dpi << " " << r.button;
        EXPECT_EQ(visible, *r.warning != '\0') << r.dpi << " " << r.button;
    }
}

// What the print dialog shows for a sheet of Avery 5160 labels at 300 dpi; "Fit to Label"
// takes the cut barcode's warning away.
TEST(PrintDialogWarnings, SayWhatWillBeCutAndWhichNumbersRepeat) {
    const struct {
        const char* text;
        bool sequence;
        const char* button;
        const char* shown; // part of the warning; empty: no warning
    } rows[] = {
        {"TALLY-2026-0001-0002-0003", false, "rbAutoSize", "with its quiet zones; the label is"},
        {"TALLY-2026-0001-0002-0003", false, "rbFitToLabel", ""},
        {"TALLY", false, "rbAutoSize", ""},
        {"TALLY", true, "rbAutoSize", "the sequence passes 10 and starts again at 1: numbers 1 to"},
    };
    QTemporaryDir dir;
    for (const auto& r : rows) {
        ui::AppState state;
        state.Settings.Labels = {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
        print::SetUpPdfPrinter(state.Printer, dir.filePath("out.pdf"), print::Paper::Letter, 300);
        print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                     state.Settings.Printing.PrintScale);
        app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, state.Settings.Labels);
        document.SetBarHeight(0.5);
        document.SetBarcodeText(r.text);
        document.SetSequence({r.sequence, 1, 10, 5, 0, "", ""});
        QString shown;
        dialog_testing::WhenModal("TFPrintIt", [&](QWidget& dialog) {
            dialog_testing::Child<QAbstractButton>(dialog, "rbPageRange")->click();
            dialog_testing::Child<QAbstractButton>(dialog, r.button)->click();
            shown = dialog_testing::Child<QLabel>(dialog, "LWidthWarning")->text();
            dialog_testing::Child<QPushButton>(dialog, "BitBtn4")->click();
        });
        ui::TFPrintIt dialog(nullptr, state);
        dialog.Open(document);
        if (*r.shown)
            EXPECT_TRUE(shown.contains(r.shown)) << r.text << " " << r.button << ": "
                                                 << shown.toStdString();
        else
            EXPECT_TRUE(shown.isEmpty()) << r.text << " " << r.button << ": "
                                         << shown.toStdString();
    }
}

} // namespace
