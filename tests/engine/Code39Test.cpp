#include "engine/Code39.h"
#include "engine/Barcode.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>

namespace {

using namespace engine;
using namespace testing_support;

// ISO/IEC 16388:2007 Table 1 drawn with narrow = 1 and wide = 2 modules, each followed by the
// 1-module inter-character gap (13 modules).
const std::string STAR = "1001011011010";
const std::string A = "1101010010110";
const std::string B = "1011010010110";
const std::string C = "1101101001010";
const std::string D = "1010110010110";
const std::string E = "1101011001010";
const std::string M = "1101101010010";
const std::string O = "1101011010010";
const std::string W = "1100110101010";
const std::string N1 = "1101001010110";
const std::string N3 = "1101100101010";
const std::string N5 = "1101001101010";
const std::string N9 = "1011001011010";
const std::string PLUS = "1001010010010";
const std::string SLASH = "1001001010010";

struct SymbolCase {
    const char* source;
    Encoder draw;
    const char* text;
    std::string expected;
};

TEST(Code39, SymbolsModuleByModule) {
    const SymbolCase cases[] = {
        {"ISO/IEC 16388 Table 1", DrawCode39, "ABC", STAR + A + B + C + STAR},
        {"mod 43 check W", DrawCode39Mod43, "CODE39", STAR + C + O + D + E + N3 + N9 + W + STAR},
        {"mod 10 check 5", DrawCode39Mod10, "CODE39", STAR + C + O + D + E + N3 + N9 + N5 + STAR},
        {"full ASCII +A +B +C", DrawCode39Extended, "abc",
         STAR + PLUS + A + PLUS + B + PLUS + C + STAR},
        {"hyphen as /M", DrawCode39Extended, "a-b", STAR + PLUS + A + SLASH + M + PLUS + B + STAR},
        {"digit as itself", DrawCode39Extended, "1", STAR + N1 + STAR},
        {"asterisk drawn as start/stop", DrawCode39, "A*B", STAR + A + STAR + B + STAR},
        // A + * = 10 + 43 = 53: mod 43 gives 10 (A), mod 10 gives 3.
        {"asterisk counts 43", DrawCode39Mod43, "A*", STAR + A + STAR + A + STAR},
        {"asterisk counts 43", DrawCode39Mod10, "A*", STAR + A + STAR + N3 + STAR},
        {"empty text", DrawCode39, "", STAR + STAR},
    };
    for (const auto& c : cases) {
        for (int module = 1; module <= 4; ++module)
            EXPECT_EQ(SymbolModules(c.draw, c.text, module), UpToLastBar(c.expected))
                << c.source << ": " << c.text << " at module " << module;
    }
}

TEST(Code39, SymbolLengthsAndBoxes) {
    const struct {
        const char* source;
        SymbologyCode code;
        const char* text;
        int symbolModules;
    } cases[] = {
        {"ABC: 5 characters", SymbologyCode::Code39, "ABC", 65},
        {"*CODE39W*", SymbologyCode::Code39Mod43, "CODE39", 117},
        {"*CODE395*", SymbologyCode::Code39Mod10, "CODE39", 117},
        {"*+A+B+C*: 8 characters", SymbologyCode::Code39Extended, "abc", 104},
        {"*+A/M+B*", SymbologyCode::Code39Extended, "a-b", 104},
        {"*1*: 3 characters", SymbologyCode::Code39Extended, "1", 39},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarcodeExtent(1, c.code, c.text), c.symbolModules + 20) << c.source;
        // The stop's gap module closes the symbol.
        ExpectExtentMatchesTheBars(c.code, c.text, 60, Orientation::Deg0, false, 1);
    }
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Code39, "ABC"), 85);
}

