// The barcode box: its length, the quiet zones, the text strip and where the bars go.

#include "engine/Barcode.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <vector>

namespace {

using namespace engine;
using enum SymbologyCode;
using testing_support::RecordedRect;
using testing_support::RecordingSurface;

struct ExtentCase {
    int module;
    SymbologyCode code;
    const char* text;
    int extent;
};

TEST(BarcodeExtent, EveryFormula) {
    const ExtentCase cases[] = {
        {2, UpcA, "1", 230},
        {1, Code39, "ABC", 85},
        {1, Interleaved2of5, "123", 65},
        {1, Interleaved2of5, "1234", 65},
        {3, Code128, "", 60},
        {1, static_cast<SymbologyCode>(26), "X", 0},
        {1, static_cast<SymbologyCode>(26), "", 20},
        {1, Code128, "1234", 11 * 5 + 2 + 20},
        {1, Ean128, "A(01)12", 11 * 11 + 2 + 20},
        {1, Code39Mod43, "ABC", 13 * 6 + 20},
        {1, Code39Mod10, "ABC", 13 * 6 + 20},
        {1, Code39Extended, "abc", 13 * 8 + 20},
        {1, Code39Extended, "1", 13 * 3 + 20},
        {1, Code93, "TEST93", 111},
        {1, Code93, "a", 9 * 2 + 37 + 20},
        {1, Ean13, "1", 115},
        {1, Ean8, "1", 87},
        {1, UpcE, "1", 71},
        {1, UpcExt2, "1", 40},
        {1, UpcExt5, "1", 67},
        {1, Postnet, "12345", 83},
        {1, Ssc14, "1", 154},
        {1, Ssc14Itf, "1", 165},
        {1, Sscc18, "1", 176},
        {2, Sscc18, "1", 352},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BarcodeExtent(c.module, c.code, c.text), c.extent)
            << int(c.code) << " " << c.text << " module " << c.module;
}

// The linear symbologies, whose bars these rules are about.
std::vector<SymbologyInfo> LinearCatalogue() {
    std::vector<SymbologyInfo> linear;
    for (const SymbologyInfo& row : SymbologyCatalogue())
        if (FindMatrixSymbology(row.code) == nullptr) linear.push_back(row);
    return linear;
}

// A sample text every code can carry.
std::string SampleText(SymbologyCode code) {
    return FilterBarcodeText(code, code == Code39Extended || code == Code93 ? "Ab-1" : "1234567");
}

struct Span {
    int low;
    int high; // exclusive
};

// The bars' extent across the sequence: along y for 0°/180°, along x for 90°/270°.
Span AcrossSpan(const std::vector<RecordedRect>& bars, Orientation o) {
    Span s{1 << 30, -(1 << 30)};
    for (const auto& b : bars) {
        s.low = std::min(s.low, AdvancesAlongY(o) ? b.left : b.top);
        s.high = std::max(s.high, AdvancesAlongY(o) ? b.right : b.bottom);
    }
    return s;
}

TEST(DrawBarcode, WithoutTextTheBarsTakeTheWholeHeight) {
    const int x = 5, y = 7, height = 90;
    for (const auto& row : LinearCatalogue())
        for (Orientation o : engine::kAllOrientations) {
            RecordingSurface dc;
            DrawBarcode(dc, row.code, x, y, 2, height, SampleText(row.code), false, o, false);
            const Span span = AcrossSpan(dc.Bars(), o);
            const int start = AdvancesAlongY(o) ? x : y;
            EXPECT_EQ(span.low, start) << row.listItem << " o" << int(o);
            EXPECT_EQ(span.high, start + height) << row.listItem << " o" << int(o);
            EXPECT_TRUE(dc.texts.empty()) << row.listItem;
        }
}

// Where the text strip lies across the box, per orientation, for text below and above.
struct StripCase {
    Orientation orientation;
    bool stripAtLowEdge; // top (0°/180°) or left (90°/270°) edge
};

TEST(DrawBarcode, TextStripSideAndSize) {
    const int x = 3, y = 11, height = 120, module = 2;
    // Text below: bottom at 0°, left at 90°, top at 180°, right at 270°; text above: opposite.
    const StripCase below[] = {{Orientation::Deg0, false},
                               {Orientation::Deg90, true},
                               {Orientation::Deg180, true},
                               {Orientation::Deg270, false}};
    for (const auto& row : LinearCatalogue())
        for (const auto& c : below) {
            if (row.textSide == TextSide::None) continue;
            const bool atLow =
                row.textSide == TextSide::Below ? c.stripAtLowEdge : !c.stripAtLowEdge;
            RecordingSurface dc;
            DrawBarcode(dc, row.code, x, y, module, height, SampleText(row.code), true,
                        c.orientation, false);
            const int strip = row.textStripModules * module;
            const int start = AdvancesAlongY(c.orientation) ? x : y;
            const Span span = AcrossSpan(dc.Bars(), c.orientation);
            EXPECT_EQ(span.low, start + (atLow ? strip : 0)) << row.listItem << int(c.orientation);
            EXPECT_EQ(span.high, start + height - (atLow ? 0 : strip)) << row.listItem;
            EXPECT_FALSE(dc.texts.empty()) << row.listItem;
        }
}

TEST(DrawBarcode, StripSizesPerCode) {
    const struct {
        SymbologyCode code;
        int modules;
    } cases[] = {{Code128, 15},     {Code39, 15},  {Code39Extended, 15}, {Interleaved2of5, 15},
                 {Code93, 15},      {Ean128, 15},  {Ssc14Itf, 15},       {Code39Mod43, 15},
                 {Code39Mod10, 15}, {UpcA, 5},     {Ean13, 5},           {Ean8, 5},
                 {UpcE, 5},         {UpcExt2, 15}, {UpcExt5, 15},        {Ssc14, 15},
                 {Sscc18, 15},      {Postnet, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextStripSize(c.code, 3, true), 3 * c.modules) << int(c.code);
        EXPECT_EQ(TextStripSize(c.code, 3, false), 0) << int(c.code);
    }
}

TEST(DrawBarcode, BarStartsOfTheWorkedExamples) {
    const int x = 40, y = 60;
    RecordingSurface code128;
    DrawBarcode(code128, Code128, x, y, 2, 100, "AB", true, Orientation::Deg90, false);
    Span across = AcrossSpan(code128.Bars(), Orientation::Deg90);
    EXPECT_EQ(across.low, x + 30);
    EXPECT_EQ(across.high, x + 100);
    const auto firstBar = std::ranges::min(code128.Bars(), {}, &RecordedRect::top);
    EXPECT_EQ(firstBar.top, y + 20);

    RecordingSurface ssc14;
    DrawBarcode(ssc14, Ssc14, x, y, 2, 100, "1", true, Orientation::Deg0, false);
    across = AcrossSpan(ssc14.Bars(), Orientation::Deg0);
    EXPECT_EQ(across.low, y + 30);
    EXPECT_EQ(across.high, y + 100);
}

TEST(DrawBarcode, BackgroundUnlessNoBackground) {
    for (Orientation o : engine::kAllOrientations) {
        RecordingSurface filled;
        DrawBarcode(filled, Code39, 2, 3, 1, 50, "AB", true, o, false);
        const int length = BarcodeExtent(1, Code39, "AB");
        const int w = AdvancesAlongY(o) ? 50 : length, h = AdvancesAlongY(o) ? length : 50;
        ASSERT_FALSE(filled.rects.empty());
        const RecordedRect& box = filled.rects.front();
        EXPECT_EQ(box.fill, Fill::White);
        EXPECT_EQ(box.left, 2);
        EXPECT_EQ(box.top, 3);
        EXPECT_EQ(box.right, 2 + w);
        EXPECT_EQ(box.bottom, 3 + h);

        RecordingSurface bare;
        DrawBarcode(bare, Code39, 2, 3, 1, 50, "AB", true, o, true);
        for (const auto& r : bare.rects)
            EXPECT_EQ(r.fill, Fill::Black);
    }
}

TEST(DrawBarcode, EmptyTextAndUnknownCodesDrawOnlyTheBackground) {
    const SymbologyCode codes[] = {Code128, UpcA, Postnet, static_cast<SymbologyCode>(26),
                                   static_cast<SymbologyCode>(255)};
    for (SymbologyCode code : codes)
        for (const char* text : {"", "123"}) {
            if (*text && FindSymbology(code)) continue;
            RecordingSurface dc;
            DrawBarcode(dc, code, 0, 0, 2, 40, text, true, Orientation::Deg0, false);
            ASSERT_EQ(dc.rects.size(), 1u) << int(code);
            EXPECT_EQ(dc.rects[0].fill, Fill::White);
            EXPECT_EQ(dc.rects[0].Width(), *text ? 0 : 40);
            EXPECT_TRUE(dc.texts.empty());
        }
}

TEST(DrawBarcode, PostnetIgnoresTheTextFlag) {
    for (Orientation o : engine::kAllOrientations) {
        RecordingSurface with, without;
        DrawBarcode(with, Postnet, 0, 0, 2, 40, "12345", true, o, false);
        DrawBarcode(without, Postnet, 0, 0, 2, 40, "12345", false, o, false);
        EXPECT_TRUE(with.texts.empty());
        EXPECT_EQ(with.rects, without.rects);
    }
}

// Every bar is a whole number of modules, starts on the module grid and lies inside the box,
// between the quiet zones; fonts are always released.
TEST(DrawBarcode, BarsStayOnTheModuleGridInsideTheBox) {
    std::mt19937 rng(42);
    for (const auto& row : LinearCatalogue())
        for (int trial = 0; trial < 8; ++trial) {
            const std::string text =
                FilterBarcodeText(row.code, testing_support::RandomBytes(rng, 0, 30, 1, 127));
            for (int module = 1; module <= 4; ++module)
                for (Orientation o : engine::kAllOrientations) {
                    RecordingSurface dc;
                    const int x = 13, y = 17, height = 60 * module;
                    DrawBarcode(dc, row.code, x, y, module, height, text, trial % 2 == 0, o, false);
                    EXPECT_EQ(dc.pushes, dc.pops);
                    const int length = BarcodeExtent(module, row.code, text);
                    const int along0 = (AdvancesAlongY(o) ? y : x) + 10 * module;
                    for (const auto& b : dc.Bars()) {
                        const int lo = AdvancesAlongY(o) ? b.top : b.left;
                        const int hi = AdvancesAlongY(o) ? b.bottom : b.right;
                        ASSERT_EQ((lo - along0) % module, 0) << row.listItem << " " << text;
                        ASSERT_EQ((hi - lo) % module, 0) << row.listItem << " " << text;
                        ASSERT_GE(lo, along0) << row.listItem << " " << text;
                        ASSERT_LE(hi, along0 + length - 20 * module) << row.listItem << " " << text;
                        const Span across = AcrossSpan({b}, o);
                        const int start = AdvancesAlongY(o) ? x : y;
                        ASSERT_GE(across.low, start);
                        ASSERT_LE(across.high, start + height);
                    }
                }
        }
}

// Module widths, heights and positions at and near the ends of the int range, and plain ones.
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kEdges[] = {kMin, kMin + 1, -1000,     -1,       0,        1,   2,
                          7,    1000,     kMax / 64, kMax / 2, kMax - 1, kMax};

// Worked out here in 64 bits and cut to the int range, as no drawing may pass it.
long long ToIntRange(long long v) {
    return std::clamp<long long>(v, kMin, kMax);
}

// Every module width against every height, at positions and with further values drawn from the
// edges or anywhere in the int range: the background is the box, every bar lies inside it, and
// (under the sanitizers) nothing overflows.
TEST(DrawBarcode, ExtremeValuesKeepEveryBarInsideTheBox) {
    std::mt19937 rng(2026);
    std::uniform_int_distribution<int> anyInt(kMin, kMax);
    std::uniform_int_distribution<std::size_t> anyEdge(0, std::size(kEdges) - 1);
    const auto pick = [&] { return rng() % 2 ? kEdges[anyEdge(rng)] : anyInt(rng); };
    constexpr std::size_t kPairs = std::size(kEdges) * std::size(kEdges);
    for (const auto& row : LinearCatalogue())
        for (Orientation o : engine::kAllOrientations)
            for (std::size_t i = 0; i < kPairs + 100; ++i) {
                const int module = i < kPairs ? kEdges[i / std::size(kEdges)] : pick();
                const int height = i < kPairs ? kEdges[i % std::size(kEdges)] : pick();
                const int x = pick(), y = pick();
                const std::string text = SampleText(row.code);
                RecordingSurface dc;
                DrawBarcode(dc, row.code, x, y, module, height, text, i % 2 == 0, o, false);
                const long long along = static_cast<long long>(module) *
                                        (testing_support::SymbolLength(row.code, text) + 20);
                const bool alongY = AdvancesAlongY(o);
                const RecordedRect box{
                    x, y, static_cast<int>(ToIntRange(x + (alongY ? height : along))),
                    static_cast<int>(ToIntRange(y + (alongY ? along : height))), Fill::White};
                SCOPED_TRACE(std::string(row.listItem) + " o" + std::to_string(int(o)) +
                             " module " + std::to_string(module) + " height " +
                             std::to_string(height) + " at " + std::to_string(x) + ", " +
                             std::to_string(y));
                ASSERT_FALSE(dc.rects.empty());
                ASSERT_EQ(dc.rects.front(), box);
                EXPECT_EQ(dc.pushes, dc.pops);
                for (const auto& b : dc.Bars()) {
                    ASSERT_LT(b.left, b.right);
                    ASSERT_LT(b.top, b.bottom);
                    ASSERT_GE(b.left, box.left);
                    ASSERT_GE(b.top, box.top);
                    ASSERT_LE(b.right, box.right);
                    ASSERT_LE(b.bottom, box.bottom);
                }
            }
}

} // namespace
