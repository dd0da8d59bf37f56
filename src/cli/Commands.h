#pragma once
// The commands of tallyrune-cli; each takes the words after the command name.

#include "export/Picture.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

using Words = std::vector<std::string>;

// Creates the GUI application object, which fonts need, on the first call; a command calls it
// before it draws text, so that one drawing bars alone starts without it.
using StartGui = std::function<void()>;

void RunExport(const Words& args, std::ostream& out, const StartGui& startGui);
void RunInfo(const Words& args, std::ostream& out);
void RunTypes(const Words& args, std::ostream& out);
// The built-in label sheets whose words hold those of the search (all without one).
void RunTemplates(const Words& args, std::ostream& out);
void RunPrint(const Words& args, std::ostream& out);
void RunTestPage(const Words& args, std::ostream& out);
void RunCalibrationPage(const Words& args, std::ostream& out);

// How a command was called: its name and the words after it, and the whole command line.
struct Call {
    const std::string& name;
    const Words& words;
    std::ostream& out;
    const StartGui& startGui;
    char** argv;
};

// print, testpage, calibrationpage and export --verify. tallyrune-cli hands them to
// tallyrune-cli-print, the same program with the printing code and the picture readers of the
// scan check, so that export, info and types start without loading Qt's printing support, CUPS,
// poppler and the metafile libraries; tallyrune-cli-print runs them itself.
void RunPrinting(const Call& call);

// export, in this program or, with --verify, in tallyrune-cli-print.
void RunExporting(const Call& call);

// export --verify: the file just written must scan as meant (see exporting::VerifyExportedFile);
// only tallyrune-cli-print has it.
void VerifyWrittenFile(const exporting::ExportDocument& document, int module, int dpi,
                       exporting::ExportFormat format, const QString& path);

} // namespace cli
