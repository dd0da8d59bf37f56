// tallyrune-cli print and testpage: real PDFs rendered by poppler, every label read back by
// zxing-cpp in its own cell.

#include "print/DeviceMetrics.h"
#include "print/LabelLayout.h"
#include "print/PrinterAccess.h"
#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/PrivateCups.h"
#include "support/TestFiles.h"
#include "support/TestPageReading.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

namespace {

using testing_support::CliRun;
using testing_support::DecodeImage;
using testing_support::RunCli;

// A document on the Letter sheet of 30 labels: 1.0 × 2.625 inches, margins 0.5 and 0.1875,
// gaps 0 and 0.125, numbered from 1 as "LB0001Z".
QByteArray SheetDocument(int rotation, const char* labelWidth = "2.625") {
    return QByteArray("[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.5\r\nSCALE=1\r\nINTERPRET=1\r\nTYPE=0\r\n"
                      "ROTATE=") +
           QByteArray::number(rotation) +
           "\r\nTEXT=HELLO\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=1\r\nMIN=0\r\n"
           "MAX=999999999\r\nCURRENT=1\r\nMIN_SIZE=4\r\nPREFIX=LB\r\nSUFFIX=Z\r\n[FORMAT]\r\n"
           "HEIGHT=1\r\nWIDTH=" +
           labelWidth +
           "\r\nTOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPHEIGHT=0\r\nGAPWIDTH=0.125\r\nMETRIC="
           "0\r\n";
}

app::LabelSheet LetterSheet() {
    return {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
}

class PrintCli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

    QString WriteDocument(const QByteArray& contents) const {
        QFile file(Path("sheet.tlr"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }

    QByteArray Contents(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Page `page` of the PDF as a 300 dpi grey picture, drawn by poppler.
    QImage RenderPage(const QString& pdf, int page = 1) const {
        const QString prefix = Path("page");
        QProcess::execute("pdftoppm", {"-r", "300", "-gray", "-png", "-f", QString::number(page),
                                       "-l", QString::number(page), "-singlefile", pdf, prefix});
        return QImage(prefix + ".png");
    }

    // One page titled "Barcode Test Page" whose top quarter holds a readable Code 128 sample.
    void ExpectTestPage(const QString& pdf) const {
        QProcess info;
        info.start("pdfinfo", {pdf});
        info.waitForFinished();
        const QString text = QString::fromLatin1(info.readAllStandardOutput());
        EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+1\\n"))) << text.toStdString();
        EXPECT_TRUE(text.contains("Barcode Test Page")) << text.toStdString();
        const QImage page = RenderPage(pdf);
        EXPECT_TRUE(DecodeImage(page.copy(0, 0, page.width(), page.height() / 4),
                                ZXing::BarcodeFormat::Code128)
                        .found);
    }

    // True once the program listens for Ctrl+C, which it does right before its job begins.
    static bool ListensForInterrupt(qint64 pid) {
        QFile status(QString("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly)) return false;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGINT - 1)) & 1;
        return false;
    }

    // Runs the CLI and presses Ctrl+C once its job has begun (0.2 s after it began to listen,
    // 10 s after the start at most); its temporary files go to `tmp`.
    CliRun RunInterrupted(const QStringList& args) const {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", tmp.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TALLYRUNE_CLI), args);
        if (!process.waitForStarted()) return {};
        for (int waited = 0; waited < 10000 && !ListensForInterrupt(process.processId());
             waited += 20)
            QThread::msleep(20);
        QThread::msleep(200);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        process.waitForFinished(120000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, "",
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    QTemporaryDir tmp;
};

// The text of every label cell on a 600 dpi Letter page rendered at 300 dpi, row by row, and
// whether any ink lies outside the cells.
struct SheetReading {
    std::vector<std::string> texts;
    bool inkOutsideCells = false;
};

SheetReading ReadSheet(const QImage& page, const app::LabelSheet& sheet) {
    app::PrinterMetrics metrics;
    metrics.PrinterDpiX = metrics.PrinterDpiY = 600;
    metrics.PhysicalWidth = 5100;
    metrics.PhysicalHeight = 6600;
    int printScale = 0;
    print::RecomputeLayout(sheet, metrics, printScale);
    SheetReading reading;
    QImage outside = page.convertToFormat(QImage::Format_Grayscale8);
    for (int row = 0; row < metrics.Rows; ++row)
        for (int column = 0; column < metrics.Columns; ++column) {
            const print::LabelCell cell = print::LabelCellAt(sheet, metrics, column, row);
            const QRect rect(cell.left / 2, cell.top / 2, cell.width / 2, cell.height / 2);
            reading.texts.push_back(
                DecodeImage(page.copy(rect), ZXing::BarcodeFormat::Code128).text);
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    outside.setPixel(x, y, 0xffffffff);
        }
    for (int y = 0; y < outside.height() && !reading.inkOutsideCells; ++y)
        for (int x = 0; x < outside.width(); ++x)
            if (qGray(outside.pixel(x, y)) < 128) reading.inkOutsideCells = true;
    return reading;
}

std::vector<std::string> Numbers(int first, int count, int blanks = 0) {
    std::vector<std::string> texts(static_cast<std::size_t>(blanks));
    for (int n = first; n < first + count; ++n)
        texts.push_back(QString("LB%1Z").arg(n, 4, 10, QChar('0')).toStdString());
    return texts;
}

TEST_F(PrintCli, EveryLabelOfTheSheetDecodesInRowOrder) {
    const struct {
        int rotation;
        QStringList extra;
        std::vector<std::string> expected;
    } cases[] = {
        {0, {"--pages", "1"}, Numbers(1, 30)},
        {0, {"--pages", "1", "--skip", "7"}, Numbers(1, 23, 7)},
        // Turned, the symbol runs down the 1-inch label: 4-dot modules make it fit.
        {1, {"--pages", "1", "--module", "4"}, Numbers(1, 30)},
    };
    for (const auto& c : cases) {
        const QString doc = WriteDocument(SheetDocument(c.rotation));
        const QString pdf = Path("sheet.pdf");
        const CliRun run = RunCli(QStringList{"print", doc, "-o", pdf, "--dpi", "600"} << c.extra);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const SheetReading reading = ReadSheet(RenderPage(pdf), LetterSheet());
        EXPECT_EQ(reading.texts, c.expected)
            << c.rotation << " " << c.extra.join(' ').toStdString();
        EXPECT_FALSE(reading.inkOutsideCells) << c.extra.join(' ').toStdString();
    }
}

TEST_F(PrintCli, LabelsRunOverPagesAndSaveTheSequence) {
    const QString doc = WriteDocument(SheetDocument(0));
    const QString pdf = Path("many.pdf");
    const CliRun run = RunCli({"print", doc, "-o", pdf, "--labels", "35", "--save-sequence"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const SheetReading second = ReadSheet(RenderPage(pdf, 2), LetterSheet());
    EXPECT_EQ(
        std::vector<std::string>(second.texts.begin(), second.texts.begin() + 6),
        (std::vector<std::string>{"LB0031Z", "LB0032Z", "LB0033Z", "LB0034Z", "LB0035Z", ""}));
    QByteArray expected = SheetDocument(0);
    expected.replace("CURRENT=1\r\n", "CURRENT=36\r\n");
    EXPECT_EQ(Contents(doc), expected); // only the next number changed
}

TEST_F(PrintCli, TheTestPagePrintsOnePage) {
    const QString pdf = Path("test.pdf");
    const CliRun run = RunCli({"testpage", "-o", pdf, "--dpi", "600"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ExpectTestPage(pdf);
}

TEST_F(PrintCli, BadRequestsFailClearlyAndChangeNothing) {
    const QString pdf = Path("bad.pdf");
    const QByteArray wide = SheetDocument(0, "20"); // no label fits across Letter paper
    const struct {
        QByteArray document;
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {SheetDocument(0), {"--pages", "0"}, 2, "--pages"},
        {SheetDocument(0), {"--labels", "0"}, 2, "--labels"},
        {SheetDocument(0), {"--pages", "1", "--copies", "0"}, 2, "--copies"},
        {SheetDocument(0), {"--pages", "1", "--skip", "30"}, 2, "--skip"},
        {wide, {"--pages", "1"}, 1, "No label fits"},
        {SheetDocument(0), {"--pages", "1", "--paper", "legal"}, 2, "--paper"},
        {SheetDocument(0), {"--pages", "1", "--offset", "1.5mm"}, 2, "--offset takes X,Y"},
        {SheetDocument(0), {"--pages", "1", "--offset", "1.5,2mm"}, 2, "--offset takes X,Y"},
        {SheetDocument(0), {"--pages", "1", "--offset", "1pt,2mm"}, 2, "--offset takes X,Y"},
    };
    for (const auto& c : cases) {
        const QString doc = WriteDocument(c.document);
        const CliRun run =
            RunCli(QStringList{"print", doc, "-o", pdf, "--save-sequence"} << c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(Contents(doc), c.document) << c.args.join(' ').toStdString();
    }
    const QString doc = WriteDocument(SheetDocument(0));
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } others[] = {
        {{"print", doc, "--printer", "No Such Printer"}, 1, "Unknown printer"},
        {{"print", doc, "-o", "/nonexistent-folder/x.pdf"}, 1, "Unable to write to"},
        {{"print", doc, "-o", pdf, "--printer", "P"}, 2, "either -o"},
        {{"print", Path("missing.tlr"), "-o", pdf}, 1, "Unable to read"},
        {{"testpage", "-o", pdf, "--dpi", "10"}, 2, "--dpi"},
        {{"testpage", "-o", pdf, "--offset", "1mm;2mm"}, 2, "--offset takes X,Y"},
        {{"calibrationpage", "-o", pdf, "--unit", "mm"}, 2, "--unit takes in or cm"},
        {{"calibrationpage", "-o", pdf, "--offset", "1mm,2mm"}, 2, "unknown option --offset"},
    };
    for (const auto& c : others) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(PrintCli, InterruptCancelsAtTheNextPageAndKeepsNothing) {
    const QString doc = WriteDocument(SheetDocument(0));
    const QString pdf = Path("cancel.pdf");
    testing_support::WriteBytes(pdf, "the earlier file");
    const CliRun run =
        RunInterrupted({"print", doc, "-o", pdf, "--pages", "3000", "--save-sequence"});
    ASSERT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("cancelled")) << run.err.toStdString();
    EXPECT_EQ(Contents(pdf), "the earlier file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    const QByteArray saved = Contents(doc);
    const auto at = saved.indexOf("CURRENT=") + 8;
    const int current = saved.mid(at, saved.indexOf('\r', at) - at).toInt();
    EXPECT_EQ(current, 1); // nothing was printed, so the numbers went back
}

// Files may grow to a few kilobytes only, as on a full disk. A PDF that cannot be written in full
// fails the job and leaves the earlier PDF and the document as they were; a document that cannot
// take the next number after its PDF is safe fails naming it, the PDF staying.
TEST_F(PrintCli, AFullDiskFailsClearlyAndKeepsTheEarlierFiles) {
    const QString pdf = Path("out.pdf");
    const QByteArray padded = // bigger than the limit below, its one-page PDF smaller
        SheetDocument(0) + QByteArray(40, ';').append("\r\n").repeated(1000);
    const struct {
        const char* command;
        QByteArray document;
        QStringList extra;
        rlim_t limit;
        bool documentFails;
    } cases[] = {
        {"print", SheetDocument(0), {"--pages", "1"}, 4096, false},
        {"print", SheetDocument(0), {"--pages", "1", "--save-sequence"}, 4096, false},
        {"testpage", {}, {}, 4096, false},
        {"print", padded, {"--pages", "1", "--save-sequence"}, 24 * 1024, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra.join(' ').toStdString() + " " + c.command);
        const QString doc = WriteDocument(c.document);
        testing_support::WriteBytes(pdf, "the earlier file");
        QStringList args{c.command, "-o", pdf};
        if (!c.document.isEmpty()) args.insert(1, doc);
        CliRun run;
        {
            const testing_support::FileSizeLimit limit(c.limit);
            run = RunCli(args << c.extra);
        }
        EXPECT_EQ(run.exitCode, 1);
        // The document's numbers are reserved before anything prints, so a document that
        // cannot take them stops the job first.
        EXPECT_TRUE(run.err.startsWith("tallyrune-cli: Unable to write to " +
                                       (c.documentFails ? doc : pdf)))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_EQ(Contents(doc), c.document);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"out.pdf", "sheet.tlr"}));
        EXPECT_EQ(Contents(pdf), "the earlier file");
    }
}

// Only the next number changes, in its line: reals written with points survive a comma locale,
// and comments, unknown keys and the key's own spelling stay. Qt takes the separator from LANG
// with its own locale data, so the machine needs no de_DE locale installed.
TEST_F(PrintCli, SavingTheSequenceChangesOnlyItsNumber) {
    const QByteArray kept = "; made by hand\r\n[BARCODE]\r\nHEIGHT=0.75\r\nTYPE=0\r\n"
                            "TEXT=HELLO\r\nAUTOSIZE=0\r\nBAR_WIDTH=13.3\r\nCOLOUR=blue\r\n";
    const QByteArray sheet = "[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2.625\r\nTOPMARGIN=0.5\r\n"
                             "LEFTMARGIN=0.1875\r\nGAPWIDTH=0.125\r\nMETRIC=0\r\n";
    const struct {
        const char* lang;
        QByteArray before, after;
    } cases[] = {
        {"de_DE.UTF-8", kept + "[SEQUENCE]\r\nUSE=1\r\nCURRENT=7\r\nX=1\r\n" + sheet,
         kept + "[SEQUENCE]\r\nUSE=1\r\nCURRENT=12\r\nX=1\r\n" + sheet},
        {"de_DE.UTF-8", kept + "[sequence]\r\nuse=1\r\n current = 7 \r\n" + sheet,
         kept + "[sequence]\r\nuse=1\r\ncurrent=12\r\n" + sheet},
        {"C.UTF-8", kept + "[SEQUENCE]\r\nUSE=1\r\nCURRENT=7\r\n" + sheet,
         kept + "[SEQUENCE]\r\nUSE=1\r\nCURRENT=12\r\n" + sheet},
        // --sequence on a document without numbers: they start at 1 and the key is added.
        {"de_DE.UTF-8", kept + sheet, kept + sheet + "[SEQUENCE]\r\nCURRENT=6\r\n"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_NUMERIC");
    for (const auto& c : cases) {
        environment.insert("LANG", c.lang);
        const QString doc = WriteDocument(c.before);
        const CliRun run = RunCli(
            {"print", doc, "-o", Path("out.pdf"), "--labels", "5", "--sequence", "--save-sequence"},
            environment);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(Contents(doc), c.after) << c.lang;
    }
}

// The same commands on a real CUPS queue: a scheduler of the test's own, whose Generic PDF
// printer writes what it receives to a file.
class PrintCliOnCups : public PrintCli {
  protected:
    void SetUp() override {
        using testing_support::PrivateCups;
        ASSERT_EQ(PrivateCups::Unavailable(), "") << PrivateCups::kMissingHint;
        cups.emplace(); // the CLI finds it through CUPS_SERVER
        ASSERT_EQ(cups->Error(), "");
    }
    void TearDown() override { cups.reset(); }

    std::optional<testing_support::PrivateCups> cups;
};

// Without --paper and --dpi the job takes the queue's paper (Letter) and prints there.
TEST_F(PrintCliOnCups, PrintAndTestPageReachTheQueue) {
    const QString doc = WriteDocument(SheetDocument(0));
    const CliRun print = RunCli({"print", doc, "--printer", "FilePDF", "--pages", "1"});
    ASSERT_EQ(print.exitCode, 0) << print.err.toStdString();
    ASSERT_TRUE(cups->WaitUntilIdle());
    const SheetReading reading = ReadSheet(RenderPage(cups->OutputPdf()), LetterSheet());
    EXPECT_EQ(reading.texts, Numbers(1, 30));
    EXPECT_FALSE(reading.inkOutsideCells);

    const CliRun test = RunCli({"testpage", "--printer", "FilePDF"});
    ASSERT_EQ(test.exitCode, 0) << test.err.toStdString();
    ASSERT_TRUE(cups->WaitUntilIdle());
    EXPECT_EQ(cups->JobCount(true), 2);
    ExpectTestPage(cups->OutputPdf());
    // Every sample a scanner reads, where the layout puts it on the queue's printable area.
    app::PrinterMetrics metrics;
    print::ReadPrinterCapabilities(*print::OpenNamedPrinter("FilePDF"), metrics);
    const auto samples =
        testing_support::ReadTestPageSamples(RenderPage(cups->OutputPdf()), 300, metrics);
    EXPECT_EQ(samples.size(), 10u);
    for (const auto& sample : samples)
        EXPECT_EQ(sample.read, sample.expected) << sample.caption;
}

// Three pages of numbered labels in one job: the queue's file holds them in order, every label
// readable, the numbers running on from page to page.
TEST_F(PrintCliOnCups, ThreePagesOfNumberedLabelsDecodeInOrder) {
    const QString doc = WriteDocument(SheetDocument(0));
    const CliRun run = RunCli({"print", doc, "--printer", "FilePDF", "--pages", "3", "--sequence"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(cups->WaitUntilIdle());
    EXPECT_EQ(cups->JobCount(true), 1);
    std::vector<std::string> texts;
    for (int page = 1; page <= 3; ++page) {
        const SheetReading reading = ReadSheet(RenderPage(cups->OutputPdf(), page), LetterSheet());
        EXPECT_FALSE(reading.inkOutsideCells) << "page " << page;
        texts.insert(texts.end(), reading.texts.begin(), reading.texts.end());
    }
    EXPECT_EQ(texts, Numbers(1, 90));
}

TEST_F(PrintCliOnCups, InterruptSendsNothingToTheQueue) {
    const QString doc = WriteDocument(SheetDocument(0));
    const CliRun run = RunInterrupted({"print", doc, "--printer", "FilePDF", "--pages", "3000"});
    ASSERT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("cancelled")) << run.err.toStdString();
    EXPECT_EQ(cups->JobCount(), 0);
    EXPECT_FALSE(QFile::exists(cups->OutputPdf()));
    EXPECT_TRUE(QDir(tmp.path()).isEmpty()); // no spool file left
}

} // namespace
