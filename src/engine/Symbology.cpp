#include "engine/Symbology.h"

#include "engine/Code128.h"
#include "engine/Code39.h"
#include "engine/Code93.h"
#include "engine/Interleaved2of5.h"
#include "engine/Postnet.h"
#include "engine/UpcEan.h"

#include <algorithm>
#include <cctype>

namespace engine {
namespace {

using enum SymbologyCode;
using enum CharClass;
using enum TextSide;

template <int N> int Constant(std::string_view) {
    return N;
}
int Length(std::string_view text) {
    return static_cast<int>(text.size());
}
template <CodeCharEncoder encode> int CodeCharModules(std::string_view text) {
    return Code128Modules(encode(text));
}

const std::array<SymbologyInfo, kSymbologyCount> kCatalogue{{
    {Code128, "Code 128", 0, FullAscii, 0, 15, Below, DrawCode128,
     CodeCharModules<Code128CodeChars>, Code128CodeChars},
    {Code39, "Code 39", 1, Code39Upper, 0, 15, Below, DrawCode39,
     [](std::string_view t) { return 13 * (Length(t) + 2); }},
    {Code39Extended, "Code 39 Extended", 2, FullAscii, 0, 15, Below, DrawCode39Extended,
     [](std::string_view t) { return 13 * (2 + Code39ExtendedWidth(t)); }},
    {UpcA, "UPC A", 4, Digits, 11, 5, Below, DrawUpcA, Constant<95>},
    {Interleaved2of5, "Interleaved 2 of 5", 11, Digits, 0, 15, Below, DrawInterleaved2of5,
     [](std::string_view t) { return 9 * (Length(t) + Length(t) % 2) + 9; }},
    {Code93, "Code 93", 3, FullAscii, 0, 15, Below, DrawCode93,
     [](std::string_view t) { return 9 * Code93Width(t) + 37; }},
    {Ean13, "EAN 13", 7, Digits, 12, 5, Below, DrawEan13, Constant<95>},
    {Ean8, "EAN 8", 8, Digits, 7, 5, Below, DrawEan8, Constant<67>},
    {Ean128, "EAN 128", 6, FullAscii, 0, 15, Below, DrawEan128, CodeCharModules<Ean128CodeChars>,
     Ean128CodeChars},
    {Postnet, "POSTNET", 12, Digits, 11, 0, None, DrawPostnet,
     [](std::string_view t) { return 10 * (Length(t) + 1) + 3; }},
    {UpcE, "UPC E", 5, Digits, 6, 5, Below, DrawUpcE, Constant<51>},
    {UpcExt2, "UPC 2 digit Ext", 9, Digits, 2, 15, Above, DrawUpcExt2, Constant<20>},
    {UpcExt5, "UPC 5 digit Ext", 10, Digits, 5, 15, Above, DrawUpcExt5, Constant<47>},
    {Ssc14, "SSC-14", 13, Digits, 13, 15, Above, DrawSsc14, Constant<134>, Ssc14CodeChars},
    {Ssc14Itf, "SSC-14 (Interleaved 2 of 5)", 14, Digits, 13, 15, Below, DrawSsc14Itf,
     Constant<145>},
    {Sscc18, "SSCC-18", 15, Digits, 17, 15, Above, DrawSscc18, Constant<156>, Sscc18CodeChars},
    {Code39Mod43, "Code 39 (Mod43 Check Digit)", 16, Code39Upper, 0, 15, Below, DrawCode39Mod43,
     [](std::string_view t) { return 13 * (Length(t) + 3); }},
    {Code39Mod10, "Code 39 (Mod10 Check Digit)", 17, Code39Upper, 0, 15, Below, DrawCode39Mod10,
     [](std::string_view t) { return 13 * (Length(t) + 3); }},
    // libzint encodes these; Barcode.cpp draws them from their module matrix.
    {QrCode, "QR Code", 18, Unicode, 0, 15, Below, nullptr, nullptr},
    {MicroQrCode, "Micro QR Code", 19, Unicode, 0, 15, Below, nullptr, nullptr},
    {DataMatrix, "Data Matrix", 20, Unicode, 0, 15, Below, nullptr, nullptr},
    {Gs1DataMatrix, "GS1 DataMatrix", 21, Gs1Data, 0, 15, Below, nullptr, nullptr},
    {Pdf417, "PDF417", 22, Unicode, 0, 15, Below, nullptr, nullptr},
    {Aztec, "Aztec Code", 23, Unicode, 0, 15, Below, nullptr, nullptr},
    {DataBar, "GS1 DataBar", 24, Gs1Data, 0, 15, Below, nullptr, nullptr},
    {DataBarExpanded, "GS1 DataBar Expanded", 25, Gs1Data, 0, 15, Below, nullptr, nullptr},
}};

} // namespace

const std::array<SymbologyInfo, kSymbologyCount>& SymbologyCatalogue() {
    return kCatalogue;
}

const SymbologyInfo* FindSymbology(SymbologyCode code) {
    const auto index = static_cast<std::size_t>(code);
    return index < kCatalogue.size() ? &kCatalogue[index] : nullptr;
}

SymbologyCode ComboToSymbology(int listPosition) {
    for (const auto& row : kCatalogue)
        if (row.listPosition == listPosition) return row.code;
    return SymbologyCode::Code128;
}

int SymbologyToCombo(SymbologyCode code) {
    const SymbologyInfo* row = FindSymbology(code);
    return row ? row->listPosition : -1;
}

std::string_view CharClassHint(CharClass charClass) {
    switch (charClass) {
    case FullAscii:
        return "Alpha Numeric";
    case Code39Upper:
        return "Alpha Numeric (Upper)";
    case Digits:
        return "Numeric Only";
    case Unicode:
        return "Any Text";
    case Gs1Data:
        return "GS1 Data (AI)";
    }
    return {};
}

std::optional<SymbologyCode> SymbologyFromListItem(std::string_view item) {
    const auto sameIgnoringCase = [](std::string_view a, std::string_view b) {
        return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) {
            return std::tolower(x) == std::tolower(y);
        });
    };
    for (const auto& row : kCatalogue)
        if (sameIgnoringCase(row.listItem, item)) return row.code;
    return std::nullopt;
}

} // namespace engine
