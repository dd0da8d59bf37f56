// tallyrune-cli-print: the printing commands and export --verify run in this program.

#include "cli/CliArguments.h"
#include "cli/Commands.h"
#include "export/ExportCheck.h"

namespace cli {

void RunPrinting(const Call& call) {
    call.startGui();
    if (call.name == "print") return RunPrint(call.words, call.out);
    if (call.name == "testpage") return RunTestPage(call.words, call.out);
    if (call.name == "calibrationpage") return RunCalibrationPage(call.words, call.out);
    if (call.name == "export") return RunExport(call.words, call.out, call.startGui);
    throw UsageError("unknown command " + call.name);
}

void RunExporting(const Call& call) {
    RunExport(call.words, call.out, call.startGui);
}

void VerifyWrittenFile(const exporting::ExportDocument& document, int module, int dpi,
                       exporting::ExportFormat format, const QString& path) {
    exporting::VerifyExportedFile(document, module, dpi, format, path);
}

} // namespace cli
