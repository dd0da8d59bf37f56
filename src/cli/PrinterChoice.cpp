#include "cli/PrinterChoice.h"

#include "platform/Registry.h"
#include "print/PaperSize.h"
#include "print/PrinterAccess.h"

namespace cli {
namespace {

constexpr int kDefaultPrintDpi = 600;

} // namespace

void AddPrinterOptions(OptionSpec& spec) {
    spec.withValue.insert({"-o", "--paper", "--dpi", "--printer", "--offset"});
}

void RefuseStandardOutput(const CliArguments& args) {
    if (args.Value("-o") == "-")
        throw UsageError("-o - (standard output) is for export: give -o OUT.pdf");
}

std::optional<QPageSize> ChosenPage(const CliArguments& args, const QString& printer) {
    const auto name = args.Value("--paper");
    if (!name) return std::nullopt;
    if (auto page = print::PageSizeNamed(*name, printer)) return page;
    throw UsageError("--paper takes letter, a4, a size such as 2x1in or 50x25mm" +
                     std::string(printer.isEmpty() ? "" : " or one of the printer's media names") +
                     ", not \"" + *name + "\"");
}

std::unique_ptr<QPrinter> OpenChosenPrinter(const CliArguments& args,
                                            const std::optional<QPageSize>& page) {
    const auto output = args.Value("-o");
    const auto printer = args.Value("--printer");
    if (output.has_value() == printer.has_value())
        throw UsageError("give either -o OUT.pdf or --printer NAME");
    RefuseStandardOutput(args);
    const std::optional<QPageSize> paper =
        args.Has("--paper") ? ChosenPage(args, QString::fromStdString(printer.value_or(""))) : page;
    const int dpi =
        args.IntValue("--dpi", kDefaultPrintDpi, print::kMinPrinterDpi, print::kMaxPrinterDpi);
    if (output)
        return print::OpenPdfPrinter(QString::fromStdString(*output),
                                     paper.value_or(print::PageSizeOf(print::Paper::Letter)), dpi);
    return print::OpenNamedPrinter(*printer, paper, args.Has("--dpi") ? dpi : 0);
}

std::optional<app::PrinterOffset> GivenOffset(const CliArguments& args) {
    const auto given = args.Value("--offset");
    if (!given) return std::nullopt;
    if (const auto offset = app::ParseOffset(*given)) return *offset;
    throw UsageError("--offset takes X,Y, each with a unit mm, cm or in (e.g. 1.5mm,-0.5mm), "
                     "not \"" +
                     *given + "\"");
}

app::PrinterOffset ChosenOffset(const CliArguments& args, const QPrinter& printer) {
    if (const auto given = GivenOffset(args)) return *given;
    platform::Registry registry;
    const platform::RegKey settings =
        registry.OpenKey(platform::RegRoot::CurrentUser,
                         QStringLiteral("Software\\Vorhelm Software\\Tallyrune"), false);
    app::PrinterOffsets offsets;
    if (settings) offsets.Load(registry, settings);
    return offsets.For(print::OffsetPrinterName(printer));
}

} // namespace cli
