#include "engine/Barcode.h"

#include "engine/CheckDigits.h"
#include "engine/HumanReadable.h"

#include <cctype>
#include <limits>

namespace engine {
namespace {

bool KeepsCharacter(const SymbologyInfo* row, unsigned char c) {
    if (c == 0) return false;
    if (!row) return true;
    switch (row->charClass) {
    case CharClass::FullAscii:
        return c <= 127;
    case CharClass::Code39Upper:
        return c == '*' ||
               (c < 128 && Code39Chars.find(static_cast<char>(c)) != std::string_view::npos);
    case CharClass::Digits:
        return c >= '0' && c <= '9';
    }
    return false;
}

// Saturating product, so absurd module widths cannot overflow a box length.
int ClampedProduct(long long a, long long b) {
    const long long p = a * b;
    if (p > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (p < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(p);
}

} // namespace

int TextStripSize(SymbologyCode symbology, int module, bool showText) {
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || !showText) return 0;
    return row->textStripModules * module;
}

int BarcodeExtent(int module, SymbologyCode symbology, std::string_view text) {
    if (text.empty()) return ClampedProduct(module, 2 * kQuietZoneModules);
    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row) return 0;
    return ClampedProduct(module, row->symbolModules(text) + 2 * kQuietZoneModules);
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
    const int length = BarcodeExtent(module, symbology, text);
    const bool alongY = AdvancesAlongY(orientation);
    const int boxWidth = alongY ? height : length;
    const int boxHeight = alongY ? length : height;
    if (!noBackground) dc.FillRect(x, y, x + boxWidth, y + boxHeight, Fill::White);

    const SymbologyInfo* row = FindSymbology(symbology);
    if (!row || text.empty()) return;

    int barX = x + (alongY ? 0 : kQuietZoneModules * module);
    int barY = y + (alongY ? kQuietZoneModules * module : 0);
    const int strip = TextStripSize(symbology, module, showText);
    // The bars move off the text strip, which lies on the box's edge for the orientation.
    const bool above = row->textSide == TextSide::Above;
    using enum Orientation;
    if (above && orientation == Deg0) barY += strip;
    if (above && orientation == Deg270) barX += strip;
    if (!above && orientation == Deg90) barX += strip;
    if (!above && orientation == Deg180) barY += strip;

    row->draw(dc, barX, barY, height - strip, module, text, orientation);
    if (showText && row->textSide != TextSide::None)
        DrawHumanReadable(dc, symbology, module, orientation, text, boxHeight, boxWidth, y, x);
}

} // namespace engine
