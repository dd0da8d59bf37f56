#include "engine/UpcEan.h"

#include "engine/CheckDigits.h"
#include "engine/HumanReadable.h"

#include <string>

namespace engine {

// ISO/IEC 15420:2009, number sets A (L), B (G) and C (R); bits 7..1 of each byte.
constexpr std::array<std::uint16_t, 10> EanPatterns{
    0b0001101'0'0100111'0, // 0
    0b0011001'0'0110011'0, // 1
    0b0010011'0'0011011'0, // 2
    0b0111101'0'0100001'0, // 3
    0b0100011'0'0011101'0, // 4
    0b0110001'0'0111001'0, // 5
    0b0101111'0'0000101'0, // 6
    0b0111011'0'0010001'0, // 7
    0b0110111'0'0001001'0, // 8
    0b0001011'0'0010111'0, // 9
};

// ISO/IEC 15420:2009, number set C, and the number sets of the left half of EAN-13 chosen by
// the leading digit (A = 0, B = 1).
constexpr std::array<std::uint16_t, 10> EanRightPatterns{
    0b1110010'0'000000'00, // 0 AAAAAA
    0b1100110'0'001011'00, // 1 AABABB
    0b1101100'0'001101'00, // 2 AABBAB
    0b1000010'0'001110'00, // 3 AABBBA
    0b1011100'0'010011'00, // 4 ABAABB
    0b1001110'0'011001'00, // 5 ABBAAB
    0b1010000'0'011100'00, // 6 ABBBAA
    0b1000100'0'010101'00, // 7 ABABAB
    0b1001000'0'010110'00, // 8 ABABBA
    0b1110100'0'011010'00, // 9 ABBABA
};

// UPC-A by character: left half from the high byte, right half from the low byte.
constexpr std::array<std::uint16_t, 12> UpcAPatterns{
    0b101'00000'101'00000, // '/' normal guard
    0b0001101'0'1110010'0, // 0
    0b0011001'0'1100110'0, // 1
    0b0010011'0'1101100'0, // 2
    0b0111101'0'1000010'0, // 3
    0b0100011'0'1011100'0, // 4
    0b0110001'0'1001110'0, // 5
    0b0101111'0'1010000'0, // 6
    0b0111011'0'1000100'0, // 7
    0b0110111'0'1001000'0, // 8
    0b0001011'0'1110100'0, // 9
    0b01010'000'01010'000, // ':' centre guard
};

// ISO/IEC 15420:2009, UPC-E parities of number system 0 by check digit (E = 1, O = 0).
constexpr std::array<std::uint8_t, 10> UpcEParity{
    0b111000'00, // 0 EEEOOO
    0b110100'00, // 1 EEOEOO
    0b110010'00, // 2 EEOOEO
    0b110001'00, // 3 EEOOOE
    0b101100'00, // 4 EOEEOO
    0b100110'00, // 5 EOOEEO
    0b100011'00, // 6 EOOOEE
    0b101010'00, // 7 EOEOEO
    0b101001'00, // 8 EOEOOE
    0b100101'00, // 9 EOOEOE
};

// ISO/IEC 15420:2009, five-digit add-on parities by checksum (G = 1, L = 0).
constexpr std::array<std::uint8_t, 10> Ext5Parity{
    0b11000'000, // 0 GGLLL
    0b10100'000, // 1 GLGLL
    0b10010'000, // 2 GLLGL
    0b10001'000, // 3 GLLLG
    0b01100'000, // 4 LGGLL
    0b00110'000, // 5 LLGGL
    0b00011'000, // 6 LLLGG
    0b01010'000, // 7 LGLGL
    0b01001'000, // 8 LGLLG
    0b00101'000, // 9 LLGLG
};

namespace {

constexpr std::uint16_t High(std::uint16_t word) {
    return word & 0xFF00u;
}
constexpr std::uint16_t Low(std::uint16_t word) {
    return static_cast<std::uint16_t>(word << 8);
}

constexpr std::uint8_t Reversed7(std::uint16_t byteInHigh) {
    std::uint8_t out = 0;
    for (int i = 0; i < kEanDigitModules; ++i)
        if (byteInHigh & (0x8000u >> i)) out |= static_cast<std::uint8_t>(0x02u << i);
    return out;
}

// The tables must agree with each other: R is L inverted, G is R reversed, UPC-A repeats L and R.
constexpr bool TablesAgree() {
    for (std::size_t d = 0; d < 10; ++d) {
        const auto l = High(EanPatterns[d]);
        const auto g = Low(EanPatterns[d]);
        const auto r = High(EanRightPatterns[d]);
        if ((l ^ r) != 0xFE00u) return false;
        if (Reversed7(r) != (g >> 8)) return false;
        if (High(UpcAPatterns[d + 1]) != l || Low(UpcAPatterns[d + 1]) != r) return false;
        if ((EanRightPatterns[d] & 0x03u) != 0 || (UpcEParity[d] & 0x03u) != 0) return false;
        if ((Ext5Parity[d] & 0x07u) != 0) return false;
    }
    return true;
}
static_assert(TablesAgree());
static_assert(UpcAPatterns.size() == ':' - '/' + 1);

struct Pattern {
    std::uint16_t bits; // first module in bit 15
    int modules;
};

constexpr Pattern kNormalGuard{0b101u << 13, 3};
constexpr Pattern kCentreGuard{0b01010u << 11, 5};
constexpr Pattern kUpcEEndGuard{0b010101u << 10, 6};
constexpr Pattern kAddOnStart{0b1011u << 12, 4};
constexpr Pattern kAddOnDelineator{0b01u << 14, 2};

void Draw(BarCursor& cursor, Pattern p) {
    cursor.Modules(p.bits, p.modules);
}
void DrawDigit(BarCursor& cursor, std::uint16_t patternInHigh) {
    cursor.Modules(patternInHigh, kEanDigitModules);
}

// 0..9, or -1 for anything else, so no table is ever indexed by a stray character.
int DigitOf(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}
// Checksums count any character as its code minus '0', as the check digits do.
int RawValue(char c) {
    return static_cast<unsigned char>(c) - '0';
}
int PositiveMod(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

// Flag `i` of flags stored from bit 7 downwards.
bool Flag(std::uint8_t flags, std::size_t i) {
    return (flags & (0x80u >> i)) != 0;
}

// Left-half digits, each L or (flag set) G; false when a non-digit stopped the drawing.
bool DrawLeftDigits(BarCursor& cursor, std::string_view digits, std::uint8_t parity) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int d = DigitOf(digits[i]);
        if (d < 0) return false;
        const auto word = EanPatterns[static_cast<std::size_t>(d)];
        DrawDigit(cursor, Flag(parity, i) ? Low(word) : High(word));
    }
    return true;
}

bool DrawRightDigits(BarCursor& cursor, std::string_view digits) {
    for (char c : digits) {
        const int d = DigitOf(c);
        if (d < 0) return false;
        DrawDigit(cursor, High(EanRightPatterns[static_cast<std::size_t>(d)]));
    }
    return true;
}

// Start 1011, then the digits separated by 01, each L or (flag set) G.
void DrawAddOn(BarCursor& cursor, std::string_view digits, std::uint8_t parity) {
    Draw(cursor, kAddOnStart);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) Draw(cursor, kAddOnDelineator);
        if (!DrawLeftDigits(cursor, digits.substr(i, 1), Flag(parity, i) ? 0x80 : 0x00)) return;
    }
}

