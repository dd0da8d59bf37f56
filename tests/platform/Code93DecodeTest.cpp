// Every Code 93 symbol drawn through PainterSurface is read back by zxing-cpp, which checks
// both check characters and removes them.

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

// All of ASCII 1..127, in slices short enough for one symbol each.
std::vector<std::string> AsciiSlices() {
    std::vector<std::string> slices;
    for (int first = 1; first < 128; first += 16) {
        std::string slice;
        for (int c = first; c < first + 16 && c < 128; ++c)
            slice += static_cast<char>(c);
        slices.push_back(slice);
    }
    return slices;
}

TEST(Code93Decode, FullAsciiEveryModuleAndOrientation) {
    std::vector<std::string> texts = AsciiSlices();
    texts.insert(texts.end(), {"TEST93", "CODE 93", "-. $/+%", "abcdefghijklmnopqrstuvwxyz",
                               "Hello, World!\r\n", "\x01\x1f\x7f", std::string(30, 'a')});
    for (const auto& text : texts) {
        ASSERT_EQ(engine::FilterBarcodeText(SymbologyCode::Code93, text), text);
        for (int module = 1; module <= 4; ++module)
            for (Orientation o : engine::kAllOrientations)
                for (bool showText : {true, false}) {
                    const RenderRequest r{SymbologyCode::Code93, text,     module,
                                          40 * module,           showText, o};
                    const DecodeResult d = RenderAndDecode(r, ZXing::BarcodeFormat::Code93);
                    ASSERT_TRUE(d.found) << int(text[0]) << " module " << module << " o " << int(o);
                    EXPECT_EQ(d.format, "Code93");
                    EXPECT_EQ(d.text, text) << int(text[0]) << " module " << module;
                }
    }
}

TEST(Code93Decode, RandomAsciiTexts) {
    std::mt19937 random(93);
    std::uniform_int_distribution<int> length(1, 30);
    std::uniform_int_distribution<int> character(1, 127);
    for (int i = 0; i < 60; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n)
            text += static_cast<char>(character(random));
        const RenderRequest r{SymbologyCode::Code93,          text, 2, 80, i % 2 == 0,
                              static_cast<Orientation>(i % 4)};
        const DecodeResult d = RenderAndDecode(r, ZXing::BarcodeFormat::Code93);
        ASSERT_TRUE(d.found) << i;
        EXPECT_EQ(d.text, text) << i;
    }
}

} // namespace
