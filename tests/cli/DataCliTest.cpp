// tallyrune-cli print and export --data: the records of a CSV file on a sheet of labels, every
// label read back by zxing-cpp in record order, and files refused before anything is written.

#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/SheetLabels.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::CliRun;
using testing_support::RunCli;

// Code 128 on the Letter sheet of 30 (10 rows of 3); its own text, not a sequence.
const QByteArray kDocument =
    "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.5\r\nSCALE=1\r\nINTERPRET=1\r\nTYPE=0\r\nROTATE=0\r\n"
    "TEXT=HELLO\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=0\r\n[FORMAT]\r\nHEIGHT=1\r\n"
    "WIDTH=2.625\r\nTOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPHEIGHT=0\r\nGAPWIDTH=0.125\r\n"
    "METRIC=0\r\n";
const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
constexpr int kRecords = 250;

// Record i's text: a comma and quotes, so the file quotes it.
std::string RecordText(int i) {
    return QString("R%1,\"q\"").arg(i, 3, 10, QChar('0')).toStdString();
}

// A header, then one record per line, the text in the second of three columns; record `odd`
// (from 1) gets a character Code 128 lacks.
QByteArray DataFile(int odd = 0) {
    QByteArray csv = "id,name,note\r\n";
    for (int i = 1; i <= kRecords; ++i) {
        QByteArray text = QByteArray::fromStdString(RecordText(i)).replace("\"", "\"\"");
        if (i == odd) text += "\xC3\xA9";
        csv += QByteArray::number(i) + ",\"" + text + "\",n\r\n";
    }
    return csv;
}

class DataCli : public ::testing::Test {
  protected:
    DataCli() {
        testing_support::WriteBytes(doc, kDocument);
        EXPECT_TRUE(QDir().mkpath(out));
    }
    QTemporaryDir dir;
    const QString doc = dir.filePath("sheet.tlr");
    const QString data = dir.filePath("data.csv");
    const QString pdf = dir.filePath("sheet.pdf");
    const QString out = dir.filePath("out");
};

// 250 records from label 4 of a sheet of 30: 27 + 7 × 30 + 13 labels on 9 pages.
TEST_F(DataCli, PrintsEveryRecordInOrderFromTheStartLabel) {
    testing_support::WriteBytes(data, DataFile());
    const CliRun run = RunCli({"print", doc, "--data", data, "--column", "name", "--skip", "3",
                               "--dpi", "300", "-o", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto pages = testing_support::ReadSheetLabels(
        pdf, kThirty, 150, ZXing::BarcodeFormat::Code128, dir.filePath("page"));
    ASSERT_EQ(pages.size(), 9u);
    std::vector<std::string> expected(3); // skipped
    for (int i = 1; i <= kRecords; ++i)
        expected.push_back(RecordText(i));
    expected.resize(9 * 30); // the last page's free labels
    std::vector<std::string> read;
    for (const auto& page : pages)
        read.insert(read.end(), page.begin(), page.end());
    EXPECT_EQ(read, expected);
}

// Export writes one file per record named by its line, and reads as the record.
TEST_F(DataCli, ExportNamesEachFileByItsRecordsLine) {
    testing_support::WriteBytes(data, DataFile());
    const CliRun run =
        RunCli({"export", "--data", data, "--column", "2", "--header", "-o", out + "/{n}.png"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "wrote 250 files\n");
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), kRecords);
    for (int i : {1, 250})
        EXPECT_EQ(testing_support::DecodeImage(QImage(QString("%1/%2.png").arg(out).arg(i + 1)),
                                               ZXing::BarcodeFormat::Code128)
                      .text,
                  RecordText(i));
}

// A file that cannot be printed whole is refused, naming the file and the line, before a page
// or a file is written.
TEST_F(DataCli, RefusesAFileBeforeWritingAnything) {
    const QByteArray tooLong =
        "id,name\r\n1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n6,\"" + QByteArray(70000, 'x') + "\"\r\n";
    const struct {
        const char* what;
        QByteArray csv;
        QStringList options;
        int exitCode;
        const char* message;
        bool withData = true;
    } cases[] = {
        {"not carried",
         DataFile(100),
         {"--column", "name"},
         1,
         "data.csv, line 101: Code 128 cannot carry the text \"R100,\"q\"\xC3\xA9\" whole"},
        {"unknown column", DataFile(), {"--column", "price"}, 1, "no column is named \"price\""},
        {"column out of range", DataFile(), {"--column", "4"}, 1, "there is no column 4"},
        {"a record without the column",
         "a,b\r\nc\r\n",
         {"--column", "2"},
         1,
         "data.csv, line 2: there is no column 2"},
        {"an empty file", "", {}, 1, "data.csv has no records"},
        {"blank lines only", "\r\n\n\r", {}, 1, "data.csv has no records"},
        {"a header only", "id,name\r\n", {"--column", "name"}, 1, "data.csv has no records"},
        {"a column name twice",
         "id,name,NAME\r\n1,a,b\r\n",
         {"--column", "name"},
         1,
         "data.csv: more than one column is named \"name\""},
        {"a record over 64 KiB",
         tooLong,
         {"--column", "name"},
         1,
         "data.csv, line 7: the record is longer than 64 KiB"},
        {"not carried, CR alone ending lines",
         DataFile(100).replace("\r\n", "\r"),
         {"--column", "name"},
         1,
         "data.csv, line 101: Code 128 cannot carry"},
        {"column without data",
         {},
         {"--column", "2"},
         2,
         "--column and --header go with --data",
         false},
    };
    for (const auto& c : cases)
        for (const bool print : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (print ? " (print)" : " (export)"));
            testing_support::WriteBytes(data, c.csv);
            QStringList args = print ? QStringList{"print", doc, "-o", pdf}
                                     : QStringList{"export", "-o", out + "/{n}.png"};
            if (c.withData) args << "--data" << data;
            const CliRun run = RunCli(args << c.options);
            EXPECT_EQ(run.exitCode, c.exitCode);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
            EXPECT_FALSE(QFile::exists(pdf));
            EXPECT_TRUE(QDir(out).isEmpty());
        }
}

