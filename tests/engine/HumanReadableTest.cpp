// The readable text: its pieces per code, its font and where each piece stands.

#include "engine/HumanReadable.h"
#include "engine/Barcode.h"

#include "RecordingSurface.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;
using enum SymbologyCode;
using enum TextPlacement;
using testing_support::RecordingSurface;

struct PiecesCase {
    SymbologyCode code;
    const char* text;
    std::vector<std::string> pieces;
};

TEST(HumanReadable, PiecesPerCode) {
    const PiecesCase cases[] = {
        {UpcA, "01234567890", {"0", "12345", "67890", "5"}},
        {UpcA, "12345", {"0", "00000", "12345", "7"}},
        {Ean13, "400638133393", {"4", "006381 333931"}},
        {UpcE, "123456", {"0", "123456", "5"}},
        {UpcE, "1", {"0", "000001", "9"}}, // expands to 00010000000
        {Ean8, "1234567", {"1234567"}},
        {UpcExt2, "7", {"7"}},
        {UpcExt5, "52495", {"52495"}},
        {Interleaved2of5, "123", {"123"}},
        {Ssc14, "1", {"(01) 0 0000000 00001 7"}},
        {Sscc18, "12345", {"(00) 0 0000000 000012345 7"}},
        {Ssc14Itf, "1", {"0 00 00000 00001 7"}},
        {Code39Mod43, "CODE39", {"CODE39  (W)"}},
        {Code39Mod10, "CODE39", {"CODE39  (5)"}},
        {Code39, "CODE39", {"CODE39"}},
        {Code128, "Hi", {"Hi"}},
        {Postnet, "12345", {}},
        {static_cast<SymbologyCode>(26), "X", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> got;
        for (const auto& p : HumanReadablePieces(c.code, c.text))
            got.push_back(p.text);
        EXPECT_EQ(got, c.pieces) << int(c.code) << " " << c.text;
    }
}

TEST(HumanReadable, CellHeightAndWeight) {
    const struct {
        int module;
        int plain;
        int shipping;
    } cases[] = {{1, 14, 13}, {2, 24, 22}, {10, 120, 110}, {3, 36, 33}};
    for (const auto& c : cases) {
        EXPECT_EQ(HumanReadableFont(Code128, c.module, Orientation::Deg0, "F").cellHeight, c.plain);
        EXPECT_EQ(HumanReadableFont(UpcA, c.module, Orientation::Deg0, "F").weight, 400);
        for (SymbologyCode code : {Ssc14, Ssc14Itf, Sscc18}) {
            EXPECT_EQ(HumanReadableFont(code, c.module, Orientation::Deg0, "F").cellHeight,
                      c.shipping);
            EXPECT_EQ(HumanReadableFont(code, c.module, Orientation::Deg0, "F").weight, 800);
        }
    }
}

TEST(HumanReadable, DrawnWithTheSurfaceFaceTurnedWithTheBarcode) {
    const int escapements[] = {0, 2700, 1800, 900};
    for (int o = 0; o < 4; ++o) {
        RecordingSurface dc;
        dc.face = "Arial";
        DrawBarcode(dc, Code128, 0, 0, 2, 100, "AB", true, static_cast<Orientation>(o), false);
        ASSERT_EQ(dc.texts.size(), 1u);
        EXPECT_EQ(dc.texts[0].font.face, "Arial");
        EXPECT_EQ(dc.texts[0].font.cellHeight, 24);
        EXPECT_EQ(dc.texts[0].font.escapement, escapements[o]);
        EXPECT_EQ(dc.pushes, 1);
        EXPECT_EQ(dc.pops, 1);
    }
}

// Surfaces take UTF-8: a linear symbology's Latin-1 text is turned into it, the UTF-8 of one that
// takes any text passes as it is.
TEST(HumanReadable, SurfacesGetUtf8) {
    const struct {
        SymbologyCode code;
        const char* text;
        std::string drawn;
    } cases[] = {{Code128, "Caf\xE9 \xB5", "Café µ"}, {QrCode, "Grüße 東京", "Grüße 東京"}};
    for (const auto& c : cases) {
        RecordingSurface dc;
        DrawBarcode(dc, c.code, 0, 0, 2, 100, c.text, true, Orientation::Deg0, false);
        ASSERT_EQ(dc.texts.size(), 1u) << int(c.code);
        EXPECT_EQ(dc.texts[0].text, c.drawn) << int(c.code);
    }
}

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
};

// Drawn from (x0, y0), `h` high, `text` makes one piece in each orientation, at `expected[o]`.
void ExpectOnePieceAt(SymbologyCode code, const char* text, int x0, int y0, int m, int h,
                      const Point (&expected)[4]) {
    for (int o = 0; o < 4; ++o) {
        RecordingSurface dc;
        DrawBarcode(dc, code, x0, y0, m, h, text, true, static_cast<Orientation>(o), false);
        ASSERT_EQ(dc.texts.size(), 1u);
        EXPECT_EQ((Point{dc.texts[0].x, dc.texts[0].y}), expected[o]) << o;
    }
}

