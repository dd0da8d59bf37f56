// Every Code 93 symbol drawn through PainterSurface is read back by zxing-cpp, which checks
// both check characters and removes them.

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

TEST(Code93Decode, FullAsciiEveryModuleAndOrientation) {
    std::vector<std::string> texts = AsciiSlices();
    texts.insert(texts.end(), {"TEST93", "CODE 93", "-. $/+%", "abcdefghijklmnopqrstuvwxyz",
                               "Hello, World!\r\n", "\x01\x1f\x7f", std::string(30, 'a')});
    for (const auto& text : texts) {
        ASSERT_EQ(engine::FilterBarcodeText(SymbologyCode::Code93, text), text);
        ExpectReadEverywhere(SymbologyCode::Code93, text, Reader(ZXing::BarcodeFormat::Code93),
                             text);
    }
}

TEST(Code93Decode, RandomAsciiTexts) {
    const std::vector<std::string> texts = RandomAsciiTexts(93, 60, 1, 30);
    for (std::size_t i = 0; i < texts.size(); ++i)
        ExpectRead(RenderBarcode({SymbologyCode::Code93, texts[i], 2, 80, i % 2 == 0,
                                  static_cast<Orientation>(i % 4)}),
                   Reader(ZXing::BarcodeFormat::Code93), texts[i]);
}

} // namespace
