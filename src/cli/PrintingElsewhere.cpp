// tallyrune-cli: the printing commands and export --verify run in tallyrune-cli-print, found
// beside this program (the build folder) or out of PATH where it is installed, which takes over
// this process (the same process ID, so signals still reach the job).

#include "cli/Commands.h"
#include "platform/Errors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>

namespace cli {
namespace {

constexpr const char* kPrintingProgram = "tallyrune-cli-print";

// The folder this program's file is in, links resolved.
std::string OwnFolder() {
    char path[PATH_MAX];
    const ssize_t size = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0) return ".";
    const std::string self(path, static_cast<std::size_t>(size));
    return self.substr(0, self.rfind('/'));
}

// Beside this program, or else where the installation puts it: TALLYRUNE_HELPER_FROM_BIN is the
// path to it from the installed program's folder (cmake/Install.cmake).
std::string PrintingProgram() {
    const std::string folder = OwnFolder();
    const std::string beside = folder + '/' + kPrintingProgram;
    if (::access(beside.c_str(), X_OK) == 0) return beside;
    return folder + '/' + TALLYRUNE_HELPER_FROM_BIN + '/' + kPrintingProgram;
}

} // namespace

void RunPrinting(const Call& call) {
    const std::string program = PrintingProgram();
    ::execv(program.c_str(), call.argv);
    throw platform::Failure("Unable to start " + program + ": " + std::strerror(errno));
}

void RunExporting(const Call& call) {
    if (std::find(call.words.begin(), call.words.end(), "--verify") != call.words.end())
        return RunPrinting(call);
    RunExport(call.words, call.out, call.startGui);
}

// Never called: export --verify is handed over before anything is written.
void VerifyWrittenFile(const exporting::ExportDocument&, int, int, exporting::ExportFormat,
                       const QString& path) {
    throw platform::Failure("Unable to check " + path.toStdString() + " in this program");
}

} // namespace cli
