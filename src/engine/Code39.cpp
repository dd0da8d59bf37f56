#include "engine/Code39.h"

#include "engine/CheckDigits.h"

#include <string>

namespace engine {
namespace {

// The characters in pattern order; a character's offset here plus one is its Code39Index.
constexpr std::string_view kPatternOrder = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";
static_assert(kPatternOrder.size() == kCode39PatternCount);

constexpr int PositionOf(char c) {
    const auto offset = kPatternOrder.find(c);
    return offset == std::string_view::npos ? 0 : static_cast<int>(offset) + 1;
}

constexpr int kAsterisk = PositionOf('*');

// ISO/IEC 16388:2007 Table 1, the nine elements (bar, space, ..., bar) of each character,
// 1 = wide; one row per pattern in kPatternOrder.
constexpr std::array<std::string_view, kCode39PatternCount> kCode39Elements{
    "000110100", // 1: 0
    "100100001", // 2: 1
    "001100001", // 3: 2
    "101100000", // 4: 3
    "000110001", // 5: 4
    "100110000", // 6: 5
    "001110000", // 7: 6
    "000100101", // 8: 7
    "100100100", // 9: 8
    "001100100", // 10: 9
    "100001001", // 11: A
    "001001001", // 12: B
    "101001000", // 13: C
    "000011001", // 14: D
    "100011000", // 15: E
    "001011000", // 16: F
    "000001101", // 17: G
    "100001100", // 18: H
    "001001100", // 19: I
    "000011100", // 20: J
    "100000011", // 21: K
    "001000011", // 22: L
    "101000010", // 23: M
    "000010011", // 24: N
    "100010010", // 25: O
    "001010010", // 26: P
    "000000111", // 27: Q
    "100000110", // 28: R
    "001000110", // 29: S
    "000010110", // 30: T
    "110000001", // 31: U
    "011000001", // 32: V
    "111000000", // 33: W
    "010010001", // 34: X
    "110010000", // 35: Y
    "011010000", // 36: Z
    "010000101", // 37: -
    "110000100", // 38: .
    "011000100", // 39: space
    "010010100", // 40: * (start/stop)
    "010101000", // 41: $
    "010100010", // 42: /
    "010001010", // 43: +
    "000101010", // 44: %
};

// Narrow 1 module, wide 2, then the 1-module gap, which stays a space (bit 0).
constexpr std::uint16_t ToPattern(std::string_view elements) {
    std::uint16_t bits = 0;
    int module = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const int width = elements[i] == '1' ? 2 : 1;
        for (int m = 0; m < width; ++m, ++module)
            if (i % 2 == 0) bits |= static_cast<std::uint16_t>(0x8000u >> module);
    }
    return bits;
}

// Three wide elements of nine: 12 modules plus the gap in every character.
constexpr bool EveryCharacterIsThirteenModules() {
    for (std::string_view e : kCode39Elements) {
        int modules = 1;
        for (char w : e)
            modules += w == '1' ? 2 : 1;
        if (e.size() != 9 || modules != kCode39CharModules) return false;
    }
    return true;
}
static_assert(EveryCharacterIsThirteenModules());

constexpr std::array<std::uint16_t, kCode39PatternCount> MakePatterns() {
    std::array<std::uint16_t, kCode39PatternCount> patterns{};
    for (std::size_t i = 0; i < patterns.size(); ++i)
        patterns[i] = ToPattern(kCode39Elements[i]);
    return patterns;
}

// ISO/IEC 16388:2007 full ASCII table, eight codes a row. '-' and '.' go as /M and /N,
// which full-ASCII readers turn back into themselves.
constexpr std::array<std::string_view, 128> kFullAscii{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", // 0-7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", // 8-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", // 16-23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", // 24-31
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", // 32-39
    "/H", "/I", "/J", "/K", "/L", "/M", "/N", "/O", // 40-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  // 48-55
    "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J", // 56-63
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  // 64-71
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",  // 72-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  // 80-87
    "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O", // 88-95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", // 96-103
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", // 104-111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", // 112-119
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T", // 120-127
};

constexpr bool EveryEntryResolves() {
    for (std::string_view e : kFullAscii) {
        if (e.empty() || e.size() > 2 || PositionOf(e[0]) == 0) return false;
        if (e.size() == 2 && PositionOf(e[1]) == 0) return false;
    }
    return true;
}
static_assert(EveryEntryResolves());

constexpr std::array<std::uint16_t, 128> MakeExtMap() {
    std::array<std::uint16_t, 128> map{};
    for (std::size_t i = 0; i < map.size(); ++i) {
        const std::string_view pair = kFullAscii[i];
        const int second = pair.size() > 1 ? PositionOf(pair[1]) : 0;
        map[i] = static_cast<std::uint16_t>(PositionOf(pair[0]) << 8 | second);
    }
    return map;
}

// Draws the character at a pattern position; false for a position without a pattern.
bool DrawPosition(BarCursor& cursor, int position) {
    if (position < 1 || position > kCode39PatternCount) return false;
    cursor.Modules(Code39Patterns[static_cast<std::size_t>(position - 1)], kCode39CharModules);
    return true;
}

// "*" + data + "*"; a character without a pattern ends the symbol where it stands.
void DrawFramed(Surface& dc, int x, int y, int barLength, int module, std::string_view data,
                Orientation orientation) {
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawPosition(cursor, kAsterisk);
    for (char c : data)
        if (!DrawPosition(cursor, Code39Index(static_cast<unsigned char>(c)))) return;
    DrawPosition(cursor, kAsterisk);
}

} // namespace

constexpr std::array<std::uint16_t, kCode39PatternCount> Code39Patterns = MakePatterns();
// The digit 0: bar, space, bar, two spaces, two bars, space, two bars, space, bar, gap.
static_assert(Code39Patterns[0] == 0b1010011011010'000);
static_assert(Code39Patterns[kAsterisk - 1] == 0b1001011011010'000);

constexpr std::array<std::uint16_t, 128> Code39ExtMap = MakeExtMap();
static_assert(Code39ExtMap['a'] == (PositionOf('+') << 8 | PositionOf('A')));
static_assert(Code39ExtMap['-'] == (PositionOf('/') << 8 | PositionOf('M')));
static_assert(Code39ExtMap['Z'] == PositionOf('Z') << 8);

int Code39Index(unsigned char c) {
    if (c < ' ' || c > 'Z') return 0;
    return PositionOf(static_cast<char>(c));
}

int Code39ExtendedWidth(std::string_view text) {
    int width = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= Code39ExtMap.size()) break; // drawing stops here too
        width += (Code39ExtMap[c] & 0xFF) != 0 ? 2 : 1;
    }
    return width;
}

void DrawCode39(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation) {
    DrawFramed(dc, x, y, barLength, module, text, orientation);
}

void DrawCode39Mod43(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                     Orientation orientation) {
    const std::string data = std::string(text) + Code39CheckChar(text, 43);
    DrawFramed(dc, x, y, barLength, module, data, orientation);
}

void DrawCode39Mod10(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                     Orientation orientation) {
    const std::string data = std::string(text) + Code39CheckChar(text, 10);
    DrawFramed(dc, x, y, barLength, module, data, orientation);
}

void DrawCode39Extended(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                        Orientation orientation) {
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawPosition(cursor, kAsterisk);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= Code39ExtMap.size()) return;
        const std::uint16_t pair = Code39ExtMap[c];
        DrawPosition(cursor, pair >> 8);
        if ((pair & 0xFF) != 0) DrawPosition(cursor, pair & 0xFF);
    }
    DrawPosition(cursor, kAsterisk);
}

} // namespace engine
