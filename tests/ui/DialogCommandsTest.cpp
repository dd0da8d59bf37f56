// The main window's commands that open the dialogs: where each dialog opens, the label sheet's
// copy into and out of the document, the sequence settings, the printer setup and the test page.

#include "ui/DialogCommands.h"
#include "DialogDriver.h"
#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "ui/DialogPlacement.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using dialog_testing::Child;

TEST(DialogPlacement, CentresWithTruncatedHalves) {
    const struct {
        QRect owner;
        QSize dialog;
        QPoint halfEach;       // owner + owner / 2 - dialog / 2
        QPoint halfDifference; // owner + (owner - dialog) / 2
    } cases[] = {
        {{50, 50, 482, 361}, {300, 200}, {141, 130}, {141, 130}},
        {{50, 50, 482, 360}, {301, 201}, {141, 130}, {140, 129}}, // even owner, odd dialog
        {{0, 0, 100, 100}, {301, 151}, {-100, -25}, {-100, -25}},
        {{-7, -7, 11, 11}, {3, 3}, {-3, -3}, {-3, -3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ui::CentredPosition(c.owner, c.dialog, ui::Centring::HalfEach), c.halfEach);
        EXPECT_EQ(ui::CentredPosition(c.owner, c.dialog, ui::Centring::HalfDifference),
                  c.halfDifference);
    }
}

class DialogCommands : public ::testing::Test {
  protected:
    DialogCommands() {
        state.Settings.Labels = {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
        dialog_testing::UseLetterPdf(state, dir.filePath("out.pdf"));
        mainWindow.setGeometry(40, 60, 482, 361);
        commands = std::make_unique<ui::DialogCommands>(mainWindow, state);
    }
    // `dialog`'s frame opened centred over the main window, as `how` places it. Its frame's
    // size is not known before it is shown: its own size stands in.
    void ExpectCentred(const QWidget& dialog, ui::Centring how) const {
        EXPECT_EQ(dialog.frameGeometry().topLeft(),
                  ui::CentredPosition(mainWindow.frameGeometry(), dialog.size(), how))
            << dialog.objectName().toStdString();
    }

    dialog_testing::PrivateSettingsStore store; // the commands save the export choices
    QTemporaryDir dir;
    ui::AppState state;
    QWidget mainWindow;
    std::unique_ptr<ui::DialogCommands> commands;
};

TEST_F(DialogCommands, LabelSettingsEditTheDocumentsSheetOrTheOneNewDocumentsTake) {
    app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, app::LabelSheet{});
    document.SetLabels({2.0, 4.0, 0.5, 0.25, 0.0, 0.0, engine::Unit::Inch}); // 5 rows of 2
    const struct {
        app::BarcodeDocument* document;
        const char* typedHeight;
        const char* button;
        double documentHeight, currentHeight;
        int rows;
    } cases[] = {
        {&document, "1", "BitBtn2", 2.0, 2.0, 5},   // Cancel: the document's sheet, copied in
        {&document, "2.5", "BitBtn1", 2.5, 2.5, 4}, // Ok: copied back, laid out
        {nullptr, "3", "BitBtn1", 2.5, 3.0, 3},     // no document: the current sheet only
    };
    for (const auto& c : cases) {
        QString shownHeight;
        dialog_testing::WhenModal("TFLabelSettings", [&](QWidget& dialog) {
            ExpectCentred(dialog, ui::Centring::HalfEach);
            auto* height = Child<QLineEdit>(dialog, "Edit3");
            shownHeight = height->text();
            dialog_testing::TypeAndLeave(*height, c.typedHeight);
            Child<QPushButton>(dialog, c.button)->click();
        });
        commands->LabelSettings(c.document);
        EXPECT_EQ(document.Labels().LabelHeight, c.documentHeight) << c.typedHeight;
        EXPECT_EQ(state.Settings.Labels.LabelHeight, c.currentHeight) << c.typedHeight;
        EXPECT_EQ(state.Metrics.Rows, c.rows) << c.typedHeight;
    }
}

TEST_F(DialogCommands, SequenceSettingsAndPrintOpenCentredOverTheMainWindow) {
    app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, state.Settings.Labels);
    dialog_testing::WhenModal("TFSeqSettings", [&](QWidget& dialog) {
        ExpectCentred(dialog, ui::Centring::HalfEach);
        dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "eSeqCur"), "42");
        Child<QPushButton>(dialog, "OkBtn")->click();
    });
    commands->SequenceSettings(document);
    EXPECT_EQ(document.Sequence().SeqCurrent, 42);
    dialog_testing::WhenModal("TFPrintIt", [&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Print Barcode");
        ExpectCentred(dialog, ui::Centring::HalfDifference);
        Child<QPushButton>(dialog, "BitBtn4")->click();
    });
    commands->Print(document);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.pdf"))) << "Cancel prints nothing";
}

TEST_F(DialogCommands, PrintSetupRefreshesTheMetricsWhateverTheAnswer) {
    state.Printer.setPageOrientation(QPageLayout::Landscape);
    dialog_testing::WhenModal("PrinterSetupDialog",
                              [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    commands->PrintSetup();
    EXPECT_EQ(state.Metrics.PhysicalWidth, 6600);
    EXPECT_EQ(state.Metrics.Rows, 8) << "the sheet laid out on the turned page";
}

// A PDF printer without a file (no printer ever set up) asks for one first.
TEST_F(DialogCommands, TestPagePrintsOnTheSelectedPrinterWithoutTheDialog) {
    QStringList statuses;
    commands->SetStatusPanel([&](const QString& text) { statuses << text; });
    app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, state.Settings.Labels);
    state.Printer.setOutputFileName(QString());
    state.Printer.setOutputFormat(QPrinter::PdfFormat);
    const QString chosen = dir.filePath("test");
    dialog_testing::WhenModal("PdfFileDialog", [&](QWidget& files) {
        EXPECT_EQ(files.windowTitle(), "Print to PDF");
        dialog_testing::ChooseFileIn(files, chosen);
    });
    commands->PrintTestPage(document);
    QProcess info;
    info.start("pdfinfo", {chosen + ".pdf"});
    info.waitForFinished();
    const QString text = QString::fromLatin1(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Barcode Test Page")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+1\\n"))) << text.toStdString();
    EXPECT_EQ(statuses, (QStringList{"Preparing to Print", "Printed to " + chosen + ".pdf"}));
}

} // namespace
