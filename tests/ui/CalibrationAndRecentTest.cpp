// File menu's "Printer Calibration..." and "Recent Files": the offset typed in is kept for the
// selected printer at once, the calibration page prints, and recent documents open again or,
// when gone, leave the list with a note in the status bar.

#include "MainWindowFixture.h"
#include "app/AppSettings.h"
#include "support/TestFiles.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>

namespace window_testing {
namespace {

using dialog_testing::Child;

TEST_F(MainWindowTest, CalibrationKeepsThePrintersOffsetAndPrintsItsPage) {
    Start();
    const QString pdf = Path("calibration.pdf");
    dialog_testing::UseLetterPdf(*state, pdf);
    dialog_testing::WhenModal("TFCalibration", [&](QWidget& dialog) {
        EXPECT_EQ(Child<QLabel>(dialog, "LPrinter")->text(), app::kPdfPrinterName);
        Child<QPushButton>(dialog, "btCalibrationPage")->click();
        Child<QLineEdit>(dialog, "eOffsetX")->setText(dialog_testing::LocalNumber("0.06"));
        Child<QLineEdit>(dialog, "eOffsetY")->setText(dialog_testing::LocalNumber("-0.02"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Action("miCalibration").trigger();
    const app::PrinterOffset expected{0.06, -0.02}; // the sheet is in inches
    EXPECT_EQ(state->Settings.Offsets.For(app::kPdfPrinterName), expected);
    platform::Registry store; // written at once, for the command-line tool
    app::AppSettings saved;
    saved.Load(store, "");
    EXPECT_EQ(saved.Offsets.For(app::kPdfPrinterName), expected);
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    EXPECT_TRUE(info.readAllStandardOutput().contains("Printer Calibration Page"));
}

TEST_F(MainWindowTest, RecentFilesOpenAgainAndDropWhatIsGone) {
    const QString first = Path("first.tlr");
    const QString second = Path("second.tlr");
    testing_support::WriteBytes(first, "[BARCODE]\r\nTEXT=FIRST\r\n");
    testing_support::WriteBytes(second, "[BARCODE]\r\nTEXT=SECOND\r\n");
    Start();
    window->OpenDocument(first);
    window->OpenDocument(second);
    const auto menu = [&] { return window->findChild<QMenu*>("mnRecentFiles"); };
    const auto items = [&] {
        QStringList texts;
        for (const QAction* item : menu()->actions())
            texts << item->text();
        return texts;
    };
    EXPECT_EQ(items(), QStringList({"&1 " + second, "&2 " + first}));

    menu()->actions()[1]->trigger();
    EXPECT_EQ(Edit("eText").text(), "FIRST");
    EXPECT_EQ(items(), QStringList({"&1 " + first, "&2 " + second}));

    QFile::remove(second);
    menu()->actions()[1]->trigger();
    EXPECT_EQ(Panel(1), app::RecentFileMissingNote(second));
    EXPECT_EQ(items(), QStringList({"&1 " + first}));

    Close();
    Start();
    EXPECT_EQ(items(), QStringList({"&1 " + first})) << "kept in the settings";
}

} // namespace
} // namespace window_testing