TEST(Code39, PatternTableMatchesTheStandard) {
    // ISO/IEC 16388:2007 Table 1, in the table's order, narrow 1 and wide 2 modules plus gap.
    const std::pair<char, const char*> rows[] = {
        {'0', "1010011011010"}, {'1', "1101001010110"}, {'2', "1011001010110"},
        {'3', "1101100101010"}, {'4', "1010011010110"}, {'5', "1101001101010"},
        {'6', "1011001101010"}, {'7', "1010010110110"}, {'8', "1101001011010"},
        {'9', "1011001011010"}, {'A', "1101010010110"}, {'B', "1011010010110"},
        {'C', "1101101001010"}, {'D', "1010110010110"}, {'E', "1101011001010"},
        {'F', "1011011001010"}, {'G', "1010100110110"}, {'H', "1101010011010"},
        {'I', "1011010011010"}, {'J', "1010110011010"}, {'K', "1101010100110"},
        {'L', "1011010100110"}, {'M', "1101101010010"}, {'N', "1010110100110"},
        {'O', "1101011010010"}, {'P', "1011011010010"}, {'Q', "1010101100110"},
        {'R', "1101010110010"}, {'S', "1011010110010"}, {'T', "1010110110010"},
        {'U', "1100101010110"}, {'V', "1001101010110"}, {'W', "1100110101010"},
        {'X', "1001011010110"}, {'Y', "1100101101010"}, {'Z', "1001101101010"},
        {'-', "1001010110110"}, {'.', "1100101011010"}, {' ', "1001101011010"},
        {'*', "1001011011010"}, {'$', "1001001001010"}, {'/', "1001001010010"},
        {'+', "1001010010010"}, {'%', "1010010010010"},
    };
    static_assert(std::size(rows) == kCode39PatternCount);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto [ch, modules] = rows[i];
        EXPECT_EQ(Code39Index(static_cast<unsigned char>(ch)), static_cast<int>(i) + 1) << ch;
        EXPECT_EQ(Bits(Code39Patterns[i], 16), std::string(modules) + "000") << ch;
        if (ch != '*') {
            EXPECT_EQ(SymbolModules(DrawCode39, std::string(1, ch)),
                      UpToLastBar(STAR + modules + STAR))
                << ch;
        }
    }
}

TEST(Code39, IndexHasNoPositionOutsideTheSet) {
    // Code 39 has no lower case, no '!', '#', '&', ':', '@' and nothing outside space..'Z'.
    const int outside[] = {0,   1,   31,  '!', '"', '#', '&', '\'', '(', ')', ',', ':',
                           ';', '<', '=', '>', '?', '@', '[', 'a',  'z', 127, 128, 255};
    for (int c : outside)
        EXPECT_EQ(Code39Index(static_cast<unsigned char>(c)), 0) << c;
    int positions = 0;
    for (int c = 0; c < 256; ++c)
        positions += Code39Index(static_cast<unsigned char>(c)) != 0;
    EXPECT_EQ(positions, 44);
}

// The characters of a Code39ExtMap word, read through the pattern positions.
std::string ExtPair(unsigned char c) {
    const std::string order = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";
    std::string pair;
    const int first = Code39ExtMap[c] >> 8;
    const int second = Code39ExtMap[c] & 0xFF;
    if (first > 0) pair += order[static_cast<std::size_t>(first - 1)];
    if (second > 0) pair += order[static_cast<std::size_t>(second - 1)];
    return pair;
}

TEST(Code39Extended, FullAsciiTable) {
    // ISO/IEC 16388:2007 full ASCII table, except '-' and '.' which go as /M and /N.
    const std::pair<int, const char*> rows[] = {
        {0, "%U"},   {1, "$A"},   {13, "$M"},  {26, "$Z"},  {27, "%A"},  {31, "%E"},  {' ', " "},
        {'!', "/A"}, {'"', "/B"}, {'$', "/D"}, {'%', "/E"}, {'*', "/J"}, {'+', "/K"}, {',', "/L"},
        {'-', "/M"}, {'.', "/N"}, {'/', "/O"}, {'0', "0"},  {'9', "9"},  {':', "/Z"}, {';', "%F"},
        {'?', "%J"}, {'@', "%V"}, {'A', "A"},  {'Z', "Z"},  {'[', "%K"}, {'_', "%O"}, {'`', "%W"},
        {'a', "+A"}, {'z', "+Z"}, {'{', "%P"}, {'~', "%S"}, {127, "%T"},
    };
    for (const auto& [code, pair] : rows)
        EXPECT_EQ(ExtPair(static_cast<unsigned char>(code)), pair) << code;
}

