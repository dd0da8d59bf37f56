// The command line's conventions, as GNU tools keep them: help and version, "--name=value" and
// "--", "-" for standard input and output, and a progress line on a terminal only.

#include "support/Decode.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

enum class Stderr { Pipe, Terminal };

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A pipe, or for Stderr::Terminal a pseudo-terminal in raw mode, so that its bytes arrive as
// written; [0] is read by the test, [1] written by the program.
std::array<int, 2> Channel(Stderr kind) {
    std::array<int, 2> ends{-1, -1};
    if (kind == Stderr::Pipe) {
        EXPECT_EQ(pipe2(ends.data(), O_CLOEXEC), 0);
        return ends;
    }
    termios raw{};
    cfmakeraw(&raw);
    EXPECT_EQ(openpty(&ends[0], &ends[1], nullptr, &raw, nullptr), 0);
    for (const int end : ends)
        fcntl(end, F_SETFD, FD_CLOEXEC);
    return ends;
}

// Reads both until the program has closed them (a terminal's reading then fails with EIO), or
// for two minutes at the most; false when the program did not finish.
bool ReadAll(int out, int err, Outcome& outcome) {
    std::array<pollfd, 2> fds{{{out, POLLIN, 0}, {err, POLLIN, 0}}};
    std::array<QByteArray*, 2> sinks{&outcome.out, &outcome.err};
    for (int open = 2; open > 0;) {
        if (poll(fds.data(), fds.size(), 120000) <= 0) return false;
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t size = read(fds[i].fd, buffer, sizeof buffer);
            if (size > 0) {
                sinks[i]->append(buffer, static_cast<int>(size));
                continue;
            }
            close(fds[i].fd);
            fds[i].fd = -1;
            --open;
        }
    }
    return true;
}

