// Printing from the print dialog to a PDF as a user does: the same pages as tallyrune-cli print
// with the same choices, a cancel on the second page of a long job, and the preview of the job.

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "app/DiskStamp.h"
#include "app/BarcodeDocument.h"
#include "app/DiskStamp.h"
#include "print/LabelLayout.h"
#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/TestFiles.h"
#include "ui/DialogCommands.h"
#include "ui/TFPrintProgress.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

using dialog_testing::Child;

constexpr int kRenderDpi = 300; // half the printer's 600: one pixel is two dots

// Labels numbered from 1 as "LB0001Z" on the Letter sheet of 30 (10 rows of 3).
const QByteArray kDocument =
    "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.5\r\nSCALE=1\r\nINTERPRET=1\r\nTYPE=0\r\nROTATE=0\r\n"
    "TEXT=HELLO\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=1\r\nMIN=0\r\nMAX=999999999\r\n"
    "CURRENT=1\r\nMIN_SIZE=4\r\nPREFIX=LB\r\nSUFFIX=Z\r\n[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2.625\r\n"
    "TOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPHEIGHT=0\r\nGAPWIDTH=0.125\r\nMETRIC=0\r\n";

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int PageCount(const QString& pdf) {
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

std::vector<QImage> RenderPages(const QString& pdf) {
    const QString prefix = pdf + ".page";
    Run("pdftoppm", {"-r", QString::number(kRenderDpi), "-gray", "-png", pdf, prefix});
    const QFileInfo info(prefix);
    QStringList names = QDir(info.path()).entryList({info.fileName() + "-*.png"}, QDir::Files);
    names.sort();
    std::vector<QImage> pages;
    for (const QString& name : names)
        pages.emplace_back(info.path() + "/" + name);
    return pages;
}

// Every label cell's decoded text, row by row.
std::vector<std::string> ReadLabels(const QImage& page, const ui::AppState& state) {
    std::vector<std::string> texts;
    for (int row = 0; row < state.Metrics.Rows; ++row)
        for (int column = 0; column < state.Metrics.Columns; ++column) {
            const auto cell = print::LabelCellAt(state.Settings.Labels, state.Metrics, column, row);
            const QRect dots(cell.left, cell.top, cell.width, cell.height);
            const QRect pixels(dots.topLeft() / 2, dots.size() / 2);
            texts.push_back(
                testing_support::DecodeImage(page.copy(pixels), ZXing::BarcodeFormat::Code128)
                    .text);
        }
    return texts;
}

// Page `page` as the preview shows it, cut to the paper (the white area on the grey ground) and
// brought to kRenderDpi.
QImage PreviewPage(QPrintPreviewWidget& preview, int page) {
    preview.setCurrentPage(page);
    const QImage shot = preview.grab().toImage();
    QRect paper;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == qRgb(255, 255, 255)) paper |= QRect(x, y, 1, 1);
    return shot.copy(paper).scaled(QSize(85 * kRenderDpi / 10, 11 * kRenderDpi),
                                   Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::vector<std::string> Numbers(int first, int count, int blanks = 0) {
    std::vector<std::string> texts(static_cast<std::size_t>(blanks));
    for (int n = first; n < first + count; ++n)
        texts.push_back(QString("LB%1Z").arg(n, 4, 10, QChar('0')).toStdString());
    return texts;
}

class PrintFromDialog : public ::testing::Test {
  protected:
    PrintFromDialog() {
        QFile file(documentPath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kDocument);
        file.close();
        EXPECT_TRUE(document.LoadFromFile(documentPath, engine::Unit::Inch));
        dialog_testing::UseLetterPdf(state, pdf);
        commands.SetStatusPanel([this](const QString& text) { statuses << text; });
    }
    // Opens the print dialog from the Print command; `steps` choose a range of `pages` pages,
    // sequence numbers and a skip of `skip`, then press `button`.
    void Print(int pages, int skip, const char* button,
               const std::function<void(QWidget&)>& more = {}) {
        dialog_testing::WhenModal("TFPrintIt", [=](QWidget& dialog) {
            Child<QAbstractButton>(dialog, "rbPageRange")->click();
            Child<QAbstractButton>(dialog, "rbSeq")->click();
            dialog_testing::TypeAndLeave(*Child<QLineEdit>(dialog, "ePages"),
                                         QString::number(pages));
            for (int i = 0; i < skip; ++i)
                Child<QAbstractButton>(dialog, "sbRight")->click();
            if (more) more(dialog);
            Child<QPushButton>(dialog, button)->click();
        });
        commands.Print(document);
    }
    QStringList Leftovers() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    dialog_testing::PrivateSettingsStore store; // the commands save the export choices
    QTemporaryDir dir;
    const QString documentPath = dir.filePath("sheet.tlr");
    const QString pdf = dir.filePath("dialog.pdf");
    ui::AppState state;
    app::BarcodeDocument document{state.Metrics, engine::Unit::Inch, app::LabelSheet{}};
    QWidget mainWindow;
    ui::DialogCommands commands{mainWindow, state};
    QStringList statuses;
};

TEST_F(PrintFromDialog, GivesTheSamePagesAsTheCommandLine) {
    Print(2, 4, "BitBtn2");
    // The dialog took its numbers from the file, as a command-line job takes them; the same job
    // from the command line starts from the same number.
    EXPECT_EQ(app::StampOf(documentPath).current, 57);
    app::WriteSequenceCurrent(documentPath, 1);
    const QString cliPdf = dir.filePath("cli.pdf");
    const auto run = testing_support::RunCli({"print", documentPath, "-o", cliPdf, "--pages", "2",
                                              "--skip", "4", "--sequence", "--dpi", "600"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(PageCount(pdf), 2);
    EXPECT_EQ(PageCount(cliPdf), 2);
    const auto pages = RenderPages(pdf);
    const auto cliPages = RenderPages(cliPdf);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(cliPages.size(), 2u);
    EXPECT_EQ(ReadLabels(pages[0], state), Numbers(1, 26, 4));
    EXPECT_EQ(ReadLabels(pages[1], state), Numbers(27, 30));
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_TRUE(pages[i] == cliPages[i]) << "page " << i + 1 << " differs from the CLI's";
    EXPECT_EQ(document.Sequence().SeqCurrent, 57);
    EXPECT_EQ(statuses, (QStringList{"Preparing to Print", "Printed to " + pdf}));
}

// A second job to the same PDF asks before replacing it: "Yes" replaces it; "No" offers the file
// dialog, and cancelling that goes back to the print dialog with nothing printed.
TEST_F(PrintFromDialog, ASecondJobToTheSamePdfAsksFirst) {
    const struct {
        bool replace;
        bool printed;
    } rows[] = {{true, true}, {false, false}};
    for (const auto& r : rows) {
        testing_support::WriteBytes(pdf, "the earlier job");
        bool stayed = false;
        Print(1, 0, "BitBtn2", [&](QWidget& dialog) {
            dialog_testing::WhenModal("ReplaceQuestion", [&](QWidget& box) {
                if (!r.replace)
                    dialog_testing::WhenModal("PdfFileDialog", [&](QWidget& files) {
                        // Back in the print dialog after the chooser is cancelled.
                        QTimer::singleShot(0, &dialog, [&] {
                            stayed = dialog.isVisible();
                            Child<QPushButton>(dialog, "BitBtn4")->click();
                        });
                        static_cast<QDialog&>(files).reject();
                    });
                static_cast<QMessageBox&>(box)
                    .button(r.replace ? QMessageBox::Yes : QMessageBox::No)
                    ->click();
            });
        });
        EXPECT_EQ(testing_support::ReadBytes(pdf) == "the earlier job", !r.printed);
        EXPECT_EQ(stayed, !r.printed);
    }
}

TEST_F(PrintFromDialog, CancelOnPageTwoOfALongJobLeavesNoPdfAndKeepsTheNumbers) {
    QStringList painted; // the page read-outs the progress window painted, in order
    bool cancelled = false;
    dialog_testing::PaintWatcher watcher("LPage", [&](QWidget& label) {
        const QString text = static_cast<QLabel&>(label).text();
        if (painted.isEmpty() || painted.back() != text) painted << text;
        if (text == "Page 2" && !cancelled) {
            cancelled = true;
            auto* progress = label.window();
            EXPECT_TRUE(progress->isVisible());
            EXPECT_EQ(progress->windowTitle(), "Tallyrune");
            EXPECT_FALSE(progress->isModal());
            EXPECT_TRUE(progress->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_EQ(Child<QLabel>(*progress, "LPrinterName")->toolTip(), pdf);
            QTest::mouseClick(Child<QPushButton>(*progress, "CancelBtn"), Qt::LeftButton);
        }
    });
    Print(100, 0, "BitBtn2");
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(painted, (QStringList{"Page 1", "Page 2"}));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(Leftovers(), QStringList{"sheet.tlr"}) << "no partial file stays";
    EXPECT_EQ(document.Sequence().SeqCurrent, 32) << "30 labels on page 1, 1 on page 2";
    EXPECT_TRUE(mainWindow.findChildren<ui::TFPrintProgress*>().isEmpty());
}

TEST_F(PrintFromDialog, PreviewShowsTheJobAndTakesNoNumbers) {
    int previewPages = 0;
    std::vector<std::vector<std::string>> texts;
    Print(2, 4, "BitBtn4", [&](QWidget& dialog) {
        dialog_testing::WhenModal("PreviewDialog", [&](QWidget& preview) {
            auto* pages = preview.findChild<QPrintPreviewWidget*>();
            ASSERT_NE(pages, nullptr);
            previewPages = pages->pageCount();
            preview.resize(2700, 3500); // a page about 300 pixels per inch
            pages->setViewMode(QPrintPreviewWidget::SinglePageView);
            pages->fitToWidth();
            for (int page = 1; page <= previewPages; ++page)
                texts.push_back(ReadLabels(PreviewPage(*pages, page), state));
            static_cast<QDialog&>(preview).reject();
        });
        Child<QPushButton>(dialog, "PreviewBtn")->click();
    });
    EXPECT_EQ(previewPages, 2);
    EXPECT_EQ(texts, (std::vector{Numbers(1, 26, 4), Numbers(27, 30)}));
    EXPECT_EQ(document.Sequence().SeqCurrent, 1);
    EXPECT_FALSE(QFile::exists(pdf)) << "Cancel prints nothing";
}

} // namespace
