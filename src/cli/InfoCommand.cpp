// tallyrune-cli info and types: what a text becomes, and which symbologies there are.

#include "cli/BarcodeOptions.h"
#include "cli/Commands.h"
#include "cli/MatrixOptions.h"
#include "engine/HumanReadable.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <vector>

namespace cli {
namespace {

std::string ReadableText(engine::SymbologyCode code, const std::string& text) {
    std::string joined;
    for (const auto& piece : engine::HumanReadablePieces(code, text))
        joined += (joined.empty() ? "" : " ") + piece.text;
    return joined;
}

std::string Inches(int dots, int dpi) {
    std::ostringstream s;
    s << std::setprecision(6) << static_cast<double>(dots) / dpi;
    return s.str();
}

} // namespace

void RunInfo(const Words& words, std::ostream& out) {
    const CliArguments args(words, BarcodeOptionSpec());
    if (args.Positional().size() > 1) throw UsageError("info takes at most one document file");
    const bool fromDocument = args.Positional().size() == 1;
    if (!fromDocument && (!args.Has("--type") || !args.Has("--text")))
        throw UsageError("info needs a document file, or --type and --text");
    const BarcodeJob job = BarcodeJobFrom(
        args, fromDocument
                  ? DefaultsFromDocument(QString::fromStdString(args.Positional()[0]), args)
                  : BarcodeDefaults{});
    const auto& d = job.drawing;
    const int boxModules = engine::BarcodeExtent(1, d.code, d.text, d.options);
    const int boxDots = engine::BarcodeExtent(d.module, d.code, d.text, d.options);
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(d.code);
    // A two-dimensional symbol's quiet zone is its own, on every side.
    const int quietModules = matrix ? matrix->quietZoneModules : engine::kQuietZoneModules;
    out << "type: " << engine::FindSymbology(d.code)->listItem << "\n"
        << "text: " << d.text << "\n"
        << "readable: " << ReadableText(d.code, d.text) << "\n"
        << "symbol modules: " << boxModules - 2 * quietModules << "\n"
        << "box modules: " << boxModules << "\n"
        << "module: " << d.module << " dots\n"
        << "box length: " << boxDots << " dots, " << Inches(boxDots, job.dpi) << " in at "
        << job.dpi << " dpi\n";
}

void RunTypes(const Words& words, std::ostream& out) {
    if (!CliArguments(words, {}).Positional().empty()) throw UsageError("types takes no arguments");
    std::vector<const engine::SymbologyInfo*> rows;
    for (const auto& row : engine::SymbologyCatalogue())
        rows.push_back(&row);
    std::ranges::sort(rows, {}, &engine::SymbologyInfo::listPosition);
    for (const auto* row : rows) {
        out << std::setw(2) << static_cast<int>(row->code) << "  " << row->listItem << "  ("
            << engine::CharClassHint(row->charClass) << ")";
        const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(row->code);
        if (matrix && !matrix->eccChoices.empty())
            out << "  --ecc " << EccChoicesText(*matrix) << " (usual " << matrix->usualEcc << ")";
        out << "\n";
    }
}

} // namespace cli
