#pragma once
// The engine's outside face: draw a barcode into its box, measure the box, filter a text.

#include "engine/MatrixSymbology.h"
#include "engine/Symbology.h"
#include "engine/ZintEncoder.h"

#include <string>
#include <string_view>

namespace engine {

inline constexpr int kQuietZoneModules = 10;

// A barcode encoded once from its text, so that measuring its box and drawing it never encode
// twice: the Code 128 family's code characters, a two-dimensional symbol's module matrix, or the
// text itself for the others. The free functions below each encode anew.
class EncodedBarcode {
  public:
    EncodedBarcode(SymbologyCode symbology, std::string_view text,
                   const SymbolOptions& options = {});

    int Extent(int module) const;                             // as BarcodeExtent
    int Breadth(int module, int height, bool showText) const; // as BarcodeBreadth
    const std::string& Problem() const { return problem_; }   // as BarcodeProblem
    void Draw(Surface& dc, int x, int y, int module, int height, bool showText,
              Orientation orientation, bool noBackground) const; // as DrawBarcode

  private:
    long long Length(int module) const;
    void DrawBars(Surface& dc, int x, int y, int module, int height, bool showText,
                  Orientation orientation) const;

    const SymbologyInfo* row_;
    std::string text_;
    const MatrixSymbology* matrixRow_;
    std::string codeChars_;
    SymbolMatrix matrix_;
    std::string problem_;
};

// `height` is the box across the bars as BarcodeBreadth gives it (for a linear symbol, the bar
// height with its text strip); `options` matter only for the two-dimensional symbols.
void DrawBarcode(Surface& dc, SymbologyCode symbology, int x, int y, int module, int height,
                 std::string_view text, bool showText, Orientation orientation, bool noBackground,
                 const SymbolOptions& options = {});

// Box length along the bar sequence: module × (symbol modules + 20) for a linear symbol, the
// symbol with its quiet zones for a two-dimensional one; 0 for a code beyond the catalogue with
// a text, 20 modules for an empty text or a text the symbology cannot encode.
int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text,
                  const SymbolOptions& options = {});

// The box across the bars for a bar height of `height` (text strip included): the height
// itself for a linear symbol; for a square two-dimensional one its own height with quiet zones
// and text strip (the height plays no part); for a stacked one the height, or the least height
// of its rows when that is more. Taking it again as the height gives the same box.
int BarcodeBreadth(int module, SymbologyCode symbology, std::string_view text, int height,
                   bool showText, const SymbolOptions& options = {});

// Why the symbology cannot encode a (filtered) text: a message naming the limit or the bad GS1
// AI; empty when it can. Linear symbols other than bracketed EAN 128 data always can.
std::string BarcodeProblem(SymbologyCode symbology, std::string_view text,
                           const SymbolOptions& options = {});

// What the symbology can carry of a typed text, cut to its fixed length.
std::string FilterBarcodeText(SymbologyCode symbology, std::string_view text);

// The text strip across the bars, in device units, when the text is shown.
int TextStripSize(SymbologyCode symbology, int module, bool showText);

} // namespace engine
