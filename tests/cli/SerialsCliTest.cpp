// A serial never prints twice, and nothing prints from a document that cannot be drawn or from
// a label the barcode does not fit: jobs run at the same time, the designer saving meanwhile,
// refused documents and the fit check, each read back from the PDF.

#include "app/BarcodeDocument.h"
#include "app/PrinterMetrics.h"
#include "support/CliRunner.h"
#include "support/SheetLabels.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using testing_support::RunCli;

// Code 39 numbers on a sheet of 2.625 x 1 in labels; `extra` goes into [BARCODE].
QByteArray Document(int current, const QByteArray& extra = {}, const char* width = "2.625") {
    return "[BARCODE]\r\nTYPE=1\r\nHEIGHT=0.5\r\n" + extra +
           "[SEQUENCE]\r\nUSE=1\r\nMIN=1\r\nMAX=999999\r\nCURRENT=" +
           QByteArray::number(current) + "\r\n[FORMAT]\r\nHEIGHT=1\r\nWIDTH=" + width +
           "\r\nTOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPWIDTH=0.125\r\n";
}

const app::LabelSheet kSheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};

class SerialsCli : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QByteArray& contents, const QString& name = "label.tlr") const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        return Path(name);
    }
    int Current(const QString& doc) const {
        QFile file(doc);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        const qsizetype at = text.indexOf("CURRENT=") + 8;
        return text.mid(at, text.indexOf('\r', at) - at).toInt();
    }
    std::vector<int> Serials(const QString& pdf) const {
        std::vector<int> serials;
        for (const auto& page : testing_support::ReadSheetLabels(
                 pdf, kSheet, 150, ZXing::BarcodeFormat::Code39, Path("page")))
            for (const std::string& label : page)
                if (!label.empty()) serials.push_back(std::stoi(label));
        return serials;
    }
    QProcess* StartPrint(const QString& doc, const QString& pdf, int labels) {
        auto* process = new QProcess(&owner);
        process->start(QStringLiteral(TALLYRUNE_CLI),
                       {"print", doc, "-o", pdf, "--labels", QString::number(labels), "--sequence",
                        "--save-sequence", "--dpi", "150"});
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }
    static void Finish(QProcess* process) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }

    QTemporaryDir dir;
    QObject owner;
};

// Two jobs of different sizes at once, round after round: each serial once, and CURRENT the
// first number no job printed.
TEST_F(SerialsCli, TwoJobsOnOneDocumentNeverPrintTheSameSerial) {
    const QString doc = Write(Document(1));
    std::set<int> printed;
    int expectedNext = 1;
    for (int round = 0; round < 50; ++round) {
        QProcess* a = StartPrint(doc, Path("a.pdf"), 2);
        QProcess* b = StartPrint(doc, Path("b.pdf"), 3);
        Finish(a);
        Finish(b);
        for (const QString& pdf : {Path("a.pdf"), Path("b.pdf")})
            for (int serial : Serials(pdf))
                EXPECT_TRUE(printed.insert(serial).second) << serial << " twice, round " << round;
        expectedNext += 5;
        ASSERT_EQ(Current(doc), expectedNext) << "round " << round;
    }
    EXPECT_EQ(printed.size(), 250u);
}

// The designer saves its document while a command-line job prints from the same file: the save
// is refused while the job holds the file, and noticed as another program's change after it;
// taking the file's sequence keeps every number the job printed behind CURRENT.
TEST_F(SerialsCli, TheDesignerSavingDuringAJobNeverSetsTheSequenceBack) {
    app::PrinterMetrics metrics;
    const QString doc = Write(Document(1));
    app::BarcodeDocument designer(metrics, engine::Unit::Inch, kSheet);
    ASSERT_TRUE(designer.LoadFromFile(doc, engine::Unit::Inch));
    for (int round = 0; round < 20; ++round) {
        const int before = Current(doc);
        QProcess* job = StartPrint(doc, Path("job.pdf"), 4);
        designer.SetBarcodeText("EDIT" + std::to_string(round));
        // The job may still hold the file after the designer has learnt of its new sequence.
        app::DiskChange onChange = app::DiskChange::Ask;
        bool saved = false;
        while (!saved) {
            try {
                designer.SaveToFile(doc, QLatin1Char('.'), onChange);
                saved = true;
            } catch (const app::ChangedOnDisk&) {
                onChange = app::DiskChange::TakeFileSequence;
            } catch (const platform::Failure& busy) {
                EXPECT_TRUE(std::string(busy.what()).find("in use by another job") !=
                            std::string::npos)
                    << busy.what();
                job->waitForFinished(50);
            }
        }
        Finish(job);
        const std::vector<int> serials = Serials(Path("job.pdf"));
        ASSERT_EQ(serials.size(), 4u) << "round " << round;
        EXPECT_EQ(serials.front(), before) << "round " << round;
        // A save before the job read the file hands the job the same number; one after it
        // takes the job's.
        EXPECT_EQ(Current(doc), before + 4) << "round " << round;
    }
}

