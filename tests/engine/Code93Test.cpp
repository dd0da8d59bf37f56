#include "engine/Code93.h"
#include "engine/Barcode.h"
#include "engine/CheckDigits.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace engine;
using namespace testing_support;

// ANSI/AIM BC5-1995 character set, element widths written out as modules (9 each).
const std::string START = "101011110";
const std::string STOP = "1010111101"; // start/stop pattern plus the termination bar
const std::string N3 = "101000010";
const std::string N6 = "100100010";
const std::string N8 = "100010010";
const std::string N9 = "100001010";
const std::string A = "110101000";
const std::string B = "110100100";
const std::string E = "110010010";
const std::string P = "100010110";
const std::string S = "110101100";
const std::string T = "110100110";
const std::string PLUS = "101110110";       // value 41
const std::string SHIFT_PLUS = "100110010"; // (+), value 46

TEST(Code93, Test93ModuleByModule) {
    // T E S T 9 3 = 29 14 28 29 9 3: C = 464 mod 47 = 41 (+), K = 617 mod 47 = 6.
    const std::string expected = START + T + E + S + T + N9 + N3 + PLUS + N6 + STOP;
    ASSERT_EQ(expected.size(), 91u);
    EXPECT_EQ(Code93CheckC("TEST93"), 41);
    EXPECT_EQ(Code93CheckK("TEST93"), 6);
    for (int module = 1; module <= 4; ++module)
        EXPECT_EQ(SymbolModules(DrawCode93, "TEST93", module), expected) << module;
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Code93, "TEST93"), 111);
}

TEST(Code93, Symbols) {
    const struct {
        const char* source;
        const char* text;
        std::string expected;
    } cases[] = {
        // (+)A = 46, 10: C = 46*2 + 10 = 102 mod 47 = 8; K = 46*3 + 10*2 + 8 = 166 mod 47 = 25 (P).
        {"lower case as (+)A", "a", START + SHIFT_PLUS + A + N8 + P + STOP},
        // A, B = 10, 11: C = 10*2 + 11 = 31 (V); K = 10*3 + 11*2 + 31 = 83 mod 47 = 36 (-).
        {"two singles", "AB", START + A + B + "110011010" + "100101110" + STOP},
        // A byte of 128 or more ends the symbol: no check characters, no stop.
        {"byte 128",
         "AB\x80"
         "C",
         START + A + B},
        {"byte 255 first", "\xff", START},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SymbolModules(DrawCode93, c.text), UpToLastBar(c.expected)) << c.source;
}

TEST(Code93, PatternTableMatchesTheStandard) {
    // ANSI/AIM BC5-1995 character set in value order, then start/stop and the final stop.
    const char* rows[] = {
        "100010100", "101001000",  "101000100", "101000010", "100101000", // 0-4
        "100100100", "100100010",  "101010000", "100010010", "100001010", // 5-9
        "110101000", "110100100",  "110100010", "110010100", "110010010", // A-E
        "110001010", "101101000",  "101100100", "101100010", "100110100", // F-J
        "100011010", "101011000",  "101001100", "101000110", "100101100", // K-O
        "100010110", "110110100",  "110110010", "110101100", "110100110", // P-T
        "110010110", "110011010",  "101101100", "101100110", "100110110", // U-Y
        "100111010", "100101110",  "111010100", "111010010", "111001010", // Z - . space $
        "101101110", "101110110",  "110101110",                           // / + %
        "100100110", "111011010",  "111010110", "100110010",              // ($) (%) (/) (+)
        "101011110", "1010111101",                                        // start/stop, final stop
    };
    static_assert(std::size(rows) == kCode93PatternCount);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const std::string expected = rows[i];
        EXPECT_EQ(Bits(Code93Patterns[i], 16), expected + std::string(16 - expected.size(), '0'))
            << i;
    }
}

