#pragma once
// The engine's outside face: draw a barcode into its box, measure the box, filter a text.

#include "engine/Symbology.h"

#include <string>
#include <string_view>

namespace engine {

inline constexpr int kQuietZoneModules = 10;

void DrawBarcode(Surface& dc, SymbologyCode symbology, int x, int y, int module, int height,
                 std::string_view text, bool showText, Orientation orientation, bool noBackground);

// Box length along the bar sequence: module × (symbol modules + 20); 0 for a code above 17
// with a text, 20 modules for an empty text.
int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text);

// What the symbology can carry of a typed text, cut to its fixed length.
std::string FilterBarcodeText(SymbologyCode symbology, std::string_view text);

// The text strip across the bars, in device units, when the text is shown.
int TextStripSize(SymbologyCode symbology, int module, bool showText);

} // namespace engine
