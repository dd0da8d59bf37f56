#include "engine/Interleaved2of5.h"
#include "engine/Barcode.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace engine;
using namespace testing_support;

// Module strings written out from the character table of ISO/IEC 16390: a pair puts its first
// digit's elements in the bars and its second digit's in the spaces (narrow "1"/"0", wide x3).
const std::string START = "1010";
const std::string STOP = "11101";
const std::string P00 = "101011100011100010";
const std::string P01 = "100010111011101000";
const std::string P07 = "101011101110001000";
const std::string P12 = "111010001010111000";
const std::string P17 = "111010101000111000";
const std::string P23 = "100011100010101110";
const std::string P31 = "111000111010101000";
const std::string P34 = "111011101000101000";
const std::string P56 = "111010001110001010";
const std::string P78 = "100010101110001110";
const std::string P90 = "101110100011100010";
const std::string INNER = "00000"; // SSC-14 space inside the bearer bars

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

TEST(Interleaved2of5Patterns, MatchTheStandardTable) {
    // ISO/IEC 16390 Table 1: N narrow, W wide; first element first.
    const struct {
        int index;
        const char* elements;
    } rows[] = {
        {1, "NNWWN"}, {2, "WNNNW"}, {3, "NWNNW"}, {4, "WWNNN"}, {5, "NNWNW"},
        {6, "WNWNN"}, {7, "NWWNN"}, {8, "NNNWW"}, {9, "WNNWN"}, {10, "NWNWN"},
    };
    for (const auto& row : rows) {
        std::string elements = Bits(ItfPatterns[row.index], 8);
        std::ranges::replace(elements, '1', 'W');
        std::ranges::replace(elements, '0', 'N');
        EXPECT_EQ(elements, row.elements + std::string("NNN")) // the low three bits unused
            << "digit " << row.index - 1;
    }
    // ISO/IEC 16390 start and stop characters as single modules.
    EXPECT_EQ(ItfPatterns[kItfStartIndex], 0b10100000);
    EXPECT_EQ(ItfPatterns[kItfStopIndex], 0b11101000);
}

TEST(Interleaved2of5, SymbolsAtEveryModuleAndOrientation) {
    const struct {
        const char* text;
        std::string modules;
    } rows[] = {
        {"123", START + P01 + P23 + STOP},  // odd length: a leading zero makes 0123
        {"0123", START + P01 + P23 + STOP}, // ISO/IEC 16390 digit table, pairs 01 23
        {"1234", START + P12 + P34 + STOP},
        {"7", START + P07 + STOP},
        {"1234567890", START + P12 + P34 + P56 + P78 + P90 + STOP},
        {"", START + STOP}, // the encoder alone; DrawBarcode never passes an empty text
    };
    for (const auto& row : rows)
        for (int module : {1, 2, 3, 4})
            for (Orientation o : engine::kAllOrientations)
                EXPECT_EQ(SymbolModules(DrawInterleaved2of5, row.text, module, o), row.modules)
                    << row.text << " module " << module << " orientation " << int(o);
}

TEST(Interleaved2of5, EveryDigitPairInterleavesBarsAndSpaces) {
    // ISO/IEC 16390 Table 1 again, kept apart from the encoder's table.
    const char* table[] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                           "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b) {
            std::string pair;
            for (int e = 0; e < 5; ++e) {
                pair += table[a][e] == 'W' ? "111" : "1";
                pair += table[b][e] == 'W' ? "000" : "0";
            }
            const std::string text{char('0' + a), char('0' + b)};
            EXPECT_EQ(SymbolModules(DrawInterleaved2of5, text, 1, Orientation::Deg0, 10),
                      START + pair + STOP)
                << text;
        }
}

TEST(Interleaved2of5, OddAndEvenLengthsGiveTheSameBox) {
    // 0123 and 1234: 45 modules of symbol plus 20 of quiet zone.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Interleaved2of5, "123"), 65);
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Interleaved2of5, "1234"), 65);
    for (const char* text : {"123", "1234"}) {
        const std::vector<Span> bars =
            DrawSpans(DrawInterleaved2of5, text, 1, Orientation::Deg0, 10);
        EXPECT_EQ(bars.front().along0, 0) << text;
        EXPECT_EQ(bars.back().along1, 45) << text;
    }
}

TEST(Interleaved2of5, ANonDigitStopsAtItsPair) {
    const struct {
        const char* text;
        std::string modules;
    } rows[] = {
        {"12a4", START + P12}, // second pair holds the letter: no stop pattern
        {"12a", START + P01},  // 012a: the pair 2a stops it
        {"a", START},          {"1234:6", START + P12 + P34}, // ':' follows '9' in ASCII
        {"/1", START},                                        // '/' precedes '0'
        {"12 3", START + P12},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SymbolModules(DrawInterleaved2of5, row.text, 2, Orientation::Deg0, 30),
                  UpToLastBar(row.modules))
            << row.text;
}

// SSC-14: 5 modules of space, the digit symbol, 5 modules of space, with bearer bars.
std::string Ssc14Modules(const std::string& pairs) {
    return INNER + START + pairs + STOP + INNER;
}

