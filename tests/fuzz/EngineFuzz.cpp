// The engine: any symbology code, module, height, orientation and text (filtered or not) is
// measured and drawn onto the recording surface without fault, fonts restored.

#include "FuzzCheck.h"
#include "engine/Barcode.h"
#include "engine/MatrixSymbology.h"
#include "engine/RecordingSurface.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto code = static_cast<engine::SymbologyCode>(input.ConsumeIntegral<std::uint8_t>());
    const auto orientation =
        static_cast<engine::Orientation>(input.ConsumeIntegral<std::uint8_t>());
    const int module = input.ConsumeIntegralInRange(1, 100);
    const int height =
        input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 2000) : input.ConsumeIntegral<int>();
    const int x = input.ConsumeIntegral<std::int16_t>();
    const int y = input.ConsumeIntegral<std::int16_t>();
    const bool bypassFilter = input.ConsumeBool();
    const bool showText = input.ConsumeBool();
    const bool noBackground = input.ConsumeBool();
    const std::string typed = input.ConsumeRemainingBytesAsString();

    const std::string filtered = engine::FilterBarcodeText(code, typed);
    // The linear codes only drop characters; the two-dimensional ones keep text as UTF-8,
    // which may take more bytes than the typed Latin-1.
    FUZZ_CHECK(engine::FindMatrixSymbology(code) != nullptr || filtered.size() <= typed.size());
    FUZZ_CHECK(engine::FilterBarcodeText(code, filtered) == filtered);
    const std::string& text = bypassFilter ? typed : filtered;
    FUZZ_CHECK(engine::BarcodeExtent(module, code, text) >= 0);
    FUZZ_CHECK(engine::TextStripSize(code, module, showText) >= 0);

    testing_support::RecordingSurface surface;
    engine::DrawBarcode(surface, code, x, y, module, height, text, showText, orientation,
                        noBackground);
    FUZZ_CHECK(surface.pushes == surface.pops);
    return 0;
}
