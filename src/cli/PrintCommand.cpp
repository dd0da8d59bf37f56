// tallyrune-cli print, testpage and calibrationpage: a document on a sheet of labels or alone on
// a page, the printer test page and the calibration page, to a printer or a PDF file.

#include "app/AppSettings.h"
#include "app/BarcodeDocument.h"
#include "cli/CliProgress.h"
#include "cli/Commands.h"
#include "cli/DataOption.h"
#include "cli/PrinterChoice.h"
#include "platform/Errors.h"
#include "platform/ProfileFile.h"
#include "print/CalibrationPage.h"
#include "print/PrintJob.h"
#include "print/PrinterTarget.h"
#include "print/TestPage.h"

#include <limits>

namespace cli {
namespace {

constexpr int kMaxCount = std::numeric_limits<int>::max();

// Values from the command line go where the print dialog would put them before it opens.
void ApplyRange(const CliArguments& args, app::PrintSettings& printing) {
    const int ranges = args.Has("--single") + args.Has("--pages") + args.Has("--labels");
    if (ranges > 1) throw UsageError("give only one of --single, --pages N and --labels N");
    printing.BP = args.Has("--pages") || args.Has("--labels") ? 1 : 0;
    printing.PR = args.Has("--labels") ? 1 : 0;
    printing.Pages = args.IntValue("--pages", printing.Pages, 1, 9999);
    printing.Copies = args.IntValue("--copies", printing.Copies, 1, 9999);
    printing.HAlign = !args.Has("--no-align-h");
    printing.VAlign = !args.Has("--no-align-v");
}

void ApplyModule(const CliArguments& args, print::PrintOptions& options) {
    const std::string module = args.Value("--module").value_or("");
    if (module.empty()) return; // the document's choice
    if (module == "auto") {
        options.Width = print::BarWidthChoice::AutoSize;
    } else if (module == "screen") {
        options.Width = print::BarWidthChoice::ScreenRatio;
    } else {
        options.Width = print::BarWidthChoice::Custom;
        options.CustomDots = args.IntValue("--module", 1, 1, 1000);
    }
}

void ApplySkip(const CliArguments& args, print::PrintOptions& options, int labelsPerPage) {
    if (!args.Has("--skip")) return;
    const int last = std::max(labelsPerPage - 1, 0);
    options.SetSkip(args.IntValue("--skip", 0, 0, last), labelsPerPage);
}

// --data: every record, each on --copies labels, so no range or sequence goes with it. A file
// that cannot be read fails here; one without records, or with one the symbology cannot carry,
// the job refuses.
void ApplyData(const CliArguments& args, print::PrintOptions& options,
               engine::SymbologyCode symbology) {
    const std::optional<print::MergeSource> source = DataSource(args);
    if (!source) return;
    for (const char* other : {"--sequence", "--single", "--pages", "--labels"})
        if (args.Has(other))
            throw UsageError(std::string("--data prints every record of the file: leave out ") +
                             other);
    options.UseData = true;
    options.Data = *source;
    options.ReadData(symbology);
    if (!options.DataFailure.empty()) throw platform::Failure(options.DataFailure);
}

// The job's next sequence number goes into the document in place: every other line stays as it
// was, whatever this machine's decimal separator and whichever keys or comments the file holds.
// It is written once the job has ended: finished, with its output safe (the PDF in place, the job
// on the queue), or cancelled (the numbers taken count as used). A job that failed leaves the
// document as it was, so no number is skipped for labels that never came out. Should this write
// fail, the printed labels stay (a printer's pages cannot be taken back either) and the failure
// names the document, which still holds the first number those labels carry.
void SaveSequence(const QString& path, int next) {
    platform::ProfileFile document;
    if (document.Load(path) != platform::ProfileFile::LoadResult::Loaded)
        throw platform::Failure("Unable to read " + path.toStdString());
    document.WriteInteger(QStringLiteral("SEQUENCE"), QStringLiteral("CURRENT"), next);
    document.Save(path);
}

} // namespace

void RunPrint(const Words& words, std::ostream&) {
    OptionSpec spec{{"--pages", "--labels", "--skip", "--copies", "--module"},
                    {"--single", "--sequence", "--no-align-h", "--no-align-v", "--save-sequence"}};
    AddPrinterOptions(spec);
    AddDataOptions(spec);
    const CliArguments args(words, spec);
    if (args.Positional().size() != 1) throw UsageError("print needs one document file DOC.TLR");
    const QString path = QString::fromStdString(args.Positional()[0]);

    app::AppSettings settings; // the print dialog's defaults, not this user's last choices
    app::PrinterMetrics metrics;
    app::BarcodeDocument document(metrics, settings.Metric, settings.Labels);
    if (!document.LoadFromFile(path, settings.Metric))
        throw platform::Failure("Unable to read " + path.toStdString());
    ApplyRange(args, settings.Printing);
    if (args.Has("--sequence")) document.Sequence.SeqUse = true;
    if (args.Has("--copies") && !document.Sequence.SeqUse && !args.Has("--data"))
        throw UsageError("--copies goes with sequence numbers (--sequence) or --data");

    const std::unique_ptr<QPrinter> printer = OpenChosenPrinter(args);
    print::RefreshPrinterMetrics(*printer, document.Labels, metrics, settings.Printing.PrintScale);
    print::PrintOptions options;
    options.LoadOptions(document, settings, metrics);
    options.Labels = args.IntValue("--labels", options.Labels, 1, kMaxCount);
    ApplySkip(args, options, metrics.LabelsPerPage);
    ApplyModule(args, options);
    ApplyData(args, options, document.Symbology());

    print::PrinterTarget target(*printer);
    target.SetOffset(ChosenOffset(args, *printer));
    CliProgress progress;
    print::RunPrintJob(target, progress, options, document, settings.Labels, metrics);
    if (args.Has("--save-sequence")) SaveSequence(path, document.Sequence.SeqCurrent);
    if (progress.CancelRequested())
        throw platform::Failure("printing cancelled at page " + std::to_string(progress.Page()));
}

void RunTestPage(const Words& words, std::ostream&) {
    OptionSpec spec;
    AddPrinterOptions(spec);
    const CliArguments args(words, spec);
    if (!args.Positional().empty()) throw UsageError("unexpected argument " + args.Positional()[0]);
    const std::unique_ptr<QPrinter> printer = OpenChosenPrinter(args);
    app::PrinterMetrics metrics;
    print::ReadPrinterCapabilities(*printer, metrics);
    print::PrinterTarget target(*printer);
    target.SetOffset(ChosenOffset(args, *printer));
    print::PrintTestPage(target, metrics);
}

// Printed without an offset: its scales read the whole offset the printer needs.
void RunCalibrationPage(const Words& words, std::ostream&) {
    OptionSpec spec{{"--unit"}, {}};
    AddPrinterOptions(spec);
    spec.withValue.erase("--offset");
    const CliArguments args(words, spec);
    if (!args.Positional().empty()) throw UsageError("unexpected argument " + args.Positional()[0]);
    const std::string unit = args.Value("--unit").value_or("in");
    if (unit != "in" && unit != "cm")
        throw UsageError("--unit takes in or cm, not \"" + unit + "\"");
    const std::unique_ptr<QPrinter> printer = OpenChosenPrinter(args);
    app::PrinterMetrics metrics;
    print::ReadPrinterCapabilities(*printer, metrics);
    print::PrinterTarget target(*printer);
    print::PrintCalibrationPage(target, metrics, unit == "cm");
}

} // namespace cli
