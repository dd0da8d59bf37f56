#include "engine/Code128.h"
#include "engine/Barcode.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace engine;
using namespace testing_support;

// Code characters are code values + 32.
std::string C(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v + kCodeCharOffset);
    return s;
}
int Value(char c) {
    return static_cast<unsigned char>(c) - kCodeCharOffset;
}

// Set B / set A values of ASCII characters.
int B(char c) {
    return c - 32;
}
int A(char c) {
    return static_cast<unsigned char>(c) < 32 ? c + 64 : c - 32;
}

// The encoded string without its check character, which the checksum tests cover.
std::string WithoutCheck(const std::string& encoded) {
    return encoded.substr(0, encoded.size() - 2) + encoded.back();
}

struct EncodeCase {
    const char* source;
    std::string text;
    bool fnc1;
    std::string expected; // without the check character
};

const EncodeCase kEncodeCases[] = {
    {"four digits start in C", "1234", false, C({kStartC, 12, 34, kStop})},
    {"three digits stay in B", "123", false, C({kStartB, B('1'), B('2'), B('3'), kStop})},
    {"odd run leaves C for its last digit", "12345", false,
     C({kStartC, 12, 34, kCodeB, B('5'), kStop})},
    {"odd run entered one digit late", "AB12345", false,
     C({kStartB, B('A'), B('B'), B('1'), kCodeC, 23, 45, kStop})},
    {"tab before lower case starts in A", "\tab", false,
     C({kStartA, A('\t'), kCodeB, B('a'), B('b'), kStop})},
    {"tab then lower case inside B is shifted", "ab\tc", false,
     C({kStartB, B('a'), B('b'), kShift, A('\t'), B('c'), kStop})},
    {"tab at the end of B switches to A", "ab\t", false,
     C({kStartB, B('a'), B('b'), kCodeA, A('\t'), kStop})},
    {"brace in set A switches to B", "\x01{X", false,
     C({kStartA, A('\x01'), kCodeB, B('{'), B('X'), kStop})},
    {"lower case then control inside A is shifted",
     "\x01"
     "a\x02",
     false, C({kStartA, A('\x01'), kShift, B('a'), A('\x02'), kStop})},
    {"C leaves for A before a control", "1234\x01", false,
     C({kStartC, 12, 34, kCodeA, A('\x01'), kStop})},
    {"C leaves for B before a letter pair", "1234AB", false,
     C({kStartC, 12, 34, kCodeB, B('A'), B('B'), kStop})},
    {"C leaves for the set of a control further on", "1234AB\x01", false,
     C({kStartC, 12, 34, kCodeA, A('A'), A('B'), A('\x01'), kStop})},
    {"DEL in set B", "a\x7F", false, C({kStartB, B('a'), B('\x7F'), kStop})},
    {"EAN 128 parentheses are data", "(01)123", true,
     C({kStartB, kFnc1, B('('), B('0'), B('1'), B(')'), B('1'), B('2'), B('3'), kStop})},
    {"empty text", "", false, C({kStartB, kStop})},
};

TEST(Code128, EncodeChoosesCodeSets) {
    for (const auto& c : kEncodeCases)
        EXPECT_EQ(WithoutCheck(EncodeCode128(c.text, c.fnc1)), c.expected) << c.source;
}

TEST(Code128, StartSet) {
    const struct {
        std::string text;
        char set;
    } cases[] = {{"1234", 'C'}, {"123", 'B'}, {"\tab", 'A'}, {"ab\t", 'B'},
                 {"", 'B'},     {"ABC", 'B'}, {"12a", 'B'},  {"X\x01", 'A'}};
    for (const auto& c : cases)
        EXPECT_EQ(Code128StartSet(c.text), c.set) << c.text;
}

TEST(Code128, CheckCharacterIsTheWeightedSum) {
    // "1234": 105 + 12·1 + 34·2 = 185, 185 mod 103 = 82.
    const std::string encoded = EncodeCode128("1234", false);
    EXPECT_EQ(Value(encoded[encoded.size() - 2]), 82);
}

