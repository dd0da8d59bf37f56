#pragma once
// The catalogue of the symbologies: internal codes (the stored values), the main
// window's list items and positions, character classes, fixed lengths and text strips.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The internal code of a symbology; documents store these numbers.
enum class SymbologyCode : std::uint8_t {
    Code128 = 0,
    Code39 = 1,
    Code39Extended = 2,
    UpcA = 3,
    Interleaved2of5 = 4,
    Code93 = 5,
    Ean13 = 6,
    Ean8 = 7,
    Ean128 = 8,
    Postnet = 9,
    UpcE = 10,
    UpcExt2 = 11,
    UpcExt5 = 12,
    Ssc14 = 13,
    Ssc14Itf = 14,
    Sscc18 = 15,
    Code39Mod43 = 16,
    Code39Mod10 = 17,
    // Two-dimensional and stacked symbols, encoded by libzint (see MatrixSymbology.h).
    QrCode = 18,
    MicroQrCode = 19,
    DataMatrix = 20,
    Gs1DataMatrix = 21,
    Pdf417 = 22,
    Aztec = 23,
    DataBar = 24,
    DataBarExpanded = 25,
};

inline constexpr int kSymbologyCount = 26;

// Unicode: any text, kept as UTF-8. Gs1Data: printable ASCII, AIs in brackets.
enum class CharClass { FullAscii, Code39Upper, Digits, Unicode, Gs1Data };

enum class TextSide { None, Below, Above };

// Every encoder draws its symbol from the bar start with bars `barLength` long.
using Encoder = void (*)(Surface& dc, int x, int y, int barLength, int module,
                         std::string_view text, Orientation orientation);
// Symbol length in modules, quiet zones excluded, for a non-empty text.
using SymbolModuleCount = int (*)(std::string_view text);
// The code characters the Code 128 family draws from (see Code128.h).
using CodeCharEncoder = std::string (*)(std::string_view text);

struct SymbologyInfo {
    SymbologyCode code;
    std::string_view listItem;
    int listPosition;
    CharClass charClass;
    int fixedLength;      // 0: any length
    int textStripModules; // across the bars, when the text is shown
    TextSide textSide;
    Encoder draw;
    SymbolModuleCount symbolModules;
    // The Code 128 family's code characters, so that DrawBarcode encodes a text once and both
    // measures and draws from them; null for the other codes, which draw from the text.
    CodeCharEncoder codeChars = nullptr;
};

// The catalogue row of a code, or nullptr for a code beyond the catalogue.
const SymbologyInfo* FindSymbology(SymbologyCode code);
const std::array<SymbologyInfo, kSymbologyCount>& SymbologyCatalogue();

// The main window's type list: position to code (no selection, -1, gives Code 128) and back.
SymbologyCode ComboToSymbology(int listPosition);
int SymbologyToCombo(SymbologyCode code);

// "Alpha Numeric", "Alpha Numeric (Upper)" or "Numeric Only".
std::string_view CharClassHint(CharClass charClass);

// A list item text in any letter case ("ean 13") to its code.
std::optional<SymbologyCode> SymbologyFromListItem(std::string_view item);

} // namespace engine
