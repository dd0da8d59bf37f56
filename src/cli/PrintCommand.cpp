// tallyrune-cli print, testpage and calibrationpage: a document on a sheet of labels or alone on
// a page, the printer test page and the calibration page, to a printer or a PDF file.

#include "app/AppSettings.h"
#include "app/BarcodeDocument.h"
#include "app/DrawableDocument.h"
#include "cli/CliProgress.h"
#include "cli/Commands.h"
#include "cli/DataOption.h"
#include "cli/PrintDestination.h"
#include "cli/PrinterChoice.h"
#include "platform/Errors.h"
#include "platform/FileLock.h"
#include "print/SequenceReservation.h"
#include "print/CalibrationPage.h"
#include "print/PrintJob.h"
#include "print/PrinterTarget.h"
#include "print/TestPage.h"

#include <iostream>
#include <limits>
#include <optional>

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
    } else if (module == "fit") {
        options.Width = print::BarWidthChoice::FitToLabel;
    } else if (module == "screen") {
        options.Width = print::BarWidthChoice::ScreenRatio;
    } else {
        options.Width = print::BarWidthChoice::Custom;
        options.CustomDots = args.IntValue("--module", 1, 1, 1000);
    }
}

void ApplySkip(const CliArguments& args, print::PrintOptions& options, int labelsPerPage,
               bool roll) {
    if (!args.Has("--skip")) return;
    if (roll) throw UsageError("--skip does not apply to a roll: it prints one label a page");
    const int last = std::max(labelsPerPage - 1, 0);
    options.SetSkip(args.IntValue("--skip", 0, 0, last), labelsPerPage);
}

// --data: every record, each on --copies labels, so no range or sequence goes with it. A file
// that cannot be read fails here; one without records, or with one the symbology cannot carry,
// the job refuses.
void ApplyData(const CliArguments& args, print::PrintOptions& options,
               const print::MergeSymbol& symbol) {
    const std::optional<print::MergeSource> source = DataSource(args);
    if (!source) return;
    for (const char* other : {"--sequence", "--single", "--pages", "--labels"})
        if (args.Has(other))
            throw UsageError(std::string("--data prints every record of the file: leave out ") +
                             other);
    options.UseData = true;
    options.Data = *source;
    options.ReadData(symbol);
    if (!options.DataFailure.empty()) throw platform::Failure(options.DataFailure);
}

void Warn(const std::string& message) {
    std::cerr << "tallyrune-cli: " << message << "\n";
}

void CheckSequence(const CliArguments& args, const QString& path, const print::PrintJob& job,
                   const app::SequenceSettings& sequence) {
    if (const auto fault = print::SequenceRangeFault(sequence))
        throw platform::Failure(path.toStdString() + ": " + *fault);
    const auto wrap = print::SequenceWrapWarning(sequence, job.SequenceTakes());
    if (!wrap) return;
    if (args.Has("--no-wrap")) throw platform::Failure(*wrap);
    Warn("warning: " + *wrap);
}

// A label that would be cut or would not scan is refused unless --force asks for it.
void CheckFit(const CliArguments& args, print::PrintJob& job) {
    if (args.Has("--force")) return;
    if (const auto fault = job.FitFault())
        throw platform::Failure(*fault + " (--module fit makes it fit, --force prints it as it is)");
}

} // namespace

void RunPrint(const Words& words, std::ostream&) {
    OptionSpec spec{{"--pages", "--labels", "--skip", "--copies", "--module"},
                    {"--single", "--sequence", "--no-align-h", "--no-align-v", "--save-sequence",
                     "--no-wait", "--no-wrap", "--force", "--quiet"}};
    AddPrinterOptions(spec);
    AddDestinationOptions(spec);
    AddDataOptions(spec);
    const CliArguments args(words, spec);
    if (args.Positional().size() != 1) throw UsageError("print needs one document file DOC.TLR");
    const QString path = QString::fromStdString(args.Positional()[0]);

    app::AppSettings settings; // the print dialog's defaults, not this user's last choices
    app::PrinterMetrics metrics;
    app::BarcodeDocument document(metrics, settings.Unit, settings.Labels);
    if (args.Has("--no-wait") && !args.Has("--save-sequence"))
        throw UsageError("--no-wait goes with --save-sequence");
    std::optional<print::SequenceReservation> reservation;
    if (args.Has("--save-sequence"))
        reservation.emplace(path,
                            args.Has("--no-wait") ? platform::LockWait::NoWait
                                                  : platform::LockWait::Wait,
                            [&path] { Warn("waiting for another job on " + path.toStdString()); });
    document.Open(
        path, app::ReadDrawableDocument(path, settings.Unit, platform::LocaleDecimalSeparator()));
    ApplyRange(args, settings.Printing);
    if (args.Has("--sequence")) {
        app::SequenceSettings sequence = document.Sequence();
        sequence.SeqUse = true;
        document.SetSequence(sequence);
    }
    if (args.Has("--copies") && !document.Sequence().SeqUse && !args.Has("--data"))
        throw UsageError("--copies goes with sequence numbers (--sequence) or --data");

    app::LabelSheet sheet = document.Labels();
    PrintDestination destination(args, sheet);
    document.SetLabels(sheet);
    destination.Refresh(sheet, metrics, settings.Printing.PrintScale);
    print::PrintOptions options;
    options.LoadOptions(document, settings, metrics);
    options.Labels = args.IntValue("--labels", options.Labels, 1, kMaxCount);
    ApplySkip(args, options, metrics.LabelsPerPage, destination.Roll());
    ApplyModule(args, options);
    ApplyData(args, options, {document.Symbology(), document.Options()});

    print::PrintJob job(destination.Target(), options, document, settings.Labels, metrics);
    job.Check();
    CheckFit(args, job);
    const bool numbered = options.UseSequence && !options.UseData;
    if (numbered) CheckSequence(args, path, job, document.Sequence());
    if (numbered && reservation)
        reservation->Reserve(document.Sequence().SeqCurrent,
                             print::AdvancedSequence(document.Sequence(), job.SequenceTakes()));
    CliProgress progress(job.PageCount(), args.Has("--quiet"));
    job.Run(progress);
    if (progress.CancelRequested())
        throw platform::Failure("printing cancelled at page " + std::to_string(progress.Page()));
    if (numbered && reservation) reservation->Settle(document.Sequence().SeqCurrent);
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
    print::PrintCalibrationPage(target, metrics,
                                unit == "cm" ? engine::Unit::Centimetre : engine::Unit::Inch);
}

} // namespace cli
