#include "engine/Barcode.h"

#include "engine/CheckDigits.h"
#include "engine/Code128.h"
#include "engine/Gs1.h"
#include "engine/HumanReadable.h"
#include "engine/MatrixDrawing.h"
#include "engine/Saturating.h"

#include <cctype>

namespace engine {
namespace {

bool KeepsCharacter(const SymbologyInfo* row, unsigned char c) {
    if (c == 0) return false;
    if (!row) return true;
    switch (row->charClass) {
    case CharClass::FullAscii:
        return c <= 127;
    case CharClass::Code39Upper:
        // Not '*': it is the start/stop character alone, and readers stop at it.
        return c < 128 && Code39Chars.find(static_cast<char>(c)) != std::string_view::npos;
    case CharClass::Digits:
        return c >= '0' && c <= '9';
    case CharClass::Gs1Data:
        return c >= 32 && c <= 126;
    case CharClass::Unicode:
        return true;
    }
    return false;
}

// The length of the UTF-8 sequence starting at `at`; 0 when the bytes there are no UTF-8.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = c < 0x80                ? 1
                               : c >= 0xC2 && c < 0xE0 ? 2
                               : c >= 0xE0 && c < 0xF0 ? 3
                               : c >= 0xF0 && c < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    return length;
}

// Any text as UTF-8: a byte that starts no UTF-8 sequence is read as Latin-1, as data files are.
std::string AsUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = Utf8Length(text, at)) {
            out.append(text.substr(at, length));
            at += length;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[at++]);
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// A symbol worked out once from its text, so that measuring the box and drawing the bars never
// encode twice: the Code 128 family's code characters, a two-dimensional symbol's module matrix,
// or the text itself for the others.
class Symbol {
  public:
    Symbol(const SymbologyInfo& row, std::string_view text, const SymbolOptions& options)
        : row_(row), text_(text), matrixRow_(FindMatrixSymbology(row.code)),
          codeChars_(row.codeChars ? row.codeChars(text) : "") {
        if (matrixRow_) matrix_ = EncodeMatrix(*matrixRow_, text, options).matrix;
    }

    // A two-dimensional or stacked symbol: its matrix row; null for the linear symbols.
    const MatrixSymbology* MatrixRow() const { return matrixRow_; }
    const SymbolMatrix& Matrix() const { return matrix_; }

    int Modules() const {
        return row_.codeChars ? Code128Modules(codeChars_) : row_.symbolModules(text_);
    }

    void Draw(Surface& dc, int x, int y, int barLength, int module, Orientation o) const {
        if (row_.codeChars)
            DrawCodeChars(dc, x, y, barLength, module, codeChars_, o);
        else
            row_.draw(dc, x, y, barLength, module, text_, o);
    }

  private:
    const SymbologyInfo& row_;
    std::string_view text_;
    const MatrixSymbology* matrixRow_;
    std::string codeChars_;
    SymbolMatrix matrix_;
};

// The box length along the bars, before it is brought into the int range.
long long BoxLength(int module, int symbolModules) {
    return static_cast<long long>(module) * (symbolModules + 2LL * kQuietZoneModules);
}

// The white box, `length` along the bars and `height` across. Its far corner comes from the exact
// length, so that bars whose positions saturate still end inside it.
void FillBox(Surface& dc, int x, int y, long long length, int height, Orientation orientation) {
    const bool alongY = AdvancesAlongY(orientation);
    dc.FillRect(x, y, Saturated(x + (alongY ? height : length)),
                Saturated(y + (alongY ? length : height)), Fill::White);
}

void DrawBars(Surface& dc, const SymbologyInfo& row, const Symbol& symbol, int x, int y, int module,
              int height, bool showText, Orientation orientation) {
    const int quietZone = MulSaturated(kQuietZoneModules, module);
    const bool alongY = AdvancesAlongY(orientation);
    int barX = alongY ? x : AddSaturated(x, quietZone);
    int barY = alongY ? AddSaturated(y, quietZone) : y;
    const int strip = TextStripSize(row.code, module, showText);
    // The bars move off the text strip, which lies on the box's edge for the orientation.
    const bool above = row.textSide == TextSide::Above;
    using enum Orientation;
    if ((above && orientation == Deg0) || (!above && orientation == Deg180))
        barY = AddSaturated(barY, strip);
    if ((above && orientation == Deg270) || (!above && orientation == Deg90))
        barX = AddSaturated(barX, strip);
    symbol.Draw(dc, barX, barY, SubSaturated(height, strip), module, orientation);
}

