// Printing on a real CUPS queue: a private scheduler with the Generic PDF printer writes every job
// it receives to a file, read back by poppler and zxing-cpp. A cancelled job must never reach it.

#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"

#include "RecordingPrintTarget.h"
#include "app/BarcodeDocument.h"
#include "engine/Barcode.h"
#include "platform/Errors.h"
#include "print/PrintJob.h"
#include "support/Decode.h"
#include "support/PrivateCups.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using testing_support::PrivateCups;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PdfInfo(const QString& pdf) {
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class CupsPrinter : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(PrivateCups::Unavailable(), "") << PrivateCups::kMissingHint;
        cups.emplace();
        ASSERT_EQ(cups->Error(), "");
        // Spool files then go to a folder of this test's own, to see that none is left behind.
        previousTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(spool.path()));
    }
    void TearDown() override {
        if (previousTmp)
            previousTmp->isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", *previousTmp);
        cups.reset();
    }

    QStringList SpoolFiles() const { return QDir(spool.path()).entryList(QDir::Files); }

    // Page `page` of the PDF the queue wrote, drawn by poppler at 150 dpi.
    QImage PrintedPage(int page) const {
        const QString prefix = work.filePath("page");
        QProcess::execute("pdftoppm",
                          {"-r", "150", "-gray", "-png", "-f", QString::number(page), "-l",
                           QString::number(page), "-singlefile", cups->OutputPdf(), prefix});
        return QImage(prefix + ".png");
    }

    // One Code 128 symbol of 20-mil modules half an inch into the printable area.
    static void DrawLabel(print::PrinterTarget& target, int dpi, const char* text) {
        engine::DrawBarcode(target.Surface(), engine::SymbologyCode::Code128, dpi / 2, dpi / 2,
                            dpi / 50, dpi / 2, text, true, engine::Orientation::Deg0, false);
    }

    QTemporaryDir spool, work;
    std::optional<PrivateCups> cups;
    std::optional<QByteArray> previousTmp;
};

TEST_F(CupsPrinter, TheQueueIsListedAndAnUnknownNameRefused) {
    EXPECT_EQ(print::AvailablePrinters(), std::vector<std::string>{"FilePDF"});
    const auto printer = print::OpenNamedPrinter("FilePDF");
    EXPECT_EQ(printer->printerName(), "FilePDF");
    EXPECT_FALSE(print::IsPdfOutput(*printer));
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::Letter); // the queue's default
    try {
        print::OpenNamedPrinter("No Such Printer");
        ADD_FAILURE() << "an unknown printer was opened";
    } catch (const platform::Failure& failure) {
        EXPECT_STREQ(failure.what(),
                     "Unknown printer \"No Such Printer\"; the printers are: FilePDF");
    }
}

