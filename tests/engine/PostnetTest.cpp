#include "engine/Postnet.h"
#include "engine/Barcode.h"
#include "engine/CheckDigits.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace engine;
using namespace testing_support;

// Bars written out from the USPS POSTNET code table: T tall, S short.
const std::string FRAME = "T";
const std::string D1 = "SSSTT";
const std::string D2 = "SSTST";
const std::string D3 = "SSTTS";
const std::string D4 = "STSST";
const std::string D5 = "STSTS";
const std::string D9 = "TSTSS";
const std::string D0 = "TTSSS";

// T or S per bar; '?' for a bar of any other shape or out of its 2-module step.
std::string BarKinds(const std::vector<Span>& spans, int module, int barLength, int shortStart) {
    std::string kinds;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Span& s = spans[i];
        const bool placed =
            s.along0 == static_cast<int>(2 * i) * module && s.along1 - s.along0 == module;
        if (placed && s.across0 == 0 && s.across1 == barLength)
            kinds += 'T';
        else if (placed && s.across0 == shortStart && s.across1 == barLength)
            kinds += 'S';
        else
            kinds += '?';
    }
    return kinds;
}

TEST(PostnetPatterns, MatchTheStandardTable) {
    // USPS Publication 25, POSTNET code: 1 tall, 0 short, first bar first.
    const char* table[] = {"11000", "00011", "00101", "00110", "01001",
                           "01010", "01100", "10001", "10010", "10100"};
    for (int digit = 0; digit < 10; ++digit) // the low three bits unused
        EXPECT_EQ(Bits(PostnetPatterns[digit], 8), table[digit] + std::string("000"))
            << "digit " << digit;
}

TEST(Postnet, Symbol12345HasItsCheckDigitAndLength) {
    EXPECT_EQ(PostnetCheckDigit("12345"), '5');
    // 10 × 6 + 3 modules of symbol, 20 of quiet zone.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Postnet, "12345"), 83);
    const std::vector<Span> spans = DrawSpans(DrawPostnet, "12345", 1, Orientation::Deg0, 20);
    EXPECT_EQ(spans.size(), 32u);
    EXPECT_EQ(spans.front().along0, 0);
    EXPECT_EQ(spans.back().along1, 63);
}

TEST(Postnet, ShortBarsAreTheFarTwoFifthsInEveryOrientation) {
    const struct {
        int barLength, shortStart, shortLength; // device units, worked out by hand
    } lengths[] = {
        {7, 4, 3},                                         // 4.2 rounds to 4
        {100, 60, 40}, {5, 3, 2}, {8, 5, 3},               // 4.8 rounds to 5
        {9, 5, 4},                                         // 5.4 rounds to 5
        {13, 8, 5},    {2, 1, 1}, {3, 2, 1}, {41, 25, 16}, // 24.6 rounds to 25
    };
    const std::string expected = FRAME + D1 + D2 + D3 + D4 + D5 + D5 + FRAME;
    for (const auto& l : lengths) {
        EXPECT_EQ(PostnetShortBarOffset(l.barLength), l.shortStart) << l.barLength;
        EXPECT_EQ(l.barLength - l.shortStart, l.shortLength);
        for (int module : {1, 2, 3, 4})
            for (Orientation o : engine::kAllOrientations) {
                const std::vector<Span> spans =
                    DrawSpans(DrawPostnet, "12345", module, o, l.barLength);
                EXPECT_EQ(BarKinds(spans, module, l.barLength, l.shortStart), expected)
                    << "L " << l.barLength << " module " << module << " orientation " << int(o);
            }
    }
}

