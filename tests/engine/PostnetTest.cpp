#include "engine/Postnet.h"
#include "engine/Barcode.h"
#include "engine/CheckDigits.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace engine;
using testing_support::RecordedRect;
using testing_support::RecordingSurface;

// Bars written out from the USPS POSTNET code table: T tall, S short.
const std::string FRAME = "T";
const std::string D1 = "SSSTT";
const std::string D2 = "SSTST";
const std::string D3 = "SSTTS";
const std::string D4 = "STSST";
const std::string D5 = "STSTS";
const std::string D9 = "TSTSS";
const std::string D0 = "TTSSS";

// A recorded bar in the barcode's own frame, measured from the bar start.
struct Span {
    int along0, along1, across0, across1;
    bool operator<(const Span& o) const {
        return std::tie(along0, across0) < std::tie(o.along0, o.across0);
    }
};

constexpr int kX0 = 13;
constexpr int kY0 = 5;

std::vector<Span> Spans(const std::vector<RecordedRect>& bars, int x0, int y0, Orientation o) {
    std::vector<Span> spans;
    for (const auto& r : bars) {
        if (AdvancesAlongY(o))
            spans.push_back({r.top - y0, r.bottom - y0, r.left - x0, r.right - x0});
        else
            spans.push_back({r.left - x0, r.right - x0, r.top - y0, r.bottom - y0});
    }
    std::sort(spans.begin(), spans.end());
    return spans;
}

std::vector<Span> Draw(std::string_view text, int module, int barLength, Orientation o) {
    RecordingSurface surface;
    DrawPostnet(surface, kX0, kY0, barLength, module, text, o);
    return Spans(surface.Bars(), kX0, kY0, o);
}

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
    for (int digit = 0; digit < 10; ++digit) {
        std::string flags;
        for (int bit = 0; bit < 8; ++bit) {
            const bool tall = (PostnetPatterns[digit] & (0x80 >> bit)) != 0;
            if (bit < 5)
                flags += tall ? '1' : '0';
            else
                EXPECT_FALSE(tall) << "unused low bit set for digit " << digit;
        }
        EXPECT_EQ(flags, table[digit]) << "digit " << digit;
    }
}

TEST(Postnet, Symbol12345HasItsCheckDigitAndLength) {
    EXPECT_EQ(PostnetCheckDigit("12345"), '5');
    // 10 × 6 + 3 modules of symbol, 20 of quiet zone.
    EXPECT_EQ(BarcodeExtent(1, SymbologyCode::Postnet, "12345"), 83);
    const std::vector<Span> spans = Draw("12345", 1, 20, Orientation::Deg0);
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
                const std::vector<Span> spans = Draw("12345", module, l.barLength, o);
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
        const std::vector<Span> spans = Draw(row.text, 2, 10, Orientation::Deg0);
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
            ASSERT_EQ(withText.rects.size(), withoutText.rects.size());
            for (std::size_t i = 0; i < withText.rects.size(); ++i) {
                const RecordedRect& a = withText.rects[i];
                const RecordedRect& b = withoutText.rects[i];
                EXPECT_EQ(std::tie(a.left, a.top, a.right, a.bottom),
                          std::tie(b.left, b.top, b.right, b.bottom));
            }
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
            const std::vector<Span> spans = Draw(row.text, 1, 10, o);
            EXPECT_EQ(BarKinds(spans, 1, 10, 6), row.bars) << row.text;
        }
}

// Texts no filter has seen: every byte alone and among digits, and random bytes.
std::vector<std::string> UnfilteredTexts() {
    std::vector<std::string> texts;
    for (int b = 0; b < 256; ++b) {
        const std::string c(1, static_cast<char>(b));
        for (const std::string& t : {c, "12" + c + "34", "1234" + c, c + "123"})
            texts.push_back(t);
    }
    std::mt19937 random(2718);
    std::uniform_int_distribution<int> length(1, 30);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> digit('0', '9');
    for (int i = 0; i < 300; ++i) {
        std::string t(static_cast<std::size_t>(length(random)), '0');
        for (char& c : t)
            c = static_cast<char>(i % 2 ? digit(random) : byte(random));
        texts.push_back(t);
    }
    return texts;
}

TEST(Postnet, AnyBytesStayInsideTheBox) {
    int n = 0;
    for (const std::string& text : UnfilteredTexts()) {
        const int module = 1 + n % 4;
        const Orientation o = engine::kAllOrientations[n++ % 4];
        const int barLength = 25;
        const std::vector<Span> spans = Draw(text, module, barLength, o);
        const int q = kQuietZoneModules * module;
        const int symbolEnd = BarcodeExtent(module, SymbologyCode::Postnet, text) - 2 * q;
        int last = 0;
        for (const auto& s : spans) {
            EXPECT_GE(s.along0, -q);
            EXPECT_LE(s.along1, symbolEnd + q);
            EXPECT_GE(s.across0, 0);
            EXPECT_LE(s.across1, barLength);
            last = std::max(last, s.along1);
        }
        const bool digits =
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits)
            EXPECT_EQ(last, symbolEnd) << text;
        else
            EXPECT_LT(last, symbolEnd) << text;
    }
}

TEST(Postnet, ExtentMatchesTheDrawing) {
    std::mt19937 random(31);
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> ascii(1, 127);
    for (int i = 0; i < 300; ++i) {
        std::string typed(static_cast<std::size_t>(length(random)), '0');
        for (char& c : typed)
            c = static_cast<char>(i % 3 ? '0' + ascii(random) % 10 : ascii(random));
        const std::string text = FilterBarcodeText(SymbologyCode::Postnet, typed);
        const Orientation o = engine::kAllOrientations[i % 4];
        RecordingSurface surface;
        DrawBarcode(surface, SymbologyCode::Postnet, 0, 0, 1, 30, text, i % 2 == 0, o, true);
        const std::vector<Span> spans = Spans(surface.Bars(), 0, 0, o);
        if (text.empty()) {
            EXPECT_TRUE(spans.empty());
            continue;
        }
        int last = 0;
        for (const auto& s : spans)
            last = std::max(last, s.along1);
        // The closing frame bar ends the symbol.
        EXPECT_EQ(last, BarcodeExtent(1, SymbologyCode::Postnet, text) - kQuietZoneModules) << text;
    }
}

} // namespace