// The box along the bars for a symbol that encodes: a matrix symbol's own, or the linear one's.
long long SymbolLength(const Symbol& symbol, int module) {
    if (!symbol.MatrixRow()) return BoxLength(module, symbol.Modules());
    if (symbol.Matrix().Empty()) return BoxLength(module, 0);
    return MatrixAlong(*symbol.MatrixRow(), symbol.Matrix(), module);
}

long long SymbolBreadth(const Symbol& symbol, int module, int height, int strip) {
    const MatrixSymbology* matrixRow = symbol.MatrixRow();
    if (!matrixRow) return height;
    if (!symbol.Matrix().Empty())
        return MatrixAcross(*matrixRow, symbol.Matrix(), module, height, strip);
    // Nothing to draw: a square symbol's box stays square, a stacked one keeps its bar height.
    return matrixRow->shape == MatrixShape::Square ? BoxLength(module, 0) : height;
}

void DrawMatrixSymbol(Surface& dc, const Symbol& symbol, SymbologyCode symbology,
                      std::string_view text, const MatrixBox& box, int module, bool showText,
                      Orientation orientation) {
    if (symbol.Matrix().Empty()) return;
    DrawMatrix(dc, *symbol.MatrixRow(), symbol.Matrix(), module, box, orientation);
    if (showText) DrawMatrixCaption(dc, symbology, text, module, box, orientation);
}

} // namespace

int TextStripSize(SymbologyCode symbology, int module, bool showText) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || !showText) return 0;
    return MulSaturated(row->textStripModules, module);
}

int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text,
                  const SymbolOptions& options) {
    if (text.empty()) return Saturated(BoxLength(module, 0));
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row) return 0;
    return Saturated(SymbolLength(Symbol(*row, text, options), module));
}

int BarcodeBreadth(int module, SymbologyCode symbology, std::string_view text, int height,
                   bool showText, const SymbolOptions& options) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || !FindMatrixSymbology(symbology)) return height;
    const Symbol symbol(*row, text, options);
    return Saturated(
        SymbolBreadth(symbol, module, height, TextStripSize(symbology, module, showText)));
}

std::string BarcodeProblem(SymbologyCode symbology, std::string_view text,
                           const SymbolOptions& options) {
    if (text.empty()) return {};
    if (const MatrixSymbology* matrixRow = FindMatrixSymbology(symbology))
        return EncodeMatrix(*matrixRow, text, options).error;
    if (symbology == SymbologyCode::Ean128 && IsBracketedGs1(text)) return ParseGs1(text).error;
    return {};
}

std::string FilterBarcodeText(SymbologyCode symbology, std::string_view text) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (row && row->charClass == CharClass::Unicode) {
        std::string utf8 = AsUtf8(text);
        std::erase(utf8, '\0');
        return utf8;
    }
    std::string kept;
    kept.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (row && row->charClass == CharClass::Code39Upper && c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        if (KeepsCharacter(row, c)) kept += static_cast<char>(c);
    }
    if (row && row->fixedLength > 0 && static_cast<int>(kept.size()) > row->fixedLength)
        kept.resize(static_cast<std::size_t>(row->fixedLength));
    return kept;
}

void DrawBarcode(Surface& dc, SymbologyCode symbology, int x, int y, int module, int height,
                 std::string_view text, bool showText, Orientation orientation, bool noBackground,
                 const SymbolOptions& options) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || text.empty()) {
        // The background alone: the quiet zones for an empty text, nothing for an unknown code.
        const long long length = text.empty() ? BoxLength(module, 0) : 0;
        const int across =
            row ? BarcodeBreadth(module, symbology, text, height, showText, options) : height;
        if (!noBackground) FillBox(dc, x, y, length, across, orientation);
        return;
    }
    const Symbol symbol(*row, text, options);
    const long long length = SymbolLength(symbol, module);
    const int strip = TextStripSize(symbology, module, showText);
    const int across = Saturated(SymbolBreadth(symbol, module, height, strip));
    if (!noBackground) FillBox(dc, x, y, length, across, orientation);
    if (symbol.MatrixRow()) {
        DrawMatrixSymbol(dc, symbol, symbology, text, {x, y, length, across, strip}, module,
                         showText, orientation);
        return;
    }
    DrawBars(dc, *row, symbol, x, y, module, height, showText, orientation);
    if (showText && row->textSide != TextSide::None) {
        const bool alongY = AdvancesAlongY(orientation);
        const int boxWidth = alongY ? height : Saturated(length);
        const int boxHeight = alongY ? Saturated(length) : height;
        DrawHumanReadable(dc, symbology, module, orientation, text, boxHeight, boxWidth, y, x);
    }
}

} // namespace engine
