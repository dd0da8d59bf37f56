// Two-dimensional symbols: boxes, quiet zones, rotations and the texts they refuse.

#include "RecordingSurface.h"
#include "engine/Barcode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace engine;
using enum SymbologyCode;
using testing_support::RecordingSurface;

// Symbol sizes as ISO/IEC 18004 (QR version 1: 21 modules; Micro QR M2: 13), ISO/IEC 16022
// (10 x 10 for 3 digits) and ISO/IEC 24778 (compact 15 x 15) give them, plus quiet zones.
struct BoxCase {
    SymbologyCode code;
    const char* text;
    int along;  // modules, quiet zones included
    int across; // modules, without text
};

const BoxCase kBoxCases[] = {
    {QrCode, "HELLO", 21 + 2 * 4, 21 + 2 * 4},
    {MicroQrCode, "12345", 11 + 2 * 2, 11 + 2 * 2},
    {DataMatrix, "123", 10 + 2 * 1, 10 + 2 * 1},
    {Aztec, "A", 15, 15},
};

TEST(MatrixSymbol, BoxIsTheSymbolWithItsQuietZone) {
    for (const auto& c : kBoxCases)
        for (int module : {1, 3}) {
            EXPECT_EQ(BarcodeExtent(module, c.code, c.text), module * c.along) << c.text;
            EXPECT_EQ(BarcodeBreadth(module, c.code, c.text, 999, false), module * c.across)
                << c.text;
            // Shown text takes a strip below and as much room above, keeping the symbol centred.
            EXPECT_EQ(BarcodeBreadth(module, c.code, c.text, 999, true),
                      module * (c.across + 2 * 15))
                << c.text;
        }
}

TEST(MatrixSymbol, StackedSymbolsTakeTheBarHeightButNeverLessThanTheirRows) {
    // zint's DataBar row is 50 modules high; a quiet module above and below.
    EXPECT_EQ(BarcodeBreadth(2, DataBar, "(01)09506000134352", 500, false), 500);
    EXPECT_EQ(BarcodeBreadth(2, DataBar, "(01)09506000134352", 10, false), 2 * (50 + 2));
    const int pdf = BarcodeBreadth(1, Pdf417, "PDF417", 1, false);
    EXPECT_EQ(BarcodeBreadth(1, Pdf417, "PDF417", pdf, false), pdf); // taken again: the same
    EXPECT_EQ((pdf - 4) % 3, 0) << "rows three modules high";
}

// Every module lies inside the quiet zone, in every orientation, and the four orientations are
// the same modules turned.
TEST(MatrixSymbol, ModulesStayInsideTheQuietZoneInEveryOrientation) {
    const int m = 2, x = 5, y = 7;
    for (const auto& c : kBoxCases) {
        std::vector<long long> areas;
        for (Orientation o : kAllOrientations) {
            RecordingSurface dc;
            DrawBarcode(dc, c.code, x, y, m, 0, c.text, false, o, true);
            const int along = m * c.along, across = m * c.across;
            const int width = AdvancesAlongY(o) ? across : along;
            const int height = AdvancesAlongY(o) ? along : across;
            ASSERT_FALSE(dc.rects.empty()) << c.text;
            long long area = 0;
            for (const auto& r : dc.rects) {
                EXPECT_GE(r.left, x) << c.text;
                EXPECT_GE(r.top, y) << c.text;
                EXPECT_LE(r.right, x + width) << c.text;
                EXPECT_LE(r.bottom, y + height) << c.text;
                EXPECT_EQ(r.Width() % m, 0) << c.text;
                area += static_cast<long long>(r.Width()) * r.Height();
            }
            areas.push_back(area);
        }
        EXPECT_EQ(std::count(areas.begin(), areas.end(), areas.front()), 4) << c.text;
    }
}

struct ProblemCase {
    const char* source;
    SymbologyCode code;
    std::string text;
    SymbolOptions options;
    const char* problem; // empty: encodes
};

TEST(MatrixSymbol, TextsTheSymbologyCannotCarryAreRefusedWithTheLimit) {
    const ProblemCase cases[] = {
        {"Micro QR holds 35 digits", MicroQrCode, std::string(35, '7'), {}, ""},
        {"36 digits are too many",
         MicroQrCode,
         std::string(36, '7'),
         {},
         "The text is too long for Micro QR Code: it holds at most 35 digits, 21 letters or 15 "
         "bytes"},
        {"a chosen version too small",
         QrCode,
         std::string(30, 'x'),
         {"H", 1},
         "The text is too long for QR Code (1)"},
        {"QR beyond version 40",
         QrCode,
         std::string(3000, 'x'),
         {},
         "The text is too long for "
         "QR Code: it holds at most 7089 digits, 4296 letters or 2953 bytes"},
        {"GS1 check digit",
         Gs1DataMatrix,
         "(01)09506000134353",
         {},
         "AI (01) has the check digit 3 where 2 belongs"},
        {"DataBar holds one GTIN",
         DataBar,
         "(10)AB",
         {},
         "GS1 DataBar holds one GTIN, (01) and 14 digits"},
        {"EAN 128 in brackets is checked",
         Ean128,
         "(17)261331",
         {},
         "AI (17) holds 261331, which is no date (YYMMDD)"},
        {"EAN 128 without brackets is data", Ean128, "17)261331", {}, ""},
        {"empty text", QrCode, "", {}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarcodeProblem(c.code, c.text, c.options), c.problem) << c.source;
        if (*c.problem == '\0' || c.text.empty()) continue;
        RecordingSurface dc; // nothing but the white box is drawn
        DrawBarcode(dc, c.code, 0, 0, 1, 50, c.text, true, Orientation::Deg0, false, c.options);
        ASSERT_EQ(dc.rects.size(), 1u) << c.source;
        EXPECT_EQ(dc.rects[0].fill, Fill::White) << c.source;
    }
}

} // namespace