TEST(Code39Extended, EveryCodeDrawsItsPairBetweenAsterisks) {
    for (int c = 0; c < 128; ++c) {
        const std::string pair = ExtPair(static_cast<unsigned char>(c));
        ASSERT_FALSE(pair.empty()) << c;
        EXPECT_EQ(SymbolModules(DrawCode39Extended, std::string(1, static_cast<char>(c))),
                  SymbolModules(DrawCode39, pair))
            << c;
        EXPECT_EQ(Code39ExtendedWidth(std::string(1, static_cast<char>(c))),
                  static_cast<int>(pair.size()))
            << c;
    }
}

TEST(Code39Extended, Width) {
    const std::pair<const char*, int> rows[] = {
        {"abc", 6},
        {"a-b", 6},
        {"1", 1},
        {"", 0},
        {"AB CD", 5},
        {"\x01.", 4},
        {"A\x80"
         "B",
         1}, // counting stops where drawing stops
    };
    for (const auto& [text, width] : rows)
        EXPECT_EQ(Code39ExtendedWidth(text), width) << text;
}

TEST(Code39, UnencodableCharacterStopsTheDrawing) {
    const SymbolCase cases[] = {
        {"'!' has no pattern", DrawCode39, "A!B", STAR + A},
        {"lower case", DrawCode39, "AbC", STAR + A},
        {"byte 128", DrawCode39, "AB\x80", STAR + A + B},
        {"control code", DrawCode39,
         "\x01"
         "A",
         STAR},
        {"no check after a stop", DrawCode39Mod43, "AB#C", STAR + A + B},
        {"no check after a stop", DrawCode39Mod10, "A@", STAR + A},
        {"byte 128", DrawCode39Extended,
         "ab\x80"
         "c",
         STAR + PLUS + A + PLUS + B},
        {"byte 255", DrawCode39Extended, "\xff", STAR},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SymbolModules(c.draw, c.text), UpToLastBar(c.expected))
            << c.source << ": " << c.text;
}

TEST(Code39, EveryOrientationDrawsTheSameBars) {
    for (Encoder draw : {DrawCode39, DrawCode39Mod43, DrawCode39Mod10, DrawCode39Extended})
        for (int module = 1; module <= 4; ++module)
            ExpectSameBarsInEveryOrientation(draw, "AB-9", module);
}

const struct {
    SymbologyCode code;
    Encoder draw;
} kEncoders[] = {
    {SymbologyCode::Code39, DrawCode39},
    {SymbologyCode::Code39Mod43, DrawCode39Mod43},
    {SymbologyCode::Code39Mod10, DrawCode39Mod10},
    {SymbologyCode::Code39Extended, DrawCode39Extended},
};

TEST(Code39, AnyBytesStayInsideTheBox) {
    std::mt19937 random(39);
    for (const auto& e : kEncoders)
        ExpectAnyBytesInsideTheSymbol(e.draw, e.code, "AB", random, 300);
}

TEST(Code39, ExtentMatchesTheDrawnSymbol) {
    std::mt19937 random(1939);
    for (const auto& e : kEncoders)
        for (int i = 0; i < 200; ++i) // the last module before the quiet zone is the stop's gap
            ExpectExtentMatchesTheBars(
                e.code, FilterBarcodeText(e.code, RandomBytes(random, 0, 60, 1, 255)), 50,
                Orientation::Deg0, false, 1);
}

} // namespace
