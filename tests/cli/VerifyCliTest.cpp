// tallyrune-cli export --verify: the file just written, read back with its format's own
// reader, must scan as meant; a file that does not is a failure with one line of its own.

#include "support/CliRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::RunCli;

const char* const kFormats[] = {"bmp", "jpeg", "tiff", "wmf", "emf", "png", "svg", "pdf"};

// 0.1 inch at 300 dpi is less than Code 128's text strip (15 modules of 3 dots): no bars.
TEST(VerifyCli, EveryFormatPassesWhenItScansAndFailsWhenItDoesNot) {
    QTemporaryDir dir;
    for (const char* format : kFormats) {
        const QString good = dir.filePath(QStringLiteral("good.%1").arg(format));
        const auto passed = RunCli(
            {"export", "--type", "EAN 13", "--text", "400638133393", "--verify", "-o", good});
        EXPECT_EQ(passed.exitCode, 0) << format << passed.err.toStdString();
        EXPECT_TRUE(passed.err.isEmpty()) << format;

        const QString small = dir.filePath(QStringLiteral("small.%1").arg(format));
        const auto failed =
            RunCli({"export", "--text", "HELLO", "--height", "0.1", "--verify", "-o", small});
        EXPECT_EQ(failed.exitCode, 1) << format;
        EXPECT_EQ(failed.err, "tallyrune-cli: " + small + ": Does not scan as HELLO\n") << format;
        EXPECT_TRUE(QFile::exists(small)) << format;
    }
}

// Interleaved 2 of 5 shorter than six digits is refused by decoders, which take it for noise.
TEST(VerifyCli, ABatchReportsEveryFileThatDoesNotScan) {
    QTemporaryDir dir;
    const QString list = dir.filePath("list.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("123456\n12\n654321\n34\n");
    file.close();
    const QString pattern = dir.filePath("item-{n}.png");
    const auto run = RunCli({"export", "--type", "Interleaved 2 of 5", "--batch", list, "--jobs",
                             "2", "--verify", "-o", pattern});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tallyrune-cli: " + dir.filePath("item-2.png") +
                           ": Does not scan as 12\n"
                           "tallyrune-cli: " +
                           dir.filePath("item-4.png") +
                           ": Does not scan as 34\n"
                           "tallyrune-cli: 2 files do not scan as meant\n");
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("item-%1.png").arg(n)))) << n;
}

} // namespace
