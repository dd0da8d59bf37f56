// tallyrune-cli export: one barcode to a picture file or standard output, or one per line of a
// list (--batch) or record of a data file (--data).

#include "cli/BarcodeOptions.h"
#include "cli/BatchList.h"
#include "cli/BatchWorkers.h"
#include "cli/Commands.h"
#include "cli/DataOption.h"
#include "cli/MatrixOptions.h"
#include "cli/ProgressLine.h"
#include "export/ExportFile.h"
#include "export/ExportFormat.h"
#include "export/Exporter.h"
#include "platform/Errors.h"
#include "print/MergePasses.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace cli {
namespace {

constexpr int kMaxJobs = 256;

// "bmp, jpeg, tiff, wmf, emf, png, svg or pdf"
std::string FormatNames() {
    std::string names;
    const auto& formats = exporting::AllExportFormats();
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
    if (output == QLatin1String("-"))
        throw UsageError("-o - writes to standard output: give --format " + FormatNames());
    if (const auto format = exporting::FormatFromPath(output)) return *format;
    throw UsageError("cannot tell the format from \"" + output.toStdString() +
                     "\": give --format " + FormatNames());
}

// A batch draws pictures of one size after another: keep the memory freed by one for the next
// rather than handing it back to the system and faulting it in again (a third of a PNG's time).
void KeepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
}

// The files of a batch that do not scan as meant, by line, gathered from every thread.
class ScanFailures {
  public:
    void Add(std::size_t line, const std::string& message) {
        const std::lock_guard lock(mutex_);
        failures_.emplace_back(line, message);
    }
    // One line on stderr for each, in list order; then the count as the command's failure.
    void Report() {
        if (failures_.empty()) return;
        std::sort(failures_.begin(), failures_.end());
        for (const auto& [line, message] : failures_)
            std::cerr << "tallyrune-cli: " << message << "\n";
        throw platform::Failure(std::to_string(failures_.size()) +
                                (failures_.size() == 1 ? " file does" : " files do") +
                                " not scan as meant");
    }

  private:
    std::mutex mutex_;
    std::vector<std::pair<std::size_t, std::string>> failures_;
};

void RequirePattern(const QString& pattern, const char* option) {
    if (!pattern.contains(QStringLiteral("{n}")))
        throw UsageError(std::string("with ") + option + ", -o needs a pattern holding {n}");
}

// A line that cannot be drawn fails the batch with its file's name and its number, as a data
// file's refused record does; exit 1 (the options were checked before the first line, so it
// is never a usage error). A picture that cannot be written keeps its own message, which names
// the line's file.
[[noreturn]] void FailLine(const std::string& file, std::size_t number, const std::exception& e) {
    throw platform::Failure(QFileInfo(QString::fromStdString(file)).fileName().toStdString() +
                            ", line " + std::to_string(number) + ": " + e.what());
}

// What every line of a batch shares: the options, and the files' pattern and format.
struct BatchRun {
    const CliArguments& args;
    const BarcodeDefaults& defaults;
    int jobs;
    QString pattern;
    exporting::ExportFormat format;
};

// One file per text that `next` gives, in the lines of `source`; {n} in the pattern is its line
// number. The texts are shared among --jobs threads (by default one per processor); each file
// is the same whichever thread draws it. The first text that cannot be drawn stops the batch:
// its file is not written (an earlier one of that name stays), those of the lines before it
// are. Returns the number of files written.
std::size_t ExportBatch(const BatchRun& run, const NextBatchLine& next, const std::string& source,
                        ProgressLine& progress) {
    const BarcodeJob options = BarcodeOptionsFrom(run.args, run.defaults);
    std::size_t count = 0;
    const bool verify = run.args.Has("--verify");
    ScanFailures failures;
    KeepFreedMemory();
    RunBatch(
        [&] {
            auto line = next();
            if (line) progress.Set(++count);
            return line;
        },
        run.jobs,
        [&](BatchItems& items) {
            // Each thread keeps its canvas, fonts and open folder from one line to the next.
            exporting::Exporter exporter;
            platform::AtomicWriter files;
            BarcodeJob job = options;
            while (const BatchLine* line = items.Next()) {
                const QString path =
                    QString(run.pattern)
                        .replace(QStringLiteral("{n}"), QString::number(line->number));
                std::optional<exporting::ExportDocument> document;
                try {
                    SetBarcodeText(job, line->text);
                    document = ExportDocumentOf(job, path);
                    exporter.Export(*document, job.drawing.module, job.dpi, run.format, path,
                                    files);
                } catch (const platform::WriteFailure&) {
                    throw; // it names the line's file
                } catch (const exporting::SaveFailure&) {
                    throw;
                } catch (const std::exception& e) {
                    FailLine(source, line->number, e);
                }
                if (!verify) continue;
                try {
                    VerifyWrittenFile(*document, job.drawing.module, job.dpi, run.format, path);
                } catch (const platform::Failure& failure) {
                    failures.Add(line->number, failure.what());
                }
            }
        });
    progress.Finish();
    failures.Report();
    return count;
}

