// What tallyrune-cli loads to start: Qt's GUI application only for text and for vector output
// (so a platform that cannot start does not stop the rest), and never the printing libraries,
// which print and testpage get from tallyrune-cli-print.

#include "support/CliRunner.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs tallyrune-cli where no Qt platform can start: a command that creates the GUI
// application stops with Qt's own failure instead of exiting 0.
int ExitWithoutPlatform(const QStringList& args) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TALLYRUNE_CLI), args);
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(StartupCli, TheGuiApplicationStartsOnlyForTextAndVectorPictures) {
    QTemporaryDir dir;
    const struct {
        QStringList args;
        bool needsGui;
    } rows[] = {
        {{"types"}, false},
        {{"info", "--type", "EAN 13", "--text", "400638133393"}, false},
        {{"export", "--type", "EAN 13", "--text", "400638133393", "--no-readable", "-o", "a.png"},
         false},
        {{"export", "--type", "POSTNET", "--text", "12345", "--no-readable", "-o", "a.bmp"}, false},
        {{"export", "--text", "X", "--no-readable", "--rotate", "90", "-o", "a.tif"}, false},
        {{"export", "--text", "X", "--no-readable", "-o", "a.jpg"}, false},
        {{"export", "--text", "X", "-o", "a.png"}, true},
        {{"export", "--text", "X", "--no-readable", "-o", "a.pdf"}, true},
        {{"export", "--text", "X", "--no-readable", "-o", "a.svg"}, true},
    };
    for (const auto& row : rows) {
        QStringList args = row.args;
        if (args.size() > 2 && args[args.size() - 2] == "-o")
            args.last() = dir.filePath(args.last());
        const int exitCode = ExitWithoutPlatform(args);
        if (row.needsGui)
            EXPECT_NE(exitCode, 0) << args.join(' ').toStdString();
        else
            EXPECT_EQ(exitCode, 0) << args.join(' ').toStdString();
    }
}

// Every symbology draws its bars alone with no GUI application behind it.
TEST(StartupCli, EverySymbologyDrawsBarsAloneWithoutTheGuiApplication) {
    QTemporaryDir dir;
    for (int type = 0; type < 18; ++type)
        EXPECT_EQ(ExitWithoutPlatform({"export", "--type", QString::number(type), "--text", "12345",
                                       "--no-readable", "-o", dir.filePath("bars.png")}),
                  0)
            << type;
}

TEST(StartupCli, ThePrintingLibrariesAreNotLoaded) {
    QProcess ldd;
    ldd.start("ldd", {TALLYRUNE_CLI});
    ASSERT_TRUE(ldd.waitForFinished(60000));
    const QString libraries = QString::fromLocal8Bit(ldd.readAllStandardOutput());
    EXPECT_TRUE(libraries.contains("libQt6Gui")) << libraries.toStdString();
    for (const char* printing : {"libcups", "libQt6PrintSupport", "libQt6Widgets"})
        EXPECT_FALSE(libraries.contains(printing)) << printing;
    // ... and yet it prints, through tallyrune-cli-print.
    QTemporaryDir dir;
    const testing_support::CliRun testpage =
        testing_support::RunCli({"testpage", "-o", dir.filePath("page.pdf")});
    EXPECT_EQ(testpage.exitCode, 0) << testpage.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("page.pdf")));
}

} // namespace
