#include "engine/HumanReadable.h"

#include "engine/CheckDigits.h"
#include "engine/Saturating.h"
#include "engine/Utf8.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

using enum TextPlacement;

// 1-based, inclusive substring as the grouping rules count; safe past the end.
std::string Sub(const std::string& s, std::size_t first, std::size_t last) {
    if (first > s.size()) return {};
    return s.substr(first - 1, last - first + 1);
}

// "(ai) " + the container digits grouped as first, next `middle`, next `tail`, check.
std::string ShippingCaption(std::string_view ai, std::string_view text, std::size_t digits,
                            std::size_t middle, std::size_t tail) {
    const std::string s = std::string(ai) + WithMod10Check(text, digits);
    const std::size_t m = 4 + middle;
    return "(" + std::string(ai) + ") " + Sub(s, 3, 3) + " " + Sub(s, 4, m - 1) + " " +
           Sub(s, m, m + tail - 1) + " " + Sub(s, m + tail, m + tail);
}

// Along the bars, which end reading starts from, and which edge across the box the text
// sits against, for each orientation.
struct OrientationFrame {
    bool vertical;    // the sequence runs along y
    int readingSign;  // +1: reading starts at the low-coordinate end
    bool textEdgeFar; // the "below" edge is the bottom or right edge of the box
};

constexpr std::array<OrientationFrame, 4> kFrames{{
    {false, +1, true},  // 0°: reads left to right, text along the bottom
    {true, +1, false},  // 90°: reads top to bottom, text along the left
    {false, -1, false}, // 180°: reads right to left, text along the top
    {true, -1, true},   // 270°: reads bottom to top, text along the right
}};

struct Point {
    int x;
    int y;
};

struct Box {
    int x0, y0, width, height;
};

// Worked out in 64 bits: a box at the edge of the coordinate range, or a text longer than the
// box, puts the text at the range's edge instead of overflowing.
Point ReferencePoint(TextPlacement placement, const OrientationFrame& f, const Box& box, int cx,
                     int cy, int module) {
    const long long alongStart = f.vertical ? box.y0 : box.x0;
    const long long alongLength = f.vertical ? box.height : box.width;
    const long long alongEnd = alongStart + alongLength;
    const long long mid = alongStart + alongLength / 2;
    const long long acrossStart = f.vertical ? box.x0 : box.y0;
    const long long acrossLength = f.vertical ? box.width : box.height;
    const long long s = f.readingSign;

    long long along = mid;
    switch (placement) {
    case CentredBelow:
    case CentredAbove:
        along = mid - s * (cx / 2);
        break;
    case BeforeCentreBelow:
        along = mid - s * (cx + 2LL * module);
        break;
    case AfterCentreBelow:
        along = mid + s * 2 * module;
        break;
    case StartCornerBelow:
        along = s > 0 ? alongStart : alongEnd;
        break;
    case EndCornerBelow:
        along = (s > 0 ? alongEnd : alongStart) - s * cx;
        break;
    }
    long long across = 0;
    if (placement == CentredAbove)
        across = f.textEdgeFar ? acrossStart : acrossStart + acrossLength;
    else
        across = f.textEdgeFar ? acrossStart + acrossLength - cy : acrossStart + cy;
    return f.vertical ? Point{Saturated(across), Saturated(along)}
                      : Point{Saturated(along), Saturated(across)};
}

} // namespace

int TextCellWidth(const Surface& dc, std::string_view text) {
    return dc.MeasureText(text).width;
}
int TextCellHeight(const Surface& dc, std::string_view text) {
    return dc.MeasureText(text).height;
}

std::string PadLeft(std::string text, int length, char fill) {
    if (fill == '\0' || static_cast<int>(text.size()) >= length) return text;
    return std::string(static_cast<std::size_t>(length) - text.size(), fill) + text;
}

