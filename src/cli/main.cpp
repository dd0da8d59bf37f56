// tallyrune-cli: export and information without a window.

#include "cli/CliArguments.h"
#include "cli/Commands.h"

#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <exception>
#include <iostream>
#include <optional>

namespace {

constexpr const char* kUsage =
    "usage: tallyrune-cli export [DOC.TLR] [--type NAME|CODE] [--text TEXT] [--height H]\n"
    "                            [--unit in|cm] [--rotate 0|90|180|270] [--no-readable]\n"
    "                            [--font FACE] [--dpi N] [--module N|auto]\n"
    "                            [--ecc LEVEL] [--size auto|SIZE]   (two-dimensional types)\n"
    "                            [--format bmp|jpeg|tiff|wmf|emf|png|svg|pdf|zpl] [--verify]\n"
    "                            -o FILE\n"
    "       tallyrune-cli export ... --batch LIST [--jobs N] -o PATTERN   (PATTERN holds {n})\n"
    "       tallyrune-cli export ... --data FILE [--column N|NAME] [--header] [--jobs N]\n"
    "                            -o PATTERN   (PATTERN holds {n})\n"
    "       tallyrune-cli print DOC.TLR -o OUT.pdf|OUT.zpl [--single | --pages N | --labels N]\n"
    "                           [--skip N] [--roll] [--format pdf|zpl]\n"
    "                           [--sequence | --data FILE [--column N|NAME] [--header]]\n"
    "                           [--copies N] [--module auto|screen|fit|N] [--no-align-h]\n"
    "                           [--no-align-v] [--paper letter|a4|WxHin|WxHmm|MEDIA] [--dpi N]\n"
    "                           [--printer NAME [--raw-zpl]]\n"
    "                           [--save-sequence [--no-wait]] [--no-wrap] [--force]\n"
    "                           [--offset X,Y]\n"
    "       tallyrune-cli testpage -o OUT.pdf [--paper letter|a4] [--dpi N] [--printer NAME]\n"
    "                              [--offset X,Y]   (X and Y in mm, cm or in: 1.5mm,-0.5mm)\n"
    "       tallyrune-cli calibrationpage -o OUT.pdf [--paper letter|a4] [--dpi N]\n"
    "                                     [--printer NAME] [--unit in|cm]\n"
    "       tallyrune-cli info [DOC.TLR] [--type NAME|CODE] [--text TEXT] [--module N] [--dpi N]\n"
    "       tallyrune-cli types\n"
    "       tallyrune-cli templates [SEARCH]\n"
    "--data - reads the records from standard input: one text per line, or CSV when --column\n"
    "or --header is given. A record may hold 64 KiB, a line 1 MiB.\n";

struct Command {
    const char* name;
    void (*run)(const cli::Call& call);
};

constexpr std::array<Command, 7> kCommands{{
    {"export", cli::RunExporting},
    {"print", cli::RunPrinting},
    {"testpage", cli::RunPrinting},
    {"calibrationpage", cli::RunPrinting},
    {"info", [](const cli::Call& c) { cli::RunInfo(c.words, c.out); }},
    {"types", [](const cli::Call& c) { cli::RunTypes(c.words, c.out); }},
    {"templates", [](const cli::Call& c) { cli::RunTemplates(c.words, c.out); }},
}};

// Qt wants a private runtime folder and complains on stderr when none is set.
void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray dir = "/tmp/tallyrune-runtime-" + QByteArray::number(getuid());
    mkdir(dir.constData(), 0700);
    struct stat info {};
    if (stat(dir.constData(), &info) == 0 && info.st_uid == getuid() && (info.st_mode & 0077) == 0)
        qputenv("XDG_RUNTIME_DIR", dir);
}

} // namespace

int main(int argc, char** argv) {
    // A file size limit (ulimit -f) then fails a write as a full disk does, with a message,
    // instead of killing the tool half way.
    std::signal(SIGXFSZ, SIG_IGN);
    // Fonts need a GUI application, but the tool never opens a window; a command starts it
    // only when it draws text, as loading the platform and the fonts is most of a start.
    std::optional<QGuiApplication> app;
    const cli::StartGui startGui = [&] {
        if (app) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        EnsureRuntimeDir();
        app.emplace(argc, argv);
    };
    const cli::Words words(argv + 1, argv + argc);
    try {
        if (words.empty() || words[0] == "--help" || words[0] == "help") {
            (words.empty() ? std::cerr : std::cout) << kUsage;
            return words.empty() ? 2 : 0;
        }
        for (const auto& command : kCommands)
            if (words[0] == command.name) {
                const cli::Words rest(words.begin() + 1, words.end());
                command.run({words[0], rest, std::cout, startGui, argv});
                return 0;
            }
        throw cli::UsageError("unknown command " + words[0]);
    } catch (const cli::UsageError& e) {
        std::cerr << "tallyrune-cli: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tallyrune-cli: " << e.what() << "\n";
        return 1;
    }
}
