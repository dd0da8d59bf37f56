// The batch list: any bytes split into lines without line ends, and each line becomes the
// barcode export draws or a usage error for that line alone.

#include "FuzzCheck.h"
#include "cli/BarcodeOptions.h"
#include "cli/BatchList.h"
#include "engine/Barcode.h"
#include "platform/Errors.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string type = std::to_string(input.ConsumeIntegralInRange(0, 17));
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::vector<std::string> lines = cli::SplitBatchLines(bytes);
    FUZZ_CHECK(lines.size() ==
               static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                   (bytes.empty() || bytes.back() == '\n' ? 0 : 1));
    cli::CliArguments args({"--type", type}, cli::BarcodeOptionSpec());
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find('\n') == std::string::npos);
        if (line.empty()) continue;
        args.SetValue("--text", line);
        try {
            const cli::BarcodeJob job = cli::BarcodeJobFrom(args);
            FUZZ_CHECK(job.drawing.text == engine::FilterBarcodeText(job.drawing.code, line));
        } catch (const cli::UsageError&) {
            FUZZ_CHECK(
                engine::FilterBarcodeText(static_cast<engine::SymbologyCode>(std::stoi(type)), line)
                    .empty());
        } catch (const platform::Failure&) {
            // A text the symbol cannot hold, such as bracketed GS1 data that does not check:
            // the engine says why.
            const auto code = static_cast<engine::SymbologyCode>(std::stoi(type));
            FUZZ_CHECK(
                !engine::BarcodeProblem(code, engine::FilterBarcodeText(code, line), {}).empty());
        }
    }
    return 0;
}
