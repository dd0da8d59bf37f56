#include "engine/Code93.h"

#include "engine/CheckDigits.h"

namespace engine {
namespace {

constexpr std::uint16_t kSingle = 0xFF; // low byte of a character sent alone

// ANSI/AIM BC5-1995 (USS Code 93) character set: element widths bar, space, bar, space, bar,
// space in modules, one row per character value.
constexpr std::array<std::string_view, kCode93PatternCount> kCode93Widths{
    "131112",  // 0: 0
    "111213",  // 1: 1
    "111312",  // 2: 2
    "111411",  // 3: 3
    "121113",  // 4: 4
    "121212",  // 5: 5
    "121311",  // 6: 6
    "111114",  // 7: 7
    "131211",  // 8: 8
    "141111",  // 9: 9
    "211113",  // 10: A
    "211212",  // 11: B
    "211311",  // 12: C
    "221112",  // 13: D
    "221211",  // 14: E
    "231111",  // 15: F
    "112113",  // 16: G
    "112212",  // 17: H
    "112311",  // 18: I
    "122112",  // 19: J
    "132111",  // 20: K
    "111123",  // 21: L
    "111222",  // 22: M
    "111321",  // 23: N
    "121122",  // 24: O
    "131121",  // 25: P
    "212112",  // 26: Q
    "212211",  // 27: R
    "211122",  // 28: S
    "211221",  // 29: T
    "221121",  // 30: U
    "222111",  // 31: V
    "112122",  // 32: W
    "112221",  // 33: X
    "122121",  // 34: Y
    "123111",  // 35: Z
    "121131",  // 36: -
    "311112",  // 37: .
    "311211",  // 38: space
    "321111",  // 39: $
    "112131",  // 40: /
    "113121",  // 41: +
    "211131",  // 42: %
    "121221",  // 43: ($)
    "312111",  // 44: (%)
    "311121",  // 45: (/)
    "122211",  // 46: (+)
    "111141",  // 47: start/stop
    "1111411", // 48: stop with termination bar
};

constexpr int ModuleCount(std::string_view widths) {
    int modules = 0;
    for (char w : widths)
        modules += w - '0';
    return modules;
}

constexpr bool EveryCharacterIsNineModules() {
    for (std::size_t i = 0; i < kCode93FinalStop; ++i)
        if (ModuleCount(kCode93Widths[i]) != 9) return false;
    return ModuleCount(kCode93Widths[kCode93FinalStop]) == 10;
}
static_assert(EveryCharacterIsNineModules());

constexpr std::uint16_t ToPattern(std::string_view widths) {
    std::uint16_t bits = 0;
    int module = 0;
    for (std::size_t i = 0; i < widths.size(); ++i)
        for (int m = 0; m < widths[i] - '0'; ++m, ++module)
            if (i % 2 == 0) bits |= static_cast<std::uint16_t>(0x8000u >> module);
    return bits;
}

constexpr std::array<std::uint16_t, kCode93PatternCount> MakePatterns() {
    std::array<std::uint16_t, kCode93PatternCount> patterns{};
    for (std::size_t i = 0; i < patterns.size(); ++i)
        patterns[i] = ToPattern(kCode93Widths[i]);
    return patterns;
}

// The data characters in value order, the same order as Code 39's check values.
constexpr std::string_view kDataChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr std::string_view kShiftChars = "$%/+"; // values 43..46

// ANSI/AIM BC5-1995 full ASCII table, eight codes a row: a pair starts with its shift
// character, a single character is itself.
constexpr std::array<std::string_view, 128> kFullAscii{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", // 0-7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", // 8-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", // 16-23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", // 24-31
    " ",  "/A", "/B", "/C", "$",  "%",  "/F", "/G", // 32-39
    "/H", "/I", "/J", "+",  "/L", "-",  ".",  "/",  // 40-47
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

// Every entry is a data character or a shift followed by one.
constexpr bool EveryEntryResolves() {
    for (std::string_view e : kFullAscii) {
        if (e.size() == 1 && kDataChars.find(e[0]) != std::string_view::npos) continue;
        if (e.size() == 2 && kShiftChars.find(e[0]) != std::string_view::npos &&
            kDataChars.find(e[1]) != std::string_view::npos)
            continue;
        return false;
    }
    return true;
}
static_assert(EveryEntryResolves());

constexpr std::uint16_t ToMapWord(std::string_view chars) {
    if (chars.size() == 1)
        return static_cast<std::uint16_t>(kDataChars.find(chars[0]) << 8 | kSingle);
    const auto shift = kCode93ValueCount - 4 + kShiftChars.find(chars[0]);
    return static_cast<std::uint16_t>(shift << 8 | kDataChars.find(chars[1]));
}

constexpr std::array<std::uint16_t, 128> MakeMap() {
    std::array<std::uint16_t, 128> map{};
    for (std::size_t i = 0; i < map.size(); ++i)
        map[i] = ToMapWord(kFullAscii[i]);
    return map;
}

void DrawValue(BarCursor& cursor, int value) {
    if (value < 0 || value > kCode93FinalStop) return;
    const int modules = value == kCode93FinalStop ? 10 : 9;
    cursor.Modules(Code93Patterns[static_cast<std::size_t>(value)], modules);
}

} // namespace

constexpr std::array<std::uint16_t, kCode93PatternCount> Code93Patterns = MakePatterns();
static_assert(Code93Patterns[kCode93StartStop] == 0b101011110'0000000);
static_assert(Code93Patterns[kCode93FinalStop] == 0b1010111101'000000);

constexpr std::array<std::uint16_t, 128> Code93Map = MakeMap();
static_assert(Code93Map['a'] == (46 << 8 | 10));
static_assert(Code93Map['$'] == (39 << 8 | kSingle));
static_assert(Code93Map[0] == (44 << 8 | 30));

std::vector<int> Code93Values(std::string_view text) {
    std::vector<int> values;
    values.reserve(text.size() * 2);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= Code93Map.size()) break;
        values.push_back(Code93Map[c] >> 8);
        if ((Code93Map[c] & 0xFF) < kCode93ValueCount) values.push_back(Code93Map[c] & 0xFF);
    }
    return values;
}

int Code93Width(std::string_view text) {
    return static_cast<int>(Code93Values(text).size());
}

void DrawCode93(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation) {
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawValue(cursor, kCode93StartStop);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= Code93Map.size()) return; // no check characters and no stop after this
        DrawValue(cursor, Code93Map[c] >> 8);
        if ((Code93Map[c] & 0xFF) < kCode93ValueCount) DrawValue(cursor, Code93Map[c] & 0xFF);
    }
    DrawValue(cursor, Code93CheckC(text));
    DrawValue(cursor, Code93CheckK(text));
    DrawValue(cursor, kCode93FinalStop);
}

} // namespace engine
