#include "cli/PrinterChoice.h"

#include "platform/Registry.h"
#include "print/PrinterAccess.h"

namespace cli {
namespace {

constexpr int kDefaultPrintDpi = 600;

} // namespace

void AddPrinterOptions(OptionSpec& spec) {
    spec.withValue.insert({"-o", "--paper", "--dpi", "--printer", "--offset"});
}

std::unique_ptr<QPrinter> OpenChosenPrinter(const CliArguments& args) {
    const auto output = args.Value("-o");
    const auto printer = args.Value("--printer");
    if (output.has_value() == printer.has_value())
        throw UsageError("give either -o OUT.pdf or --printer NAME");
    const std::string paperName = args.Value("--paper").value_or("letter");
    const auto paper = print::PaperFromName(paperName);
    if (!paper) throw UsageError("--paper takes letter or a4, not \"" + paperName + "\"");
    const int dpi =
        args.IntValue("--dpi", kDefaultPrintDpi, print::kMinPrinterDpi, print::kMaxPrinterDpi);
    if (output) return print::OpenPdfPrinter(QString::fromStdString(*output), *paper, dpi);
    const std::optional<print::Paper> askedPaper =
        args.Has("--paper") ? paper : std::optional<print::Paper>{};
    return print::OpenNamedPrinter(*printer, askedPaper, args.Has("--dpi") ? dpi : 0);
}

app::PrinterOffset ChosenOffset(const CliArguments& args, const QPrinter& printer) {
    if (const auto given = args.Value("--offset")) {
        if (const auto offset = app::ParseOffset(*given)) return *offset;
        throw UsageError("--offset takes X,Y, each with a unit mm, cm or in (e.g. 1.5mm,-0.5mm), "
                         "not \"" +
                         *given + "\"");
    }
    platform::Registry registry;
    const platform::RegKey settings =
        registry.OpenKey(platform::RegRoot::CurrentUser,
                         QStringLiteral("Software\\Vorhelm Software\\Tallyrune"), false);
    app::PrinterOffsets offsets;
    if (settings) offsets.Load(registry, settings);
    return offsets.For(print::OffsetPrinterName(printer));
}

} // namespace cli
