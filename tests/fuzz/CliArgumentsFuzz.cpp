// The command line: any words parse, ask for help or give a usage error, and the barcode options
// either make a drawing that is filtered and sized within limits or fail with the system's own
// errors.

#include "FuzzCheck.h"
#include "cli/BarcodeOptions.h"
#include "cli/CliArguments.h"
#include "platform/Errors.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

namespace {

// The words of export, print and testpage (the barcode options, then the command's own).
cli::OptionSpec AllOptions() {
    cli::OptionSpec spec = cli::BarcodeOptionSpec();
    spec.withValue.insert({"-o", "--format", "--batch", "--jobs", "--pages", "--labels", "--skip",
                           "--copies", "--paper", "--printer", "--data", "--column"});
    spec.flags.insert(
        {"--single", "--sequence", "--no-align-h", "--no-align-v", "--save-sequence", "--header"});
    return spec;
}

void ReadNumbers(const cli::CliArguments& args) {
    for (const char* option : {"--jobs", "--pages", "--labels", "--skip", "--copies", "--dpi"}) {
        try {
            const int value = args.IntValue(option, 5, 1, 9999);
            FUZZ_CHECK(value >= 1 && value <= 9999);
        } catch (const cli::UsageError&) {
        }
    }
    try {
        const double value = args.PositiveReal("--height", 0.75);
        FUZZ_CHECK(value > 0);
    } catch (const cli::UsageError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> words;
    while (input.remaining_bytes() > 0 && words.size() < 64)
        words.push_back(input.ConsumeRandomLengthString(64));

    static const cli::OptionSpec spec = AllOptions();
    try {
        const cli::CliArguments args(words, spec);
        ReadNumbers(args);
        const cli::BarcodeJob job = cli::BarcodeJobFrom(args);
        const auto& d = job.drawing;
        FUZZ_CHECK(!d.text.empty() && d.text == engine::FilterBarcodeText(d.code, d.text));
        FUZZ_CHECK(d.height >= 1 && d.module >= 1 && job.dpi >= 1);
    } catch (const cli::UsageError&) {
    } catch (const cli::HelpRequested&) {
    } catch (const platform::Failure&) {
    }
    return 0;
}