TEST(Postnet, SequencesOfOtherDigits) {
    const struct {
        const char* text;
        std::string bars;
    } rows[] = {
        {"0", FRAME + D0 + D0 + FRAME},       // sum 0: check digit 0
        {"55", FRAME + D5 + D5 + D0 + FRAME}, // sum 10: check digit 0
        {"9", FRAME + D9 + D1 + FRAME},       // 9 then check digit 1
        {"1234", FRAME + D1 + D2 + D3 + D4 + D0 + FRAME},
    };
    for (const auto& row : rows) {
        const std::vector<Span> spans = DrawSpans(DrawPostnet, row.text, 2, Orientation::Deg0, 10);
        EXPECT_EQ(BarKinds(spans, 2, 10, 6), row.bars) << row.text;
    }
}

TEST(Postnet, SidewaysShortBarsEndAtTheTallBarsRightEdge) {
    for (Orientation o : {Orientation::Deg90, Orientation::Deg270}) {
        RecordingSurface surface;
        DrawPostnet(surface, 100, 200, 7, 2, "12345", o);
        int tall = 0;
        int shortBars = 0;
        for (const auto& r : surface.Bars()) {
            EXPECT_EQ(r.Height(), 2); // one module thick, lying horizontally
            EXPECT_EQ(r.right, 107);
            if (r.left == 100)
                ++tall;
            else if (r.left == 104 && r.Width() == 3)
                ++shortBars;
            else
                ADD_FAILURE() << "bar from x " << r.left << " to " << r.right;
        }
        EXPECT_EQ(tall, 14);      // two frame bars and two per digit
        EXPECT_EQ(shortBars, 18); // three per digit
    }
}

TEST(Postnet, ShownTextFlagChangesNothing) {
    for (int module : {1, 2, 3})
        for (Orientation o : engine::kAllOrientations) {
            RecordingSurface withText;
            RecordingSurface withoutText;
            DrawBarcode(withText, SymbologyCode::Postnet, 3, 4, module, 60, "12345", true, o,
                        false);
            DrawBarcode(withoutText, SymbologyCode::Postnet, 3, 4, module, 60, "12345", false, o,
                        false);
            EXPECT_TRUE(withText.texts.empty());
            EXPECT_EQ(withText.pushes, withText.pops); // a font, if made, is released
            EXPECT_EQ(withText.rects, withoutText.rects);
            // The tall bars take the whole height: no strip is reserved.
            const bool alongY = AdvancesAlongY(o);
            const int barX = 3 + (alongY ? 0 : 10 * module);
            const int barY = 4 + (alongY ? 10 * module : 0);
            const std::vector<Span> spans = Spans(withText.Bars(), barX, barY, o);
            EXPECT_EQ(BarKinds(spans, module, 60, 36), FRAME + D1 + D2 + D3 + D4 + D5 + D5 + FRAME)
                << "module " << module << " orientation " << int(o);
        }
}

TEST(Postnet, ANonDigitStopsWithoutTheClosingFrameBar) {
    const struct {
        const char* text;
        std::string bars;
    } rows[] = {
        {"12a45", FRAME + D1 + D2},
        {"a", FRAME},
        {"12345:", FRAME + D1 + D2 + D3 + D4 + D5}, // ':' follows '9' in ASCII
        {"/", FRAME},                               // '/' precedes '0'
    };
    for (const auto& row : rows)
        for (Orientation o : engine::kAllOrientations) {
            const std::vector<Span> spans = DrawSpans(DrawPostnet, row.text, 1, o, 10);
            EXPECT_EQ(BarKinds(spans, 1, 10, 6), row.bars) << row.text;
        }
}

TEST(Postnet, AnyBytesStayInsideTheBox) {
    ExpectOnlyDigitsCompleteTheSymbol(
        DrawPostnet, SymbologyCode::Postnet,
        UnfilteredTexts({{"", ""}, {"12", "34"}, {"1234", ""}, {"", "123"}}, 2718, 30), 25);
}

TEST(Postnet, ExtentMatchesTheDrawing) {
    // The closing frame bar ends the symbol.
    std::mt19937 random(31);
    ExpectExtentMatchesMostlyDigits(SymbologyCode::Postnet, random, 300, 30);
}

} // namespace