TEST(Ssc14Itf, PadsAndAddsTheCheckDigit) {
    const struct {
        const char* text;
        std::string modules;
    } rows[] = {
        // 0000000000001 has the Mod10 check digit 7: 00000000000017.
        {"1", Ssc14Modules(Repeat(P00, 6) + P17)},
        {"", Ssc14Modules(Repeat(P00, 7))},
        // 1234567890123 has the check digit 1: 12 34 56 78 90 12 31.
        {"1234567890123", Ssc14Modules(P12 + P34 + P56 + P78 + P90 + P12 + P31)},
        // Past 13 digits only the first 13 count, as the filter would have cut them.
        {"12345678901234567", Ssc14Modules(P12 + P34 + P56 + P78 + P90 + P12 + P31)},
    };
    for (const auto& row : rows)
        for (int module : {1, 2, 3, 4})
            for (Orientation o : engine::kAllOrientations) {
                const int length = 50 * module;
                ASSERT_EQ(row.modules.size(), 145u);
                EXPECT_EQ(ModuleString(DrawSpans(DrawSsc14Itf, row.text, module, o, length), module,
                                       length),
                          UpToLastBar(row.modules))
                    << row.text << " module " << module << " orientation " << int(o);
            }
}

TEST(Ssc14Itf, BearerBarsFrameTheSymbolInEveryOrientation) {
    for (int module : {1, 2, 3, 4})
        for (Orientation o : engine::kAllOrientations) {
            const int length = 40 * module;
            const std::vector<Span> bars = DrawSpans(DrawSsc14Itf, "1", module, o, length);
            // Along the top and bottom (0° and 180°) or the left and right ends (90° and 270°)
            // of the bars, 3 modules thick, 145 modules long from the bar start.
            const std::vector<Span> expected = {
                {0, 145 * module, 0, 3 * module},
                {0, 145 * module, length - 3 * module, length},
            };
            EXPECT_EQ(PartialBars(bars, length), expected)
                << "module " << module << " orientation " << int(o);
        }
}

TEST(Ssc14Itf, BearerBarsAtNinetyDegreesAreThreeModulesWide) {
    RecordingSurface surface;
    DrawSsc14Itf(surface, 100, 200, 60, 2, "1", Orientation::Deg90);
    std::vector<RecordedRect> bearers;
    for (const auto& r : surface.Bars())
        if (r.Height() > 100) bearers.push_back(r); // the bars are at most 6 high
    ASSERT_EQ(bearers.size(), 2u);
    for (const auto& r : bearers) {
        EXPECT_EQ(r.Width(), 6);
        EXPECT_EQ(r.top, 200);
        EXPECT_EQ(r.Height(), 290);
    }
    EXPECT_EQ(bearers[0].left, 100);
    EXPECT_EQ(bearers[1].left, 154);
}

TEST(Ssc14Itf, BearersLeaveFiveModulesAroundTheSymbol) {
    // Through the whole drawing: box 165 modules at module 1, bearers from 10 to 155.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Ssc14Itf, "1"), 165);
    RecordingSurface surface;
    DrawBarcode(surface, SymbologyCode::Ssc14Itf, 0, 0, 1, 40, "1", false, Orientation::Deg0, true);
    int firstBar = 1000;
    int lastBar = 0;
    int bearers = 0;
    for (const auto& r : surface.Bars()) {
        if (r.Height() == 3) {
            ++bearers;
            EXPECT_EQ(r.left, 10);
            EXPECT_EQ(r.right, 155);
            continue;
        }
        firstBar = std::min(firstBar, r.left);
        lastBar = std::max(lastBar, r.right);
    }
    EXPECT_EQ(bearers, 2);
    EXPECT_EQ(firstBar - 10, 5);
    EXPECT_EQ(155 - lastBar, 5);
}

TEST(Ssc14Itf, BearerSitsAboveTheTextStrip) {
    // Module 2, height 100, text shown: the strip takes 30 units at the bottom.
    RecordingSurface surface;
    DrawBarcode(surface, SymbologyCode::Ssc14Itf, 0, 0, 2, 100, "1", true, Orientation::Deg0, true);
    int bottom = 0;
    for (const auto& r : surface.Bars())
        bottom = std::max(bottom, r.bottom);
    EXPECT_EQ(bottom, 70);
    bool bearerAtBottom = false;
    for (const auto& r : surface.Bars())
        bearerAtBottom |= r.top == 64 && r.bottom == 70 && r.Width() == 290;
    EXPECT_TRUE(bearerAtBottom);
}

TEST(Ssc14Itf, ANonDigitStopsWithoutStopOrBearers) {
    const struct {
        const char* text;
        std::string modules;
    } rows[] = {
        // 000000000012a and its check digit: the seventh pair holds the letter.
        {"12a", INNER + START + Repeat(P00, 5) + P12},
        {"a", INNER + START + Repeat(P00, 6)},
        {"1:", INNER + START + Repeat(P00, 5) + P01},
        {"a123456789012", INNER + START},
    };
    for (const auto& row : rows)
        for (Orientation o : engine::kAllOrientations)
            EXPECT_EQ(SymbolModules(DrawSsc14Itf, row.text, 1, o, 30), UpToLastBar(row.modules))
                << row.text;
}

TEST(Interleaved2of5Family, AnyBytesStayInsideTheBox) {
    const std::vector<std::string> texts = UnfilteredTexts(
        {{"", ""}, {"12", "34"}, {"1234", ""}, {"", "123"}, {"123456789012", ""}}, 1604, 40);
    ExpectOnlyDigitsCompleteTheSymbol(DrawInterleaved2of5, SymbologyCode::Interleaved2of5, texts,
                                      30);
    ExpectOnlyDigitsCompleteTheSymbol(DrawSsc14Itf, SymbologyCode::Ssc14Itf, texts, 30, 13);
}

TEST(Interleaved2of5Family, ExtentMatchesTheDrawing) {
    // Both codes end on a bar (the stop's narrow bar or the bearer bars).
    std::mt19937 random(77);
    ExpectExtentMatchesMostlyDigits(SymbologyCode::Interleaved2of5, random, 200, 50);
    ExpectExtentMatchesMostlyDigits(SymbologyCode::Ssc14Itf, random, 200, 50);
}

} // namespace
