#include "engine/MatrixDrawing.h"

#include "engine/HumanReadable.h"
#include "engine/Saturating.h"

#include <algorithm>
#include <numeric>

namespace engine {
namespace {

long long RowsModules(const SymbolMatrix& matrix) {
    return std::accumulate(matrix.rowModules.begin(), matrix.rowModules.end(), 0LL);
}

// A rectangle in the symbol's own frame: u along the reading direction, v down across it.
struct Span {
    long long u0, u1, v0, v1;
};

// The symbol frame turned into the device frame as the linear symbols turn: 90° reads top to
// bottom with the text on the left, 180° upside down, 270° bottom to top with the text right.
void FillTurned(Surface& dc, const MatrixBox& box, const Span& s, Orientation o) {
    const long long x = box.x;
    const long long y = box.y;
    const long long l = box.along;
    const long long b = box.across;
    long long left = x + s.u0, right = x + s.u1, top = y + s.v0, bottom = y + s.v1;
    switch (o) {
    case Orientation::Deg0:
        break;
    case Orientation::Deg90:
        left = x + b - s.v1, right = x + b - s.v0, top = y + s.u0, bottom = y + s.u1;
        break;
    case Orientation::Deg180:
        left = x + l - s.u1, right = x + l - s.u0, top = y + b - s.v1, bottom = y + b - s.v0;
        break;
    case Orientation::Deg270:
        left = x + s.v0, right = x + s.v1, top = y + l - s.u1, bottom = y + l - s.u0;
        break;
    }
    dc.FillRect(Saturated(left), Saturated(top), Saturated(right), Saturated(bottom), Fill::Black);
}

} // namespace

long long MatrixAlong(const MatrixSymbology& symbology, const SymbolMatrix& matrix, int module) {
    return static_cast<long long>(module) * (matrix.columns + 2LL * symbology.quietZoneModules);
}

long long MatrixAcross(const MatrixSymbology& symbology, const SymbolMatrix& matrix, int module,
                       int height, int strip) {
    const long long own =
        static_cast<long long>(module) * (RowsModules(matrix) + 2LL * symbology.quietZoneModules) +
        strip;
    // A square symbol keeps as much room above it as its text takes below, so that it stays in
    // the middle of its box, where readers start looking for it.
    return symbology.shape == MatrixShape::Square ? own + strip : std::max<long long>(own, height);
}

void DrawMatrix(Surface& dc, const MatrixSymbology& symbology, const SymbolMatrix& matrix,
                int module, const MatrixBox& box, Orientation orientation) {
    const long long quiet = static_cast<long long>(module) * symbology.quietZoneModules;
    const long long top = symbology.shape == MatrixShape::Square ? quiet + box.strip : quiet;
    const long long rowsHeight = std::max(0LL, box.across - box.strip - top - quiet);
    const long long total = std::max(1LL, RowsModules(matrix));
    long long above = 0; // row modules above the current row
    for (int r = 0; r < matrix.rows; ++r) {
        // Rows share the height in proportion to their least heights, ending on whole units.
        const long long v0 = top + rowsHeight * above / total;
        above += matrix.rowModules[static_cast<std::size_t>(r)];
        const long long v1 = top + rowsHeight * above / total;
        for (int c = 0; c < matrix.columns;) {
            if (!matrix.Dark(r, c)) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < matrix.columns && matrix.Dark(r, c))
                ++c;
            FillTurned(dc, box,
                       {quiet + static_cast<long long>(module) * start,
                        quiet + static_cast<long long>(module) * c, v0, v1},
                       orientation);
        }
    }
}

void DrawMatrixCaption(Surface& dc, SymbologyCode symbology, std::string_view text, int module,
                       const MatrixBox& box, Orientation orientation) {
    FontSpec font = HumanReadableFont(symbology, module, orientation, dc.FontFace());
    int width = 0;
    {
        const ScopedFont measuring(dc, font);
        width = dc.MeasureText(text).width;
    }
    if (width > box.along && width > 0)
        font.cellHeight = std::max(1, static_cast<int>(font.cellHeight * box.along / width));
    const bool alongY = AdvancesAlongY(orientation);
    const int along = Saturated(box.along);
    const int across = Saturated(box.across);
    const ScopedFont drawing(dc, font);
    DrawCentredBelow(dc, text, module, orientation, alongY ? along : across,
                     alongY ? across : along, box.y, box.x);
}

} // namespace engine
