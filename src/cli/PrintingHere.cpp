// tallyrune-cli-print: the printing commands run in this program.

#include "cli/CliArguments.h"
#include "cli/Commands.h"

namespace cli {

void RunPrinting(const Call& call) {
    call.startGui();
    if (call.name == "print") return RunPrint(call.words, call.out);
    if (call.name == "testpage") return RunTestPage(call.words, call.out);
    if (call.name == "calibrationpage") return RunCalibrationPage(call.words, call.out);
    throw UsageError("unknown command " + call.name);
}

} // namespace cli