std::vector<TextPiece> HumanReadablePieces(SymbologyCode symbology, std::string_view text) {
    using enum SymbologyCode;
    const std::string plain(text);
    switch (symbology) {
    case Code128:
    case Code39:
    case Code39Extended:
    case Interleaved2of5:
    case Code93:
    case Ean8:
    case Ean128:
    case QrCode:
    case MicroQrCode:
    case DataMatrix:
    case Gs1DataMatrix:
    case Pdf417:
    case Aztec:
    case DataBar:
    case DataBarExpanded:
        return {{plain, CentredBelow}};
    case UpcExt2:
    case UpcExt5:
        return {{plain, CentredAbove}};
    case UpcA: {
        const std::string s = WithMod10Check(text, 11);
        return {{Sub(s, 1, 1), StartCornerBelow},
                {Sub(s, 2, 6), BeforeCentreBelow},
                {Sub(s, 7, 11), AfterCentreBelow},
                {Sub(s, 12, 12), EndCornerBelow}};
    }
    case Ean13: {
        const std::string s = WithMod10Check(text, 12);
        return {{Sub(s, 1, 1), StartCornerBelow},
                {Sub(s, 2, 7) + " " + Sub(s, 8, 13), CentredBelow}};
    }
    case UpcE: {
        const std::string d = PadLeft(plain, 6, '0');
        return {{"0", StartCornerBelow},
                {d, CentredBelow},
                {std::string(1, Mod10CheckDigit(ExpandUpcE(d))), EndCornerBelow}};
    }
    case Ssc14:
        return {{ShippingCaption("01", text, 13, 7, 5), CentredAbove}};
    case Sscc18:
        return {{ShippingCaption("00", text, 17, 7, 9), CentredAbove}};
    case Ssc14Itf: {
        const std::string s = WithMod10Check(text, 13);
        return {{Sub(s, 1, 1) + " " + Sub(s, 2, 3) + " " + Sub(s, 4, 8) + " " + Sub(s, 9, 13) +
                     " " + Sub(s, 14, 14),
                 CentredBelow}};
    }
    case Code39Mod43:
    case Code39Mod10: {
        const int modulus = symbology == Code39Mod43 ? 43 : 10;
        return {{plain + "  (" + Code39CheckChar(text, modulus) + ")", CentredBelow}};
    }
    case Postnet:
        break;
    }
    return {};
}

FontSpec HumanReadableFont(SymbologyCode symbology, int module, Orientation orientation,
                           std::string face) {
    using enum SymbologyCode;
    constexpr std::array<int, 4> kEscapements{0, 2700, 1800, 900};
    FontSpec font;
    font.face = std::move(face);
    const bool shipping = symbology == Ssc14 || symbology == Ssc14Itf || symbology == Sscc18;
    if (shipping) {
        font.cellHeight = std::max(MulSaturated(11, module), 13);
        font.weight = 800;
    } else {
        const int cell = MulSaturated(12, module);
        font.cellHeight = cell <= 12 ? 14 : cell;
        font.weight = 400;
    }
    const auto index = static_cast<std::size_t>(orientation);
    font.escapement = index < kEscapements.size() ? kEscapements[index] : 0;
    return font;
}

namespace {

void DrawPiece(Surface& dc, const TextPiece& piece, int module, Orientation orientation,
               const Box& box) {
    const auto index = static_cast<std::size_t>(orientation);
    const OrientationFrame& frame = kFrames[index < kFrames.size() ? index : 0];
    const TextExtent extent = dc.MeasureText(piece.text);
    const Point p =
        ReferencePoint(piece.placement, frame, box, extent.width, extent.height, module);
    dc.DrawText(p.x, p.y, piece.text);
}

} // namespace

void DrawHumanReadable(Surface& dc, SymbologyCode symbology, int module, Orientation orientation,
                       std::string_view text, int boxHeight, int boxWidth, int boxY, int boxX) {
    const ScopedFont font(dc, HumanReadableFont(symbology, module, orientation, dc.FontFace()));
    const Box box{boxX, boxY, boxWidth, boxHeight};
    // The linear symbologies' texts are Latin-1; surfaces take UTF-8.
    for (const TextPiece& piece : HumanReadablePieces(symbology, text))
        DrawPiece(dc, {Latin1ToUtf8(piece.text), piece.placement}, module, orientation, box);
}

void DrawCentredBelow(Surface& dc, std::string_view text, int module, Orientation orientation,
                      int boxHeight, int boxWidth, int boxY, int boxX) {
    DrawPiece(dc, {std::string(text), CentredBelow}, module, orientation,
              {boxX, boxY, boxWidth, boxHeight});
}

} // namespace engine
