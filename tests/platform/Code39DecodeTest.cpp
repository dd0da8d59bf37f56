// Every Code 39 family symbol drawn through PainterSurface is read back by zxing-cpp.

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

struct DecodeCase {
    SymbologyCode code;
    std::string text;
    std::string expected; // what zxing-cpp reports
};

// zxing-cpp 1.4 reads a check character as part of the data unless asked to validate it.
const DecodeCase kCases[] = {
    {SymbologyCode::Code39, "ABC", "ABC"},
    {SymbologyCode::Code39, "CODE39", "CODE39"},
    {SymbologyCode::Code39, "0123456789", "0123456789"},
    {SymbologyCode::Code39, "-. $/+%", "-. $/+%"},
    {SymbologyCode::Code39, "THE QUICK BROWN FOX JUMPS 0VER 1 LAZY DOG",
     "THE QUICK BROWN FOX JUMPS 0VER 1 LAZY DOG"},
    // Sum of values: CODE39 75, ABC 33, A-Z 81, HELLO 97, 12345 15.
    {SymbologyCode::Code39Mod43, "CODE39", "CODE39W"},
    {SymbologyCode::Code39Mod43, "ABC", "ABCX"},
    {SymbologyCode::Code39Mod43, "A-Z", "A-Z "},
    {SymbologyCode::Code39Mod43, "HELLO", "HELLOB"},
    {SymbologyCode::Code39Mod43, "12345", "12345F"},
    {SymbologyCode::Code39Mod10, "CODE39", "CODE395"},
    {SymbologyCode::Code39Mod10, "ABC", "ABC3"},
    {SymbologyCode::Code39Mod10, "A-Z", "A-Z1"},
    {SymbologyCode::Code39Mod10, "HELLO", "HELLO7"},
    {SymbologyCode::Code39Mod10, "12345", "123455"},
};

TEST(Code39Decode, PlainAndCheckedEveryModuleAndOrientation) {
    for (const auto& c : kCases) {
        ASSERT_EQ(engine::FilterBarcodeText(c.code, c.text), c.text);
        ExpectReadEverywhere(c.code, c.text, Reader(ZXing::BarcodeFormat::Code39), c.expected);
    }
}

// zxing-cpp told to validate a modulo-43 check character accepts ours and drops it.
TEST(Code39Decode, Mod43CheckCharacterValidates) {
    for (const auto& c : kCases) {
        if (c.code != SymbologyCode::Code39Mod43) continue;
        ExpectRead(RenderBarcode({c.code, c.text, 2, 80, true, Orientation::Deg0}),
                   Reader(ZXing::BarcodeFormat::Code39).setValidateCode39CheckSum(true), c.text);
    }
}

TEST(Code39Decode, ExtendedReadsEveryAsciiCharacter) {
    std::vector<std::string> texts = AsciiSlices();
    texts.insert(texts.end(), {"abc", "a-b", "Hello, World!", "x.y-z", "$%+/*"});
    for (const auto& text : texts) {
        ASSERT_EQ(engine::FilterBarcodeText(SymbologyCode::Code39Extended, text), text);
        ExpectReadEverywhere(SymbologyCode::Code39Extended, text,
                             Reader(ZXing::BarcodeFormat::Code39).setTryCode39ExtendedMode(true),
                             text);
    }
}

// A typed '*' is the start/stop character, which no data may hold: the filter drops it and the
// rest reads, its check character counted without it; Extended sends it as /J, read back as '*'.
TEST(Code39Decode, ATypedAsteriskIsDroppedOrSentAsAPair) {
    const DecodeCase rows[] = {
        {SymbologyCode::Code39, "A*B", "AB"},          // inside the data
        {SymbologyCode::Code39, "*CODE39*", "CODE39"}, // typed as the symbol's own frame
        {SymbologyCode::Code39Mod43, "A*B", "ABL"},    // 10 + 11 = 21: L
        {SymbologyCode::Code39Mod10, "A*B", "AB1"},    // 21 mod 10
        {SymbologyCode::Code39Extended, "A*B", "A*B"}, // sent as /J
    };
    for (const auto& c : rows) {
        const bool fullAscii = c.code == SymbologyCode::Code39Extended;
        ExpectReadEverywhere(
            c.code, engine::FilterBarcodeText(c.code, c.text),
            Reader(ZXing::BarcodeFormat::Code39).setTryCode39ExtendedMode(fullAscii), c.expected);
    }
}

// Read as plain Code 39 the pairs show, '-' and '.' among them as /M and /N.
TEST(Code39Decode, ExtendedPairsReadAsPlainCode39) {
    const std::pair<const char*, const char*> rows[] = {
        {"abc", "+A+B+C"}, {"a-b", "+A/M+B"}, {"1.5", "1/N5"}, {"\x01Z", "$AZ"}, {"@", "%V"},
    };
    for (const auto& [text, pairs] : rows)
        ExpectRead(
            RenderBarcode({SymbologyCode::Code39Extended, text, 2, 80, true, Orientation::Deg0}),
            Reader(ZXing::BarcodeFormat::Code39), pairs);
}

} // namespace
