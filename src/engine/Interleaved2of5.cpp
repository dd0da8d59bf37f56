#include "engine/Interleaved2of5.h"

#include "engine/CheckDigits.h"
#include "engine/HumanReadable.h"
#include "engine/Saturating.h"

#include <algorithm>
#include <string>

namespace engine {

// ISO/IEC 16390:2007 Table 1, symbol characters as five element flags (1 = wide), top bit first;
// the start is four narrow elements and the stop a wide bar, a narrow space and a narrow bar.
constexpr std::array<std::uint8_t, 12> ItfPatterns{
    0b10100000, //  0 start   1010
    0b00110000, //  1 digit 0 NNWWN
    0b10001000, //  2 digit 1 WNNNW
    0b01001000, //  3 digit 2 NWNNW
    0b11000000, //  4 digit 3 WWNNN
    0b00101000, //  5 digit 4 NNWNW
    0b10100000, //  6 digit 5 WNWNN
    0b01100000, //  7 digit 6 NWWNN
    0b00011000, //  8 digit 7 NNNWW
    0b10010000, //  9 digit 8 WNNWN
    0b01010000, // 10 digit 9 NWNWN
    0b11101000, // 11 stop    11101
};
static_assert(ItfPatterns.size() == 12);

namespace {

constexpr int kStartModules = 4;
constexpr int kStopModules = 5;
constexpr int kElementsPerDigit = 5;
constexpr int kSsc14Digits = 13;
constexpr int kInnerQuietModules = 5;
constexpr int kBearerModules = 3;

// Every digit has exactly two wide elements, so every pair takes 18 modules.
constexpr bool HasTwoWide(std::uint8_t flags) {
    int wide = 0;
    for (int i = 0; i < 8; ++i)
        wide += (flags >> i) & 1;
    return wide == 2 && (flags & 0b111) == 0;
}
static_assert(std::all_of(ItfPatterns.begin() + 1, ItfPatterns.end() - 1, HasTwoWide));

std::uint8_t DigitFlags(char c) {
    return ItfPatterns[static_cast<std::size_t>(c - '0' + 1)];
}

void DrawSingleModules(BarCursor& cursor, int index, int count) {
    cursor.Modules(static_cast<std::uint16_t>(ItfPatterns[index] << 8), count);
}

// The first digit goes into the bars, the second into the spaces between them.
void DrawPair(BarCursor& cursor, std::uint8_t bars, std::uint8_t spaces) {
    for (int element = 0; element < kElementsPerDigit; ++element) {
        const auto flag = static_cast<std::uint8_t>(0x80u >> element);
        cursor.Bar((bars & flag) ? kItfWideModules : 1);
        cursor.Space((spaces & flag) ? kItfWideModules : 1);
    }
}

// Start, digit pairs, stop; false when a character that is not a digit stopped it at its pair.
bool DrawDigitPairs(BarCursor& cursor, std::string_view digits) {
    DrawSingleModules(cursor, kItfStartIndex, kStartModules);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        if (!IsDigit(digits[i]) || !IsDigit(digits[i + 1])) return false;
        DrawPair(cursor, DigitFlags(digits[i]), DigitFlags(digits[i + 1]));
    }
    DrawSingleModules(cursor, kItfStopIndex, kStopModules);
    return true;
}

void DrawBearerBars(Surface& dc, int x, int y, int barLength, int module, int length,
                    Orientation orientation) {
    // A box thinner than two bearers still keeps them inside the bars' length.
    const int thickness = std::min(MulSaturated(kBearerModules, module), barLength);
    const Orientation across = Crosswise(orientation);
    DrawBar(dc, x, y, thickness, length, across);
    int farX = x;
    int farY = y;
    AdvanceCursor(farX, farY, SubSaturated(barLength, thickness), across);
    DrawBar(dc, farX, farY, thickness, length, across);
}

} // namespace

std::string Interleaved2of5Digits(std::string_view text) {
    return (text.size() % 2 == 1 ? "0" : "") + std::string(text);
}

void DrawInterleaved2of5(Surface& dc, int x, int y, int barLength, int module,
                         std::string_view text, Orientation orientation) {
    const std::string digits = Interleaved2of5Digits(text);
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawDigitPairs(cursor, digits);
}

void DrawSsc14Itf(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                  Orientation orientation) {
    const std::string digits = WithMod10Check(text.substr(0, kSsc14Digits), kSsc14Digits);
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    cursor.Space(kInnerQuietModules);
    if (!DrawDigitPairs(cursor, digits)) return;
    cursor.Space(kInnerQuietModules);
    const int length =
        AdvancesAlongY(orientation) ? SubSaturated(cursor.Y(), y) : SubSaturated(cursor.X(), x);
    DrawBearerBars(dc, x, y, barLength, module, length, orientation);
}

} // namespace engine
