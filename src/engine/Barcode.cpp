#include "engine/Barcode.h"

#include "engine/CheckDigits.h"
#include "engine/Code128.h"
#include "engine/Gs1.h"
#include "engine/HumanReadable.h"
#include "engine/MatrixDrawing.h"
#include "engine/Saturating.h"
#include "engine/Utf8.h"

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

} // namespace

void EncodedBarcode::DrawBars(Surface& dc, int x, int y, int module, int height, bool showText,
                              Orientation orientation) const {
    const SymbologyInfo& row = *row_;
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
    const int barLength = SubSaturated(height, strip);
    if (row.codeChars)
        DrawCodeChars(dc, barX, barY, barLength, module, codeChars_, orientation);
    else
        row.draw(dc, barX, barY, barLength, module, text_, orientation);
}

namespace {} // namespace

EncodedBarcode::EncodedBarcode(SymbologyCode symbology, std::string_view text,
                               const SymbolOptions& options)
    : row_(FindSymbology(symbology)), text_(text),
      matrixRow_(row_ ? FindMatrixSymbology(symbology) : nullptr) {
    if (!row_ || text_.empty()) return;
    if (row_->codeChars) codeChars_ = row_->codeChars(text_);
    if (matrixRow_) {
        MatrixEncoding encoding = EncodeMatrix(*matrixRow_, text_, options);
        matrix_ = std::move(encoding.matrix);
        problem_ = std::move(encoding.error);
    } else if (symbology == SymbologyCode::Ean128 && IsBracketedGs1(text_)) {
        problem_ = ParseGs1(text_).error;
    }
}

long long EncodedBarcode::Length(int module) const {
    if (!matrixRow_)
        return BoxLength(module,
                         row_->codeChars ? Code128Modules(codeChars_) : row_->symbolModules(text_));
    if (matrix_.Empty()) return BoxLength(module, 0);
    return MatrixAlong(*matrixRow_, matrix_, module);
}

int EncodedBarcode::Extent(int module) const {
    if (text_.empty()) return Saturated(BoxLength(module, 0));
    if (!row_) return 0;
    return Saturated(Length(module));
}

int EncodedBarcode::Breadth(int module, int height, bool showText) const {
    if (!matrixRow_) return height;
    if (!matrix_.Empty())
        return Saturated(MatrixAcross(*matrixRow_, matrix_, module, height,
                                      TextStripSize(row_->code, module, showText)));
    // Nothing to draw: a square symbol's box stays square, a stacked one keeps its bar height.
    return matrixRow_->shape == MatrixShape::Square ? Saturated(BoxLength(module, 0)) : height;
}

void EncodedBarcode::Draw(Surface& dc, int x, int y, int module, int height, bool showText,
                          Orientation orientation, bool noBackground) const {
    if (!row_ || text_.empty()) {
        // The background alone: the quiet zones for an empty text, nothing for an unknown code.
        const long long length = text_.empty() ? BoxLength(module, 0) : 0;
        if (!noBackground)
            FillBox(dc, x, y, length, Breadth(module, height, showText), orientation);
        return;
    }
    const long long length = Length(module);
    const int across = Breadth(module, height, showText);
    if (!noBackground) FillBox(dc, x, y, length, across, orientation);
    if (matrixRow_) {
        if (matrix_.Empty()) return;
        const MatrixBox box{x, y, length, across, TextStripSize(row_->code, module, showText)};
        DrawMatrix(dc, *matrixRow_, matrix_, module, box, orientation);
        if (showText) DrawMatrixCaption(dc, row_->code, text_, module, box, orientation);
        return;
    }
    DrawBars(dc, x, y, module, height, showText, orientation);
    if (showText && row_->textSide != TextSide::None) {
        const bool alongY = AdvancesAlongY(orientation);
        const int boxWidth = alongY ? height : Saturated(length);
        const int boxHeight = alongY ? Saturated(length) : height;
        DrawHumanReadable(dc, row_->code, module, orientation, text_, boxHeight, boxWidth, y, x);
    }
}

int TextStripSize(SymbologyCode symbology, int module, bool showText) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || !showText) return 0;
    return MulSaturated(row->textStripModules, module);
}

int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text,
                  const SymbolOptions& options) {
    return EncodedBarcode(symbology, text, options).Extent(module);
}

int BarcodeBreadth(int module, SymbologyCode symbology, std::string_view text, int height,
                   bool showText, const SymbolOptions& options) {
    if (!FindMatrixSymbology(symbology)) return height;
    return EncodedBarcode(symbology, text, options).Breadth(module, height, showText);
}

std::string BarcodeProblem(SymbologyCode symbology, std::string_view text,
                           const SymbolOptions& options) {
    return EncodedBarcode(symbology, text, options).Problem();
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
    EncodedBarcode(symbology, text, options)
        .Draw(dc, x, y, module, height, showText, orientation, noBackground);
}

} // namespace engine