// "--data -" reads standard input: plain text unless --column or --header make it CSV. It is
// read twice, the second time from a copy, here more than one chunk long.
TEST_F(DataCli, ReadsStandardInputForADash) {
    const QByteArray blank(100000, '\n');
    const struct {
        const char* what;
        QByteArray input;
        QStringList options;
        std::vector<std::pair<int, std::string>> records; // line, text
        const char* failure;
    } cases[] = {
        {"plain text, each line end",
         "S,1\n" + blank + "S2\r\nS3\rS4",
         {},
         {{1, "S,1"}, {100002, "S2"}, {100003, "S3"}, {100004, "S4"}},
         ""},
        {"CSV by --column",
         "id,t\r\n1,\"S,1\"\r\n2,S2\r\n",
         {"--column", "t"},
         {{2, "S,1"}, {3, "S2"}},
         ""},
        {"CSV by --header", "head\rS1\r", {"--header"}, {{2, "S1"}}, ""},
        {"nothing", "\n\n", {}, {}, "tallyrune-cli: - has no records\n"},
    };
    for (const auto& c : cases)
        for (const bool print : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (print ? " (print)" : " (export)"));
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            const QStringList args = print ? QStringList{"print", doc, "--dpi", "300", "-o", pdf}
                                           : QStringList{"export", "-o", out + "/{n}.png"};
            const CliRun run = testing_support::RunCliWithInput(
                args + QStringList{"--data", "-"} + c.options, c.input);
            if (*c.failure) {
                EXPECT_EQ(run.exitCode, 1);
                EXPECT_EQ(run.err, c.failure);
                continue;
            }
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            std::vector<std::string> expected, read;
            for (const auto& [line, text] : c.records) {
                expected.push_back(text);
                if (!print)
                    read.push_back(testing_support::DecodeImage(
                                       QImage(QString("%1/%2.png").arg(out).arg(line)),
                                       ZXing::BarcodeFormat::Code128)
                                       .text);
            }
            if (print) {
                const auto pages = testing_support::ReadSheetLabels(
                    pdf, kThirty, 150, ZXing::BarcodeFormat::Code128, dir.filePath("page"));
                ASSERT_EQ(pages.size(), 1u);
                read = pages[0];
                expected.resize(read.size());
            }
            EXPECT_EQ(read, expected);
        }
}

// A data file with no line end, such as /dev/zero, is refused at its first MiB, within a memory
// limit that a whole file read into memory would break.
TEST_F(DataCli, EndlessDataIsRefusedAtItsFirstLine) {
    const QStringList commands[] = {{"print", doc, "-o", pdf}, {"export", "-o", out + "/{n}.png"}};
    for (const QStringList& command : commands) {
        const CliRun run = testing_support::RunCliWithMemoryLimit(
            command + QStringList{"--data", "/dev/zero"}, 300);
        EXPECT_EQ(run.exitCode, 1) << command[0].toStdString();
        EXPECT_EQ(run.err, "tallyrune-cli: zero, line 1: the line is longer than 1 MiB\n");
    }
}

} // namespace
