#include "engine/Barcode.h"

#include "engine/CheckDigits.h"
#include "engine/Code128.h"
#include "engine/HumanReadable.h"
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
    }
    return false;
}

// A symbol worked out once from its text, so that measuring the box and drawing the bars never
// encode twice: the Code 128 family's code characters, or the text itself for the others.
class Symbol {
  public:
    Symbol(const SymbologyInfo& row, std::string_view text)
        : row_(row), text_(text), codeChars_(row.codeChars ? row.codeChars(text) : "") {}

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
    std::string codeChars_;
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

} // namespace

int TextStripSize(SymbologyCode symbology, int module, bool showText) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || !showText) return 0;
    return MulSaturated(row->textStripModules, module);
}

int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text) {
    if (text.empty()) return Saturated(BoxLength(module, 0));
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row) return 0;
    return Saturated(BoxLength(module, Symbol(*row, text).Modules()));
}

std::string FilterBarcodeText(SymbologyCode symbology, std::string_view text) {
    const SymbologyInfo* row = FindSymbology(symbology);
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
                 std::string_view text, bool showText, Orientation orientation, bool noBackground) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || text.empty()) {
        // The background alone: the quiet zones for an empty text, nothing for an unknown code.
        const long long length = text.empty() ? BoxLength(module, 0) : 0;
        if (!noBackground) FillBox(dc, x, y, length, height, orientation);
        return;
    }
    const Symbol symbol(*row, text);
    const long long length = BoxLength(module, symbol.Modules());
    if (!noBackground) FillBox(dc, x, y, length, height, orientation);
    DrawBars(dc, *row, symbol, x, y, module, height, showText, orientation);
    if (showText && row->textSide != TextSide::None) {
        const bool alongY = AdvancesAlongY(orientation);
        const int boxWidth = alongY ? height : Saturated(length);
        const int boxHeight = alongY ? Saturated(length) : height;
        DrawHumanReadable(dc, symbology, module, orientation, text, boxHeight, boxWidth, y, x);
    }
}

} // namespace engine