int UpcACharModules(char c) {
    return c == '/' ? 3 : c == ':' ? 5 : kEanDigitModules;
}

} // namespace

void DrawUpcA(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation) {
    const std::string d = WithMod10Check(text, 11);
    const std::string chars = "/" + d.substr(0, 6) + ":" + d.substr(6, 6) + "/";
    constexpr std::size_t kCentre = 7;
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char c = chars[i];
        const bool guard = i == 0 || i == kCentre || i + 1 == chars.size();
        if (!guard && DigitOf(c) < 0) return;
        const auto word = UpcAPatterns[static_cast<std::size_t>(c - '/')];
        cursor.Modules(i <= kCentre ? High(word) : Low(word), UpcACharModules(c));
    }
}

void DrawEan13(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
               Orientation orientation) {
    const std::string d = WithMod10Check(text, 12);
    const int first = DigitOf(d[0]);
    if (first < 0) return;
    // The leading digit has no bars: it shows only in the parities of the left half.
    const auto parity =
        static_cast<std::uint8_t>(EanRightPatterns[static_cast<std::size_t>(first)]);
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    Draw(cursor, kNormalGuard);
    if (!DrawLeftDigits(cursor, std::string_view(d).substr(1, 6), parity)) return;
    Draw(cursor, kCentreGuard);
    if (!DrawRightDigits(cursor, std::string_view(d).substr(7, 6))) return;
    Draw(cursor, kNormalGuard);
}

void DrawEan8(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation) {
    const std::string d = WithMod10Check(text, 7);
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    Draw(cursor, kNormalGuard);
    if (!DrawLeftDigits(cursor, std::string_view(d).substr(0, 4), 0)) return;
    Draw(cursor, kCentreGuard);
    if (!DrawRightDigits(cursor, std::string_view(d).substr(4, 4))) return;
    Draw(cursor, kNormalGuard);
}

void DrawUpcE(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation) {
    const std::string d = PadLeft(std::string(text), 6, '0').substr(0, 6);
    // Number system 0 is implied: it and the check digit show only in the parities.
    const int check = DigitOf(Mod10CheckDigit(ExpandUpcE(d)));
    if (check < 0) return;
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    Draw(cursor, kNormalGuard);
    if (!DrawLeftDigits(cursor, d, UpcEParity[static_cast<std::size_t>(check)])) return;
    Draw(cursor, kUpcEEndGuard);
}

void DrawUpcExt2(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation) {
    const std::string d = PadLeft(std::string(text), 2, '0').substr(0, 2);
    const int value = 10 * RawValue(d[0]) + RawValue(d[1]);
    // Value mod 4: 0 LL, 1 LG, 2 GL, 3 GG.
    const int rest = PositiveMod(value, 4);
    const auto parity = static_cast<std::uint8_t>((rest >= 2 ? 0x80 : 0) | (rest % 2 ? 0x40 : 0));
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawAddOn(cursor, d, parity);
}

void DrawUpcExt5(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation) {
    const std::string d = PadLeft(std::string(text), 5, '0').substr(0, 5);
    const int sum = 3 * (RawValue(d[0]) + RawValue(d[2]) + RawValue(d[4])) +
                    9 * (RawValue(d[1]) + RawValue(d[3]));
    const auto checksum = static_cast<std::size_t>(PositiveMod(sum, 10));
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawAddOn(cursor, d, Ext5Parity[checksum]);
}

} // namespace engine
