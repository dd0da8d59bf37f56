#include "cli/PrintDestination.h"

#include "cli/PrinterChoice.h"
#include "print/DeviceMetrics.h"
#include "print/PaperSize.h"
#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"
#include "print/ZplTarget.h"

#include <QFileInfo>

namespace cli {
namespace {

constexpr int kDefaultZplDpi = 203; // the common thermal printer's 8 dots a millimetre

bool WritesZpl(const CliArguments& args) {
    if (args.Has("--raw-zpl")) return true;
    if (const auto format = args.Value("--format")) {
        if (*format == "zpl") return true;
        if (*format == "pdf") return false;
        throw UsageError("print --format takes pdf or zpl, not \"" + *format + "\"");
    }
    const QString output = QString::fromStdString(args.Value("-o").value_or(""));
    return QFileInfo(output).suffix().compare(QLatin1String("zpl"), Qt::CaseInsensitive) == 0;
}

void RequireOneDestination(const CliArguments& args) {
    if (args.Has("-o") == args.Has("--printer"))
        throw UsageError("give either -o OUT.pdf or --printer NAME");
    RefuseStandardOutput(args);
    if (args.Has("--raw-zpl") && !args.Has("--printer"))
        throw UsageError("--raw-zpl goes with --printer QUEUE");
    if (args.Has("--raw-zpl") && args.Has("--format"))
        throw UsageError("--raw-zpl sends ZPL: leave out --format");
}

} // namespace

void AddDestinationOptions(OptionSpec& spec) {
    spec.withValue.insert("--format");
    spec.flags.insert({"--roll", "--raw-zpl"});
}

PrintDestination::PrintDestination(const CliArguments& args, app::LabelSheet& sheet) {
    RequireOneDestination(args);
    const bool zpl = WritesZpl(args);
    // A raw queue has no driver, and so no media names.
    const QString queue = QString::fromStdString(args.Value("--printer").value_or(""));
    std::optional<QPageSize> page = ChosenPage(args, zpl ? QString() : queue);
    roll_ = args.Has("--roll") || app::IsRoll(sheet);
    if (roll_) {
        if (page) sheet = print::RollOfPage(*page);
        page = print::PageOfRoll(sheet);
        if (!zpl && !queue.isEmpty()) page = print::PrinterMediaFor(*page, queue);
    }
    if (zpl) {
        OpenZpl(args, page.value_or(print::PageSizeOf(print::Paper::Letter)));
        return;
    }
    printer_ = OpenChosenPrinter(args, page);
    auto target = std::make_unique<print::PrinterTarget>(*printer_);
    target->SetOffset(ChosenOffset(args, *printer_));
    target_ = std::move(target);
}

PrintDestination::~PrintDestination() = default;

void PrintDestination::OpenZpl(const CliArguments& args, const QPageSize& page) {
    dpi_ = args.IntValue("--dpi", kDefaultZplDpi, print::kMinPrinterDpi, print::kMaxPrinterDpi);
    layout_ = QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    app::PrinterMetrics metrics;
    print::ReadPageCapabilities(layout_, dpi_, metrics);
    const QSize dots(metrics.PhysicalWidth, metrics.PhysicalHeight);
    const auto queue = args.Value("--printer");
    auto target = std::make_unique<print::ZplTarget>(
        dots, queue ? print::ZplSink::RawQueue : print::ZplSink::File,
        QString::fromStdString(queue ? *queue : *args.Value("-o")));
    // A ZPL printer keeps no offset of ours: only one given here moves the labels.
    target->SetOffset(app::ToDots(GivenOffset(args).value_or(app::PrinterOffset{}), dpi_, dpi_));
    target_ = std::move(target);
}

void PrintDestination::Refresh(const app::LabelSheet& sheet, app::PrinterMetrics& metrics,
                               int& printScale) const {
    if (printer_) return print::RefreshPrinterMetrics(*printer_, sheet, metrics, printScale);
    print::RefreshPageMetrics(layout_, dpi_, sheet, metrics, printScale);
}

} // namespace cli
