// The print dialog to a thermal label printer: serial numbers on a 2 x 1 in roll through CUPS'
// Zebra ZPL driver on a scheduler of the test's own, one label a page, read back from the
// driver's ZPL in order with every bar on the 203 dpi dot grid, as from tallyrune-cli print.

#include "DialogDriver.h"
#include "app/BarcodeDocument.h"
#include "support/PrivateCups.h"
#include "support/TestFiles.h"
#include "support/ZplReader.h"
#include "ui/AppState.h"
#include "ui/DialogCommands.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using dialog_testing::Child;

constexpr int kLabels = 20;

TEST(LabelPrinterDialog, SerialsComeOutOfTheZebraDriverOneLabelAPage) {
    using testing_support::PrivateCups;
    ASSERT_EQ(PrivateCups::Unavailable(), "") << PrivateCups::kMissingHint;
    PrivateCups cups;
    ASSERT_EQ(cups.Error(), "");
    ASSERT_TRUE(cups.AddQueue("Zebra", cups.SampleDriver("zebra.ppd"),
                              "file://" + cups.FilePath("zebra.out")));

    dialog_testing::PrivateSettingsStore store;
    QTemporaryDir dir;
    const QString path = dir.filePath("roll.tlr");
    testing_support::WriteBytes(
        path, "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.5\r\nTYPE=0\r\nTEXT=SN\r\n"
              "[SEQUENCE]\r\nUSE=1\r\nCURRENT=1\r\nMIN_SIZE=6\r\nPREFIX=SN\r\n"
              "[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2\r\nTOPMARGIN=0\r\nLEFTMARGIN=0\r\nGAPHEIGHT=0\r\n"
              "GAPWIDTH=0\r\nMETRIC=0\r\nROLL=1\r\n");
    ui::AppState state;
    state.Printer.setPrinterName("Zebra");
    app::BarcodeDocument document{state.Metrics, engine::Unit::Inch, app::LabelSheet{}};
    ASSERT_TRUE(document.LoadFromFile(path, engine::Unit::Inch));
    QWidget mainWindow;
    ui::DialogCommands commands{mainWindow, state};
    dialog_testing::WhenModal("TFPrintIt", [](QWidget& dialog) {
        Child<QAbstractButton>(dialog, "rbPageRange")->click();
        Child<QAbstractButton>(dialog, "rbSeq")->click();
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "ePages"), QString::number(kLabels));
        Child<QPushButton>(dialog, "BitBtn2")->click();
    });
    commands.Print(document);
    ASSERT_TRUE(cups.WaitUntilIdle("Zebra"));

    std::vector<std::string> serials;
    for (int n = 1; n <= kLabels; ++n)
        serials.push_back(QString("SN%1").arg(n, 6, 10, QChar('0')).toStdString());
    EXPECT_EQ(testing_support::ReadRollOfCode128(cups.FilePath("zebra.out"), 2, dir.path()),
              serials);
}

} // namespace