TEST(Code93, FullAsciiMap) {
    // ANSI/AIM BC5-1995 full ASCII table; shifts ($) 43, (%) 44, (/) 45, (+) 46.
    const struct {
        int code;
        std::vector<int> values;
    } rows[] = {
        {0, {44, 30}},   {1, {43, 10}},   {26, {43, 35}},  {27, {44, 10}},  {31, {44, 14}},
        {' ', {38}},     {'!', {45, 10}}, {'#', {45, 12}}, {'$', {39}},     {'%', {42}},
        {'&', {45, 15}}, {'*', {45, 19}}, {'+', {41}},     {',', {45, 21}}, {'-', {36}},
        {'.', {37}},     {'/', {40}},     {'0', {0}},      {'9', {9}},      {':', {45, 35}},
        {';', {44, 15}}, {'?', {44, 19}}, {'@', {44, 31}}, {'A', {10}},     {'Z', {35}},
        {'[', {44, 20}}, {'_', {44, 24}}, {'`', {44, 32}}, {'a', {46, 10}}, {'z', {46, 35}},
        {'{', {44, 25}}, {'~', {44, 28}}, {127, {44, 29}},
    };
    for (const auto& row : rows) {
        const std::string text(1, static_cast<char>(row.code));
        EXPECT_EQ(Code93Values(text), row.values) << row.code;
        EXPECT_EQ(Code93Width(text), static_cast<int>(row.values.size())) << row.code;
        const int low = Code93Map[static_cast<std::size_t>(row.code)] & 0xFF;
        EXPECT_EQ(low >= 47, row.values.size() == 1) << row.code;
    }
}

TEST(Code93, ValuesAndWidth) {
    const struct {
        const char* text;
        std::vector<int> values;
    } rows[] = {
        {"TEST93", {29, 14, 28, 29, 9, 3}},
        {"a", {46, 10}},
        {"", {}},
        {"A\x80"
         "B",
         {10}}, // stops before the byte 128
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Code93Values(row.text), row.values) << row.text;
        EXPECT_EQ(Code93Width(row.text), static_cast<int>(row.values.size())) << row.text;
    }
    // A pair counts twice in the box: 9*2 + 37 + 20.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Code93, "a"), 75);
}

TEST(Code93, CheckWeightsStartAgain) {
    // Weights from the right: C runs 1..20, K 1..15 (its first check character counts first).
    const struct {
        const char* source;
        std::string text;
        int c;
        int k;
    } rows[] = {
        {"C: 20th from the right weighs 20", "00001" + std::string(19, '0'), 20, 20 + 6},
        {"C: 21st from the right weighs 1", "0000" + std::string("1") + std::string(20, '0'), 1,
         1 + 7},
        {"K: 15th (14th data) weighs 15", "1" + std::string(13, '0'), 14, 14 + 15},
        {"K: 16th (15th data) weighs 1", "1" + std::string(14, '0'), 15, 15 + 1},
        // (+) 46 at 21st from the right weighs 1, A 10 at 20th weighs 20; C = 246 mod 47 = 11.
        // K: C 11 at 1st, A at 21st weighs 6, (+) at 22nd weighs 7.
        {"pairs count twice", "a" + std::string(19, '0'), (46 * 1 + 10 * 20) % 47,
         (11 + 10 * 6 + 46 * 7) % 47},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Code93CheckC(row.text), row.c) << row.source;
        EXPECT_EQ(Code93CheckK(row.text), row.k) << row.source;
    }
}

TEST(Code93, EveryOrientationDrawsTheSameBars) {
    for (int module = 1; module <= 4; ++module)
        for (const char* text : {"Ab-9\x01", "Ab-9"})
            ExpectSameBarsInEveryOrientation(DrawCode93, text, module);
}

TEST(Code93, AnyBytesStayInsideTheBox) {
    std::mt19937 random(93);
    ExpectAnyBytesInsideTheSymbol(DrawCode93, SymbologyCode::Code93, "Ab", random, 500);
}

TEST(Code93, ExtentMatchesTheDrawnSymbol) {
    std::mt19937 random(1993);
    for (int i = 0; i < 300; ++i) {
        const std::string text =
            FilterBarcodeText(SymbologyCode::Code93, RandomBytes(random, 0, 60, 1, 255));
        // The termination bar is the symbol's last module.
        ExpectExtentMatchesTheBars(SymbologyCode::Code93, text, 50);
        if (!text.empty()) {
            EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Code93, text),
                      9 * Code93Width(text) + 37 + 20)
                << text;
        }
    }
}

} // namespace