// Runs tallyrune-cli with `input` on standard input and standard output on a pipe.
Outcome RunCli(const QStringList& args, const QByteArray& input, Stderr errKind) {
    std::signal(SIGPIPE, SIG_IGN); // a program that reads no input fails its row, not the test
    const std::array<int, 2> in = Channel(Stderr::Pipe), out = Channel(Stderr::Pipe),
                             err = Channel(errKind);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<std::string> words{TALLYRUNE_CLI};
    for (const QString& arg : args)
        words.push_back(arg.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, TALLYRUNE_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    for (const int end : {in[0], out[1], err[1]})
        close(end);
    Outcome outcome;
    if (spawned != 0) return outcome;
    if (!input.isEmpty()) {
        EXPECT_EQ(write(in[1], input.constData(), input.size()), input.size());
    }
    close(in[1]);
    if (!ReadAll(out[0], err[0], outcome)) kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    return outcome;
}

// A document on a Letter sheet of 30 labels, 3 across and 10 down.
const QByteArray kSheetDocument =
    "[BARCODE]\r\nTYPE=0\r\nTEXT=HELLO\r\nHEIGHT=0.5\r\n[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2.625\r\n"
    "TOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPHEIGHT=0\r\nGAPWIDTH=0.125\r\nMETRIC=0\r\n";

// "{dir}" in an argument is a folder holding doc.tlr (kSheetDocument) and list.txt (three texts).
struct Row {
    QStringList args;
    QByteArray input{};
    Stderr err = Stderr::Pipe;
    int exitCode = 0;
    const char* outHas = "";
    const char* outLacks = nullptr;
    const char* errHas = "";
    const char* errLacks = nullptr;
    const char* picture = nullptr; // standard output is a picture of this Code 128 text
};

TEST(GnuConventionsCli, CommandLinesShowWhatTheyMust) {
    const QString doc = "{dir}/doc.tlr", pdf = "{dir}/sheet.pdf", list = "{dir}/list.txt";
    const Row rows[] = {
        {.args = {"--help"}, .outHas = "tallyrune-cli templates"},
        {.args = {"-h"}, .outHas = "usage: tallyrune-cli export"},
        {.args = {"export", "--help"},
         .outHas = "--batch LIST|-",
         .outLacks = "tallyrune-cli print"},
        {.args = {"print", doc, "-h"},
         .outHas = "usage: tallyrune-cli print",
         .outLacks = "export"},
        {.args = {"types", "--help"}, .outHas = "usage: tallyrune-cli types"},
        {.args = {"--version"}, .outHas = "tallyrune-cli (Tallyrune) " TALLYRUNE_VERSION "\n"},
        {.args = {"export", "--text=HELLO", "--format=png", "-o", "-"}, .picture = "HELLO"},
        {.args = {"export", "--text", "A-1", "--format", "bmp", "-o-"}, .picture = "A-1"},
        {.args = {"export", "--text", "HELLO", "-o", "-"}, .exitCode = 2, .errHas = "--format"},
        {.args = {"export", "--text", "X", "--no-readable=yes", "-o", "{dir}/x.png"},
         .exitCode = 2,
         .errHas = "--no-readable takes no value"},
        {.args = {"export", "--format", "png", "-o", "-", "--", "-doc.tlr"},
         .exitCode = 1,
         .errHas = "Unable to read -doc.tlr"},
        {.args = {"templates", "--", "--help"}, .exitCode = 1, .errHas = "\"--help\""},
        {.args = {"print", doc, "-o", "-"}, .exitCode = 2, .errHas = "standard output"},
        {.args = {"export", "--batch", "-", "-o", "{dir}/b{n}.png"},
         .input = "ONE\nTWO\n\nFOUR\n",
         .outHas = "wrote 3 files"},
        {.args = {"export", "--data", "-", "-o", "{dir}/d{n}.png"},
         .input = "A1\nB2\n",
         .outHas = "wrote 2 files"},
        {.args = {"export", "--batch", list, "-o", "{dir}/t{n}.png"},
         .err = Stderr::Terminal,
         .errHas = "\r3 / 3 files"},
        {.args = {"export", "--data", list, "-o", "{dir}/t{n}.svg"},
         .err = Stderr::Terminal,
         .errHas = "\r3 / 3 files"},
        {.args = {"export", "--batch", "-", "-o", "{dir}/t{n}.png"},
         .input = "ONE\nTWO\n",
         .err = Stderr::Terminal,
         .errHas = "\r2 files",
         .errLacks = " / "},
        {.args = {"export", "--batch", list, "-o", "{dir}/t{n}.png"}, .errLacks = "files"},
        {.args = {"export", "--batch", list, "--quiet", "-o", "{dir}/t{n}.png"},
         .err = Stderr::Terminal,
         .errLacks = "files"},
        {.args = {"print", doc, "-o", pdf, "--pages", "3"},
         .err = Stderr::Terminal,
         .errHas = "\r3 / 3 pages",
         .errLacks = "Page 1"},
        {.args = {"print", doc, "-o", pdf, "--labels", "26", "--skip", "5"},
         .err = Stderr::Terminal,
         .errHas = "\r2 / 2 pages"},
        {.args = {"print", doc, "-o", pdf, "--pages", "2"}, .errLacks = "pages"},
        {.args = {"print", doc, "-o", pdf, "--pages", "2", "--quiet"},
         .err = Stderr::Terminal,
         .errLacks = "pages"},
    };
    for (const Row& row : rows) {
        const QTemporaryDir dir;
        testing_support::WriteBytes(dir.filePath("doc.tlr"), kSheetDocument);
        testing_support::WriteBytes(dir.filePath("list.txt"), "ONE\nTWO\n\nFOUR\n");
        QStringList args = row.args;
        args.replaceInStrings("{dir}", dir.path());
        const Outcome run = RunCli(args, row.input, row.err);
        const std::string what =
            args.join(' ').toStdString() + (row.err == Stderr::Terminal ? " (on a terminal)" : "") +
            "\nstdout: " + run.out.left(400).toStdString() + "\nstderr: " + run.err.toStdString();
        EXPECT_EQ(run.exitCode, row.exitCode) << what;
        EXPECT_TRUE(run.out.contains(row.outHas)) << row.outHas << " in " << what;
        EXPECT_TRUE(run.err.contains(row.errHas)) << row.errHas << " in " << what;
        EXPECT_FALSE(row.outLacks && run.out.contains(row.outLacks)) << row.outLacks << what;
        EXPECT_FALSE(row.errLacks && run.err.contains(row.errLacks)) << row.errLacks << what;
        // A line rewritten in place is left with its line end.
        EXPECT_TRUE(!run.err.contains('\r') || run.err.endsWith('\n')) << what;
        if (row.picture) {
            const QImage picture = QImage::fromData(run.out);
            EXPECT_EQ(testing_support::DecodeImage(picture, ZXing::BarcodeFormat::Code128).text,
                      row.picture)
                << what;
        }
    }
}

} // namespace
