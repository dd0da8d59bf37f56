// tallyrune-cli: export and information without a window.

#include "cli/CliArguments.h"
#include "cli/Commands.h"
#include "cli/Usage.h"

#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <exception>
#include <iostream>
#include <optional>

namespace {

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

// --help, -h, help [COMMAND] and --version, which need no command; none for anything else.
std::optional<std::string> TopLevelText(const cli::Words& words) {
    if (words[0] == "--help" || words[0] == "-h" || (words[0] == "help" && words.size() == 1))
        return cli::GeneralUsage();
    if (words[0] == "--version") return cli::VersionText() + "\n";
    if (words[0] != "help") return std::nullopt;
    const std::string usage = cli::CommandUsage(words[1]);
    if (usage.empty()) throw cli::UsageError("unknown command " + words[1]);
    return usage;
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
        if (words.empty()) {
            std::cerr << cli::GeneralUsage();
            return 2;
        }
        if (const std::optional<std::string> text = TopLevelText(words)) {
            std::cout << *text;
            return 0;
        }
        for (const auto& command : kCommands)
            if (words[0] == command.name) {
                const cli::Words rest(words.begin() + 1, words.end());
                try {
                    command.run({words[0], rest, std::cout, startGui, argv});
                } catch (const cli::HelpRequested&) {
                    std::cout << cli::CommandUsage(command.name);
                }
                return 0;
            }
        throw cli::UsageError((words[0].starts_with('-') ? "unknown option " : "unknown command ") +
                              words[0]);
    } catch (const cli::UsageError& e) {
        std::cerr << "tallyrune-cli: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tallyrune-cli: " << e.what() << "\n";
        return 1;
    }
}
