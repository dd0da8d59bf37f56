#pragma once
// A module matrix drawn into its barcode box: square modules of the module width (rows of a
// stacked symbol stretched to the bar height), the quiet zone on every side, the readable text
// under it, and the four orientations of the linear symbols.

#include "engine/BarDrawing.h"
#include "engine/MatrixSymbology.h"
#include "engine/ZintEncoder.h"

namespace engine {

// The box along the reading direction, quiet zones included.
long long MatrixAlong(const MatrixSymbology& symbology, const SymbolMatrix& matrix, int module);

// The box across it: the symbol's own height with its quiet zones and text strip for the square
// symbols; at least that, or `height` when it is more, for the stacked ones.
long long MatrixAcross(const MatrixSymbology& symbology, const SymbolMatrix& matrix, int module,
                       int height, int strip);

struct MatrixBox {
    int x = 0;
    int y = 0;
    long long along = 0;
    long long across = 0;
    int strip = 0; // text strip at the box's "below" edge
};

void DrawMatrix(Surface& dc, const MatrixSymbology& symbology, const SymbolMatrix& matrix,
                int module, const MatrixBox& box, Orientation orientation);

// The readable text under the symbol, its font no taller than 12 modules and narrowed until the
// text fits the box; `text` is UTF-8, as the surfaces take it.
void DrawMatrixCaption(Surface& dc, SymbologyCode symbology, std::string_view text, int module,
                       const MatrixBox& box, Orientation orientation);

} // namespace engine