// A --batch list, read as the threads take its lines; "-" is standard input. Counting the
// lines of a file beforehand costs a reading of it, worth it only where the progress shows.
std::size_t ExportList(const BatchRun& run, const std::string& list) {
    const bool standardInput = list == "-";
    const std::string name = standardInput ? "standard input" : list;
    const bool quiet = run.args.Has("--quiet");
    ProgressLine progress(
        "files", !standardInput && ProgressLine::Wanted(quiet) ? CountBatchTexts(list) : 0, quiet);
    std::ifstream file;
    if (!standardInput) file = OpenBatchList(list);
    std::istream& in = standardInput ? std::cin : file;
    BatchLines lines(in);
    const std::size_t count = ExportBatch(
        run, [&] { return lines.NextText(); }, name, progress);
    if (in.bad()) throw platform::Failure("Unable to read " + name);
    return count;
}

// A --data file in two passes: the first refuses a file without records or with one the
// symbology cannot carry whole, before a file is written; the threads take the second's texts.
std::size_t ExportData(const BatchRun& run, const print::MergeSource& data) {
    const engine::SymbologyCode symbology = SymbologyFrom(run.args, run.defaults);
    const print::MergeSymbol symbol{symbology,
                                    MatrixOptionsFrom(run.args, symbology, run.defaults.options)};
    print::MergeInput input(data);
    const print::MergeScan scan = print::ScanMergeData(input, data, symbol, 0);
    print::RequirePrintable(scan, data);
    print::MergeTexts texts(input, data, symbol, scan.records);
    ProgressLine progress("files", static_cast<std::uint64_t>(scan.records),
                          run.args.Has("--quiet"));
    return ExportBatch(
        run,
        [&]() -> std::optional<BatchLine> {
            std::optional<print::MergeText> text = texts.Next();
            if (!text) return std::nullopt;
            return BatchLine{static_cast<std::size_t>(text->line), std::move(text->text)};
        },
        print::SourceName(data).toStdString(), progress);
}

// -o -: the picture's bytes on standard output, with nothing else there.
void ExportToStandardOutput(const BarcodeJob& job, exporting::ExportFormat format,
                            std::ostream& out) {
    const QByteArray picture = exporting::ExportBytes(ExportDocumentOf(job, QString()),
                                                      job.drawing.module, job.dpi, format);
    out.write(picture.constData(), picture.size());
    out.flush();
    if (!out) throw platform::Failure("Unable to write to standard output");
}

} // namespace

void RunExport(const Words& words, std::ostream& out, const StartGui& startGui) {
    OptionSpec spec = BarcodeOptionSpec();
    spec.withValue.insert({"-o", "--format", "--batch", "--jobs"});
    AddDataOptions(spec);
    spec.flags.insert({"--verify", "--quiet"});
    const CliArguments args(words, spec);
    if (args.Positional().size() > 1) throw UsageError("export takes at most one document file");
    // A document file gives the barcode; the options given beside it override its values.
    const BarcodeDefaults defaults =
        args.Positional().empty()
            ? BarcodeDefaults{}
            : DefaultsFromDocument(QString::fromStdString(args.Positional()[0]), args);
    const auto output = args.Value("-o");
    if (!output || output->empty()) throw UsageError("export needs -o FILE");
    const QString path = QString::fromStdString(*output);
    const exporting::ExportFormat format = OutputFormat(args, path);
    const bool toStandardOutput = *output == "-";
    if (toStandardOutput && args.Has("--verify"))
        throw UsageError("--verify reads the file back: give -o FILE");
    if (format == exporting::ExportFormat::Zpl && args.Has("--verify"))
        throw UsageError("--verify has no reader for ZPL: print a label of it to check it");
    // Text needs fonts, and so does every painter on a vector device; raster bars alone do not.
    // So does reading a picture back to check that it scans.
    if (ShowsText(args, defaults) || args.Has("--verify") ||
        exporting::InfoOf(format).kind != exporting::PictureKind::Raster)
        startGui();
    const std::optional<print::MergeSource> data = DataSource(args);
    const auto list = args.Value("--batch");
    if (data && list) throw UsageError("give only one of --batch and --data");
    if (data || list) {
        RequirePattern(path, data ? "--data" : "--batch");
        const BatchRun run{args, defaults,
                           args.IntValue("--jobs", AvailableProcessors(), 1, kMaxJobs), path,
                           format};
        const std::size_t written = data ? ExportData(run, *data) : ExportList(run, *list);
        out << "wrote " << written << " files\n";
        return;
    }
    if (args.Has("--jobs")) throw UsageError("--jobs goes with --batch or --data");
    const BarcodeJob job = BarcodeJobFrom(args, defaults);
    if (toStandardOutput) return ExportToStandardOutput(job, format, out);
    const exporting::ExportDocument document = ExportDocumentOf(job, path);
    exporting::Export(document, job.drawing.module, job.dpi, format, path);
    if (args.Has("--verify"))
        VerifyWrittenFile(document, job.drawing.module, job.dpi, format, path);
}

} // namespace cli
