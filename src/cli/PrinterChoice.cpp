#include "cli/PrinterChoice.h"

#include "print/PrinterAccess.h"

namespace cli {
namespace {

constexpr int kDefaultPrintDpi = 600;

} // namespace

void AddPrinterOptions(OptionSpec& spec) {
    spec.withValue.insert({"-o", "--paper", "--dpi", "--printer"});
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

} // namespace cli