// One rule for print, export and info: exit 1, the message, no output, CURRENT unchanged.
TEST_F(SerialsCli, DocumentsThatCannotBeDrawnAreRefused) {
    QFile::link("/dev/zero", Path("zero.tlr"));
    const QByteArray random = QByteArray::fromHex("8f00ff13d2a4") + QByteArray(3000, '\x9c');
    const struct {
        QByteArray contents; // written to label.tlr unless a path is named
        const char* path;
        const char* message;
    } cases[] = {
        {random, nullptr, "is not a Tallyrune document"},
        {"just some text\r\nand more\r\n", nullptr, "is not a Tallyrune document"},
        {{}, "zero.tlr", "Unable to read"},
        {{}, ".", "Unable to read"},
        {Document(7).replace("TYPE=1", "TYPE=99"), nullptr, "TYPE=99 is not a barcode type"},
        {Document(7).replace("TYPE=1", "TYPE=x"), nullptr, "TYPE=x is not a barcode type"},
        {Document(7).replace("HEIGHT=0.5", "HEIGHT=-5"), nullptr, "HEIGHT=-5 is not a bar"},
        {Document(7).replace("HEIGHT=0.5", "HEIGHT=-0"), nullptr, "HEIGHT=-0 is not a bar"},
        {Document(7).replace("HEIGHT=0.5", "HEIGHT=1e-308"), nullptr, "HEIGHT=1e-308 is not"},
        {Document(7).replace("MIN=1", "MIN=9"), nullptr, "lies outside its range 9 to"},
        {Document(7).replace("MAX=999999", "MAX=0"), nullptr, "lies above its maximum 0"},
    };
    for (const auto& c : cases) {
        const QString doc = c.path ? Path(c.path) : Write(c.contents);
        const bool sequenceFault = std::string(c.message).find("range") != std::string::npos ||
                                   std::string(c.message).find("maximum") != std::string::npos;
        const QList<QStringList> commands{
            {"print", doc, "-o", Path("out.pdf"), "--sequence", "--save-sequence"},
            {"export", doc, "-o", Path("out.png")},
            {"info", doc}};
        for (const QStringList& command : commands) {
            if (sequenceFault && command.front() != "print") continue;
            const auto run = RunCli(command);
            const std::string what = command.front().toStdString() + " " + c.message;
            EXPECT_EQ(run.exitCode, 1) << what << ": " << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(c.message)) << what << ": " << run.err.toStdString();
            EXPECT_EQ(run.err.count('\n'), 1) << what;
        }
        EXPECT_FALSE(QFile::exists(Path("out.pdf"))) << c.message;
        EXPECT_FALSE(QFile::exists(Path("out.png"))) << c.message;
        if (!c.path && c.contents.startsWith("[BARCODE]")) {
            EXPECT_EQ(Current(doc), 7) << c.message;
        }
    }
    const QString empty = Write({}, "empty.tlr"); // an empty file is a document of defaults
    EXPECT_EQ(RunCli({"print", empty, "-o", Path("empty.pdf")}).exitCode, 0);
}