// One centred piece below: the recording surface makes cells 12 wide per character and 24 high
// at module 2, so "ABCD" is 48 × 24.
TEST(HumanReadable, CentredBelowInEveryOrientation) {
    const int x0 = 10, y0 = 20, h = 100, m = 2;
    const int length = BarcodeExtent(m, Code128, "ABCD");
    const int cx = 48, cy = 24;
    const Point expected[] = {
        {x0 + length / 2 - cx / 2, y0 + h - cy}, // 0°: under the bars
        {x0 + cy, y0 + length / 2 - cx / 2},     // 90°: along the left edge
        {x0 + length / 2 + cx / 2, y0 + cy},     // 180°: upside down along the top
        {x0 + h - cy, y0 + length / 2 + cx / 2}, // 270°: along the right edge
    };
    ExpectOnePieceAt(Code128, "ABCD", x0, y0, m, h, expected);
}

TEST(HumanReadable, CentredAboveInEveryOrientation) {
    const int x0 = 10, y0 = 20, h = 100, m = 1;
    const int length = BarcodeExtent(m, UpcExt2, "12");
    const int cx = 2 * 7; // cell 14 high at module 1, characters 7 wide
    const Point expected[] = {
        {x0 + length / 2 - cx / 2, y0},
        {x0 + h, y0 + length / 2 - cx / 2},
        {x0 + length / 2 + cx / 2, y0 + h},
        {x0, y0 + length / 2 + cx / 2},
    };
    ExpectOnePieceAt(UpcExt2, "12", x0, y0, m, h, expected);
}

// UPC-A's four groups: start corner, before and after the centre guard, end corner.
TEST(HumanReadable, UpcAGroupsAtZeroAndOneEightyDegrees) {
    const int x0 = 0, y0 = 0, h = 80, m = 2;
    const int w = BarcodeExtent(m, UpcA, "01234567890"); // 230
    const int mid = w / 2, cy = 24, digit = 12;
    const Point upright[] = {{x0, y0 + h - cy},
                             {mid - 5 * digit - 2 * m, y0 + h - cy},
                             {mid + 2 * m, y0 + h - cy},
                             {x0 + w - digit, y0 + h - cy}};
    // Upside down: the first digit stands at the top right.
    const Point turned[] = {{x0 + w, y0 + cy},
                            {mid + 2 * m + 5 * digit, y0 + cy},
                            {mid - 2 * m, y0 + cy},
                            {x0 + digit, y0 + cy}};
    for (const auto& [o, expected] :
         {std::pair{Orientation::Deg0, upright}, {Orientation::Deg180, turned}}) {
        RecordingSurface dc;
        DrawBarcode(dc, UpcA, x0, y0, m, h, "01234567890", true, o, false);
        ASSERT_EQ(dc.texts.size(), 4u);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ((Point{dc.texts[i].x, dc.texts[i].y}), expected[i])
                << int(o) << " piece " << i;
    }
}

TEST(HumanReadable, CornersAtNinetyAndTwoSeventyDegrees) {
    const int h = 80, m = 2;
    const int length = BarcodeExtent(m, UpcA, "01234567890");
    const int cy = 24, digit = 12; // cell height and character width at module 2
    RecordingSurface at90, at270;
    DrawBarcode(at90, UpcA, 0, 0, m, h, "01234567890", true, Orientation::Deg90, false);
    DrawBarcode(at270, UpcA, 0, 0, m, h, "01234567890", true, Orientation::Deg270, false);
    ASSERT_EQ(at90.texts.size(), 4u);
    ASSERT_EQ(at270.texts.size(), 4u);
    EXPECT_EQ((Point{at90.texts[0].x, at90.texts[0].y}), (Point{cy, 0}));
    EXPECT_EQ((Point{at90.texts[3].x, at90.texts[3].y}), (Point{cy, length - digit}));
    EXPECT_EQ((Point{at270.texts[0].x, at270.texts[0].y}), (Point{h - cy, length}));
    EXPECT_EQ((Point{at270.texts[3].x, at270.texts[3].y}), (Point{h - cy, digit}));
}

TEST(HumanReadable, PadLeft) {
    EXPECT_EQ(PadLeft("12", 5, '0'), "00012");
    EXPECT_EQ(PadLeft("123456", 5, '0'), "123456");
    EXPECT_EQ(PadLeft("12", 5, '\0'), "12");
    EXPECT_EQ(PadLeft("", 3, '*'), "***");
}

} // namespace
