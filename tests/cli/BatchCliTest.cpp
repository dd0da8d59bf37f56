// A batch spread over several threads writes the same files, byte for byte, as on one thread,
// and stops at the same failure.

#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::CliRun;
using testing_support::ReadBytes;
using testing_support::RunCli;

// A PDF says when it was made; the rest must not change.
QByteArray WithoutDate(QByteArray bytes) {
    const QByteArray key = "/CreationDate (";
    const qsizetype at = bytes.indexOf(key);
    if (at >= 0) bytes.remove(at, bytes.indexOf(')', at) - at);
    return bytes;
}

// Each file of `folder` by name, with its bytes.
std::map<QString, QByteArray> Files(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = WithoutDate(ReadBytes(QDir(folder).filePath(name)));
    return files;
}

// Texts of different lengths with an empty line among them, so that the threads take lines of
// different sizes and stamp different characters.
QByteArray Texts(int count) {
    QByteArray list;
    for (int i = 1; i <= count; ++i)
        list += i % 7 == 0 ? QByteArray("\n") : "T" + QByteArray::number(i * 7919) + "-x\n";
    return list;
}

TEST(BatchCli, ThreadsWriteTheSameFilesAsOneThread) {
    const struct {
        const char* type;
        const char* pattern;
        QStringList options;
    } rows[] = {
        {"Code 128", "{n}.png", {}},
        {"Code 128", "label-{n}.bmp", {"--rotate", "90"}},
        {"Code 39", "{n}.tif", {"--dpi", "150"}},
        {"Code 128", "{n}.svg", {}},
        {"Code 93", "{n}.pdf", {"--rotate", "270"}},
        {"UPC A", "{n}.emf", {}},
        {"EAN 13", "{n}.png", {"--no-readable"}},
    };
    QTemporaryDir dir;
    const QString list = dir.filePath("list.txt");
    testing_support::WriteBytes(list, Texts(60));
    int folder = 0;
    for (const auto& row : rows) {
        std::map<QString, QByteArray> outputs[2];
        const char* jobs[] = {"1", "4"};
        for (int i = 0; i < 2; ++i) {
            const QString out = dir.filePath(QString("out-%1").arg(++folder));
            ASSERT_TRUE(QDir().mkpath(out));
            const CliRun run = RunCli(QStringList{"export", "--type", row.type, "--batch", list,
                                                  "--jobs", jobs[i], "-o", out + '/' + row.pattern}
                                      << row.options);
            ASSERT_EQ(run.exitCode, 0) << row.pattern << ": " << run.err.toStdString();
            EXPECT_EQ(run.out, "wrote 52 files\n") << row.pattern;
            outputs[i] = Files(out);
        }
        EXPECT_EQ(outputs[0].size(), 52u) << row.pattern;
        EXPECT_TRUE(outputs[0] == outputs[1]) << row.type << " " << row.pattern;
    }
}

// Line 20 is far too long for a PNG (and slow to measure) and line 40 has nothing Code 128 can
// encode: however soon a thread meets line 40, the run fails with line 20's message, as on one
// thread, and keeps every file of the lines before it.
TEST(BatchCli, ThreadsStopAtTheFirstFailingLineAsOneThreadDoes) {
    QTemporaryDir dir;
    const QString list = dir.filePath("list.txt");
    QByteArray texts;
    for (int i = 1; i <= 60; ++i)
        texts += (i == 20   ? QByteArray(2000000, 'A')
                  : i == 40 ? "\xE9"
                            : QByteArray::number(i)) +
                 "\n";
    testing_support::WriteBytes(list, texts);
    for (const char* jobs : {"1", "4"}) {
        const QString out = dir.filePath(QString("out-") + jobs);
        ASSERT_TRUE(QDir().mkpath(out));
        const CliRun run =
            RunCli({"export", "--batch", list, "--jobs", jobs, "-o", out + "/{n}.png"});
        EXPECT_EQ(run.exitCode, 1) << jobs;
        EXPECT_TRUE(run.err.startsWith("tallyrune-cli: ") && run.err.contains("too large"))
            << jobs << ": " << run.err.toStdString();
        for (int n = 1; n < 20; ++n)
            EXPECT_TRUE(QFile::exists(QString("%1/%2.png").arg(out).arg(n))) << jobs << " " << n;
        EXPECT_FALSE(QFile::exists(out + "/20.png")) << jobs;
    }
}

// A line that cannot be drawn (nothing in it the symbology encodes, or a picture too large for
// the format) stops the batch with one line naming its number, exit 1. The lines before it
// have their files; its own name gets no picture, and an earlier file there stays as it was.
TEST(BatchCli, ALineThatCannotBeDrawnIsNamedAndGetsNoPicture) {
    const QByteArray tooLong = QByteArray("TALLYRUNE-2026-00042").repeated(30000);
    const struct {
        const char* type;
        QByteArray list;
        int line; // the one that fails
        const char* ext;
        const char* jobs;
        bool earlierFile;
        const char* message;
        QStringList options;
    } rows[] = {
        {"Code 128",
         "A1\n\n\xE9\nB4\n",
         3,
         "png",
         "1",
         true,
         "the text has no characters that Code 128 can encode",
         {}},
        {"EAN 13",
         "1234\r\nABC\r\n5678\r\n",
         2,
         "bmp",
         "4",
         false,
         "the text has no characters that EAN 13 can encode",
         {}},
        {"Code 128",
         "SHORT\n" + tooLong + "\nAFTER\n",
         2,
         "png",
         "1",
         false,
         "The barcode picture is too large for PNG",
         {}},
        // 6.6 billion dots: beyond what a length in dots can hold.
        {"Code 39",
         "ONE\nTWO\n\n\n" + tooLong + "\n",
         5,
         "svg",
         "4",
         true,
         "The barcode picture is too large for SVG",
         {"--module", "1000"}},
    };
    const QByteArray earlier = "an earlier file";
    int folder = 0;
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString list = dir.filePath(QString("list-%1.txt").arg(++folder));
        testing_support::WriteBytes(list, row.list);
        const QString pattern = dir.filePath(QString("{n}.") + row.ext);
        const auto file = [&](int n) {
            return QString(pattern).replace("{n}", QString::number(n));
        };
        if (row.earlierFile) testing_support::WriteBytes(file(row.line), earlier);
        const CliRun run = RunCli(QStringList{"export", "--type", row.type, "--batch", list,
                                              "--jobs", row.jobs, "-o", pattern}
                                  << row.options);
        EXPECT_EQ(run.exitCode, 1) << folder;
        EXPECT_TRUE(run.err.startsWith(QString("tallyrune-cli: list-%1.txt, line %2: %3")
                                           .arg(folder)
                                           .arg(row.line)
                                           .arg(row.message)))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        if (row.earlierFile)
            EXPECT_EQ(ReadBytes(file(row.line)), earlier) << folder;
        else
            EXPECT_FALSE(QFile::exists(file(row.line))) << folder;
        const QStringList lines = QString::fromLatin1(row.list).split('\n');
        for (int n = 1; n < row.line; ++n)
            EXPECT_EQ(QFile::exists(file(n)), !lines[n - 1].trimmed().isEmpty())
                << folder << " " << n;
    }
}

} // namespace