TEST(Code128, ShippingCodesAreFixedLength) {
    // SSC-14 of "1": START C, FNC1, 01 00 00 00 00 00 00 17, check, STOP.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Ssc14, "1"), 154);
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Sscc18, "12345"), 176);
    for (const char* text : {"1", "1234567890123", "999"})
        EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Ssc14, text), 154) << text;
}

// ISO/IEC 15417:2007 Table 1 rows used below, as module strings.
constexpr const char* kQuietZone = "0000000000";
constexpr const char* kStartBModules = "11010010000"; // 104: 211214
constexpr const char* kStartCModules = "11010011100"; // 105: 211232
constexpr const char* kValue33 = "10100011000";       // 33, A in set B: 111323
constexpr const char* kValue12 = "10110011100";       // 12: 112232
constexpr const char* kValue34 = "10001011000";       // 34: 131123
constexpr const char* kValue82 = "10010011110";       // 82: 121241
constexpr const char* kStopModules = "1100011101011"; // 106: 2331112

TEST(Code128, DrawsTheStandardPatterns) {
    RecordingSurface dc;
    DrawBarcode(dc, SymbologyCode::Code128, 0, 0, 2, 100, "1234", false, Orientation::Deg0, false);
    const std::string expected = std::string(kQuietZone) + kStartCModules + kValue12 + kValue34 +
                                 kValue82 + kStopModules + kQuietZone;
    ASSERT_EQ(BarcodeExtent(1, SymbologyCode::Code128, "1234"), static_cast<int>(expected.size()));
    const std::vector<Span> bars = Spans(dc.Bars(), 0, 0, Orientation::Deg0);
    EXPECT_EQ(PartialBars(bars, 100), std::vector<Span>{});
    EXPECT_EQ(ModuleString(bars, 2, 100), UpToLastBar(expected));
}

TEST(Code128, UnencodableCharactersStopTheDrawingSafely) {
    const SymbologyCode codes[] = {SymbologyCode::Code128, SymbologyCode::Ean128,
                                   SymbologyCode::Ssc14, SymbologyCode::Sscc18};
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (SymbologyCode code : codes)
        for (int trial = 0; trial < 256 + 200; ++trial) {
            std::string text = "AB12";
            if (trial < 256) {
                text += static_cast<char>(trial);
                text += "cd";
            } else {
                text.clear();
                for (int n = 0; n < 30; ++n)
                    text += static_cast<char>(byte(rng));
            }
            RecordingSurface dc;
            const int module = 2;
            DrawBarcode(dc, code, 0, 0, module, 50, text, true, Orientation::Deg0, false);
            const int length = BarcodeExtent(module, code, text);
            for (const auto& bar : dc.Bars()) {
                ASSERT_GE(bar.left, 10 * module) << trial;
                ASSERT_LE(bar.right, length - 10 * module) << trial << " code " << int(code);
            }
        }
}

TEST(Code128, CharactersAboveAsciiAreNotEncoded) {
    // A byte of 128 or more has no code value in any set: drawing stops there.
    const std::string encoded = EncodeCode128("A\xC8"
                                              "B",
                                              false);
    EXPECT_EQ(encoded[2], kInvalidCodeChar);
    EXPECT_EQ(SymbolModules(DrawCode128,
                            "A\xC8"
                            "B",
                            1, Orientation::Deg0, 10),
              UpToLastBar(std::string(kStartBModules) + kValue33)); // start and A only
}

TEST(Code128, ShippingCodesDrawAsGs1DigitPairs) {
    const struct {
        SymbologyCode code;
        const char* text;
        const char* gs1;
    } cases[] = {
        {SymbologyCode::Ssc14, "1", "0100000000000017"},
        {SymbologyCode::Sscc18, "12345", "00000000000000123457"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SymbolModules(FindSymbology(c.code)->draw, c.text, 1, Orientation::Deg0, 10),
                  SymbolModules(DrawEan128, c.gs1, 1, Orientation::Deg0, 10))
            << c.text;
        EXPECT_EQ(WithoutCheck(EncodeCode128(c.gs1, true)).substr(0, 2), C({kStartC, kFnc1}));
    }
}

} // namespace