// The queue receives the job only when it ends, with its title, paper, resolution (when the
// printer offers it) and copies; CUPS's PJL header and poppler tell what it received.
TEST_F(CupsPrinter, AFinishedJobReachesTheQueueWithItsSettings) {
    struct Case {
        std::optional<print::Paper> paper; // none: the queue's own
        int dpi;
        int copies;
        const char* title;
        const char* pjl[3]; // what lines of the header the Generic PDF driver writes start with
        const char* pdfPage;
        std::vector<std::string> pageTexts;
    };
    const Case cases[] = {
        {std::nullopt,
         600,
         1,
         "Tallyrune",
         {"JOB NAME = \"Tallyrune\" ", "SET PAPER=LETTER\n", "SET RESOLUTION=600\n"},
         "612 x 792 pts (letter)",
         {"CUPS 1", "CUPS 2"}},
        {print::Paper::A4,
         300,
         2,
         "Barcode Test Page",
         {"JOB NAME = \"Barcode Test Page\" ", "SET PAPER=A4\n", "SET RESOLUTION=300\n"},
         "595 x 842 pts (A4)",
         {"CUPS 1", "CUPS 2", "CUPS 1", "CUPS 2"}},
        // 450 dpi is not among the printer's resolutions: it prints at its default.
        {print::Paper::Letter,
         450,
         1,
         "Tallyrune",
         {"JOB NAME = \"Tallyrune\" ", "SET PAPER=LETTER\n", "SET RESOLUTION=600\n"},
         "612 x 792 pts (letter)",
         {"CUPS 1", "CUPS 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const auto printer = print::OpenNamedPrinter("FilePDF", c.paper, c.dpi);
        printer->setCopyCount(c.copies);
        const int jobsBefore = cups->JobCount();
        print::PrinterTarget target(*printer);
        target.BeginDocument(c.title);
        DrawLabel(target, c.dpi, "CUPS 1");
        target.NewPage();
        DrawLabel(target, c.dpi, "CUPS 2");
        EXPECT_EQ(cups->JobCount(), jobsBefore); // nothing sent while the job runs
        target.EndDocument();
        ASSERT_TRUE(cups->WaitUntilIdle());
        EXPECT_EQ(cups->JobCount(true), jobsBefore + 1);
        EXPECT_TRUE(SpoolFiles().isEmpty());
        EXPECT_TRUE(printer->outputFileName().isEmpty());

        const QByteArray printed = Contents(cups->OutputPdf());
        const QByteArray header = printed.left(printed.indexOf("%PDF"));
        for (const char* line : c.pjl)
            EXPECT_TRUE(header.contains(QByteArray("@PJL ") + line)) << header.data();
        const QString info = PdfInfo(cups->OutputPdf());
        EXPECT_TRUE(info.contains(c.pdfPage)) << info.toStdString();
        for (std::size_t page = 0; page < c.pageTexts.size(); ++page)
            EXPECT_EQ(testing_support::DecodeImage(PrintedPage(static_cast<int>(page) + 1),
                                                   ZXing::BarcodeFormat::Code128)
                          .text,
                      c.pageTexts[page])
                << "page " << page + 1;
        EXPECT_TRUE(
            info.contains(QRegularExpression(QString("Pages:\\s+%1\n").arg(c.pageTexts.size()))))
            << info.toStdString();
    }
}

// A cancelled job, or one whose target goes mid-job, never reaches the queue; the printer then
// prints the next job as usual.
TEST_F(CupsPrinter, ACancelledJobNeverReachesTheQueue) {
    const app::LabelSheet sheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
    app::PrinterMetrics metrics;
    app::BarcodeDocument document(metrics, engine::Unit::Inch, sheet);
    document.SetBarcodeText("CANCEL");
    testing_support::RecordingProgress progress;
    progress.cancelAtPage = 2;
    struct Case {
        const char* how;
        std::function<void(QPrinter&)> print;
    };
    const Case cases[] = {
        {"cancel on page 2",
         [&](QPrinter& printer) {
             int printScale = 0;
             print::RefreshPrinterMetrics(printer, sheet, metrics, printScale);
             print::PrintOptions options;
             options.Range = print::PrintRange::Pages;
             options.Pages = 3;
             options.Text = document.BarcodeText();
             print::PrinterTarget target(printer);
             print::RunPrintJob(target, progress, options, document, sheet, metrics);
             EXPECT_EQ(progress.pages, (std::vector<int>{1, 2}));
         }},
        {"target destroyed mid-job",
         [&](QPrinter& printer) {
             print::PrinterTarget target(printer);
             target.BeginDocument("Tallyrune");
             DrawLabel(target, printer.resolution(), "GONE");
         }},
    };
    const auto printer = print::OpenNamedPrinter("FilePDF", print::Paper::Letter, 600);
    for (const Case& c : cases) {
        c.print(*printer);
        EXPECT_EQ(cups->JobCount(), 0) << c.how;
        EXPECT_FALSE(QFile::exists(cups->OutputPdf())) << c.how;
        EXPECT_TRUE(SpoolFiles().isEmpty()) << c.how;
        EXPECT_TRUE(printer->outputFileName().isEmpty()) << c.how;
    }
    print::PrinterTarget target(*printer);
    target.BeginDocument("Tallyrune");
    DrawLabel(target, 600, "NEXT");
    target.EndDocument();
    ASSERT_TRUE(cups->WaitUntilIdle());
    EXPECT_EQ(cups->JobCount(true), 1);
    EXPECT_EQ(testing_support::DecodeImage(PrintedPage(1), ZXing::BarcodeFormat::Code128).text,
              "NEXT");
}

// A job the queue refuses, or whose spool file a full disk cuts short, fails clearly and leaves
// nothing on the queue nor in the spool folder.
TEST_F(CupsPrinter, AJobThatCannotBeSentFailsClearly) {
    const struct {
        const char* how;
        rlim_t fileSizeLimit; // none when 0
        const char* message;
    } cases[] = {
        {"spool cut short", 1024, "Unable to print on FilePDF"},
        {"queue refuses", 0, "Unable to print on FilePDF: "},
    };
    for (const auto& c : cases) {
        if (c.fileSizeLimit == 0) {
            ASSERT_TRUE(cups->Run("cupsreject", {"FilePDF"}));
        }
        const auto printer = print::OpenNamedPrinter("FilePDF");
        print::PrinterTarget target(*printer);
        target.BeginDocument("Tallyrune");
        DrawLabel(target, printer->resolution(), "REFUSED");
        std::optional<testing_support::FileSizeLimit> limit;
        if (c.fileSizeLimit != 0) limit.emplace(c.fileSizeLimit);
        try {
            target.EndDocument();
            ADD_FAILURE() << c.how << ": the job was taken as printed";
        } catch (const platform::Failure& failure) {
            EXPECT_EQ(std::string(failure.what()).rfind(c.message, 0), 0u) << failure.what();
        }
        limit.reset();
        EXPECT_EQ(cups->JobCount(), 0) << c.how;
        EXPECT_TRUE(SpoolFiles().isEmpty()) << c.how;
    }
}

} // namespace
