// tallyrune-cli export: one barcode to a picture file, or one per line of a list (--batch).

#include "cli/BarcodeOptions.h"
#include "cli/Commands.h"
#include "export/ExportFormat.h"
#include "export/Exporter.h"
#include "platform/Errors.h"

#include <QString>

#include <fstream>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace cli {
namespace {

// "bmp, jpeg, tiff, wmf, emf, png, svg or pdf"
std::string FormatNames() {
    std::string names;
    const auto& formats = exporting::ExportFormats();
    for (std::size_t i = 0; i < formats.size(); ++i)
        names += (i == 0                    ? ""
                  : i + 1 == formats.size() ? " or "
                                            : ", ") +
                 std::string(formats[i].cliName);
    return names;
}

exporting::ExportFormat OutputFormat(const CliArguments& args, const QString& output) {
    if (const auto name = args.Value("--format")) {
        if (const auto format = exporting::FormatFromName(*name)) return *format;
        throw UsageError("--format takes " + FormatNames() + ", not \"" + *name + "\"");
    }
    if (const auto format = exporting::FormatFromPath(output)) return *format;
    throw UsageError("cannot tell the format from \"" + output.toStdString() +
                     "\": give --format " + FormatNames());
}

void ExportOne(exporting::Exporter& exporter, const BarcodeJob& job, const QString& path,
               exporting::ExportFormat format) {
    exporter.Export(ExportDocumentOf(job, path), job.drawing.module, job.dpi, format, path);
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Failure("Unable to read " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A batch draws pictures of one size after another: keep the memory freed by one for the next
// rather than handing it back to the system and faulting it in again (a third of a PNG's time).
void KeepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

// One file per non-empty line of the list; {n} in the pattern is the line number from 1.
void ExportBatch(const CliArguments& args, const BarcodeDefaults& defaults, const std::string& list,
                 const QString& pattern, exporting::ExportFormat format, std::ostream& out) {
    if (!pattern.contains(QStringLiteral("{n}")))
        throw UsageError("with --batch, -o needs a pattern holding {n}");
    const std::vector<std::string> lines = ReadLines(list);
    KeepFreedMemory();
    exporting::Exporter exporter; // one canvas for the whole list
    int written = 0;
    CliArguments perLine = args;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        perLine.SetValue("--text", lines[i]);
        const BarcodeJob job = BarcodeJobFrom(perLine, defaults);
        ExportOne(exporter, job,
                  QString(pattern).replace(QStringLiteral("{n}"), QString::number(i + 1)), format);
        ++written;
    }
    out << "wrote " << written << " files\n";
}

} // namespace

void RunExport(const Words& words, std::ostream& out) {
    OptionSpec spec = BarcodeOptionSpec();
    spec.withValue.insert({"-o", "--format", "--batch"});
    const CliArguments args(words, spec);
    if (args.Positional().size() > 1) throw UsageError("export takes at most one document file");
    // A document file gives the barcode; the options given beside it override its values.
    const BarcodeDefaults defaults =
        args.Positional().empty()
            ? BarcodeDefaults{}
            : DefaultsFromDocument(QString::fromStdString(args.Positional()[0]));
    const auto output = args.Value("-o");
    if (!output || output->empty()) throw UsageError("export needs -o FILE");
    const QString path = QString::fromStdString(*output);
    const exporting::ExportFormat format = OutputFormat(args, path);
    if (const auto list = args.Value("--batch"))
        return ExportBatch(args, defaults, *list, path, format, out);
    exporting::Exporter exporter;
    ExportOne(exporter, BarcodeJobFrom(args, defaults), path, format);
}

} // namespace cli