// A job whose numbers pass SeqMax warns and starts again at SeqMin; --no-wrap refuses it.
TEST_F(SerialsCli, AWrappingSequenceSaysWhichNumbersRepeat) {
    const QString doc = Write(Document(8).replace("MAX=999999", "MAX=9"));
    const auto refused = RunCli({"print", doc, "-o", Path("w.pdf"), "--labels", "4", "--sequence",
                                 "--save-sequence", "--no-wrap"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(Current(doc), 8);
    const auto run = RunCli({"print", doc, "-o", Path("w.pdf"), "--labels", "4", "--sequence",
                             "--save-sequence", "--dpi", "150"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("passes 9 and starts again at 1: numbers 1 to 2 print again"))
        << run.err.toStdString();
    EXPECT_EQ(Serials(Path("w.pdf")), (std::vector<int>{8, 9, 1, 2}));
    EXPECT_EQ(Current(doc), 3);
}

// The fit check against Avery 5160 (2.625 x 1 in) and L7160 (63.5 x 38.1 mm) cells: refused
// exactly when the box with its quiet zones is wider than the cell; with --module fit every
// label fits and scans.
TEST_F(SerialsCli, ABarcodeWiderThanItsLabelIsRefusedOrFitted) {
    const struct {
        const char* width; // label width in the sheet's unit
        const char* unit;  // METRIC
        int dpi;
    } sheets[] = {{"2.625", "0", 300}, {"2.625", "0", 600}, {"6.35", "1", 300}, {"6.35", "1", 600}};
    const char* texts[] = {"A1", "TALLY-26", "TALLY-2026-0001", "TALLY-2026-0001-XYZ"};
    for (const auto& s : sheets)
        for (const char* text : texts) {
            QByteArray document = Document(1, QByteArray("TEXT=") + text + "\r\n", s.width);
            document.replace("USE=1", "USE=0");
            document.append("METRIC=" + QByteArray(s.unit) + "\r\n");
            if (*s.unit == '1') document.replace("HEIGHT=1\r\nWIDTH", "HEIGHT=3.81\r\nWIDTH");
            const QString doc = Write(document);
            const auto info = RunCli({"info", doc, "--dpi", QString::number(s.dpi)});
            ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
            const qsizetype at = info.out.indexOf("box length: ") + 12;
            const int box = info.out.mid(at, info.out.indexOf(' ', at) - at).toInt();
            const double inches = QByteArray(s.width).toDouble() / (*s.unit == '1' ? 2.54 : 1.0);
            const int cell = int(inches * s.dpi);
            const QString dpi = QString::number(s.dpi);
            const auto run =
                RunCli({"print", doc, "-o", Path("fit.pdf"), "--pages", "1", "--dpi", dpi});
            const std::string what = std::string(text) + " on " + s.width + " at " +
                                     std::to_string(s.dpi) + ": " + run.err.toStdString();
            EXPECT_EQ(run.exitCode, box > cell ? 1 : 0) << what;
            EXPECT_EQ(run.err.contains("it will be cut"), box > cell) << what;
            const auto fitted = RunCli({"print", doc, "-o", Path("fit.pdf"), "--pages", "1",
                                        "--module", "fit", "--dpi", dpi});
            ASSERT_EQ(fitted.exitCode, 0) << what << fitted.err.toStdString();
            app::LabelSheet sheet = kSheet;
            sheet.LabelWidth = QByteArray(s.width).toDouble();
            sheet.LabelHeight = *s.unit == '1' ? 3.81 : 1.0;
            sheet.Unit = *s.unit == '1' ? engine::Unit::Centimetre : engine::Unit::Inch;
            const auto pages = testing_support::ReadSheetLabels(
                Path("fit.pdf"), sheet, 300, ZXing::BarcodeFormat::Code39, Path("page"));
            ASSERT_FALSE(pages.empty()) << what;
            for (const std::string& label : pages.front()) EXPECT_EQ(label, text) << what;
        }
}

// Layouts that would print without end are refused before the job starts, naming their values;
// a NUL in a sequence text shows in the message instead of cutting it short.
TEST_F(SerialsCli, SheetsBeyondAnyPrinterAreRefused) {
    const struct {
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"HEIGHT=1\r\nWIDTH=2.625", "HEIGHT=0.05\r\nWIDTH=0.01", "on a page, more than 10000"},
        {"GAPWIDTH=0.125", "GAPWIDTH=-2.6249999", "follow each other across at less than one"},
        {"TOPMARGIN=0.5", "TOPMARGIN=-1e300", "labels on a page, more than 10000"},
        {"PREFIX=", "PREFIX=A\x01", "cannot carry the sequence text \"A\u2401"},
    };
    for (const auto& c : cases) {
        QByteArray document = Document(7);
        document.replace("MIN=1", "PREFIX=\r\nMIN=1");
        const QString doc = Write(document.replace(c.from, c.to));
        const auto run = RunCli({"print", doc, "-o", Path("out.pdf"), "--pages", "1",
                                 "--sequence", "--save-sequence"});
        EXPECT_EQ(run.exitCode, 1) << c.to;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.pdf"))) << c.to;
        EXPECT_EQ(Current(doc), 7) << c.to;
    }
}

} // namespace
