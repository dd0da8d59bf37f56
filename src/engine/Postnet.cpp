#include "engine/Postnet.h"

#include "engine/CheckDigits.h"
#include "engine/Units.h"

#include <string>

namespace engine {

// USPS Publication 25, POSTNET code: five bars per digit, two of them tall, top bit first.
constexpr std::array<std::uint8_t, 10> PostnetPatterns{
    0b11000000, // 0
    0b00011000, // 1
    0b00101000, // 2
    0b00110000, // 3
    0b01001000, // 4
    0b01010000, // 5
    0b01100000, // 6
    0b10001000, // 7
    0b10010000, // 8
    0b10100000, // 9
};
static_assert(PostnetPatterns.size() == 10);

namespace {

constexpr int kBarsPerDigit = 5;

void DrawFrameBar(BarCursor& cursor) {
    cursor.BarAt(1, 0, cursor.BarLength());
}

// Each bar takes a space module before it and its own module.
void DrawDigit(BarCursor& cursor, std::uint8_t flags) {
    const int shortOffset = PostnetShortBarOffset(cursor.BarLength());
    for (int bar = 0; bar < kBarsPerDigit; ++bar) {
        cursor.Space(1);
        if (flags & (0x80u >> bar))
            cursor.BarAt(1, 0, cursor.BarLength());
        else
            cursor.BarAt(1, shortOffset, cursor.BarLength() - shortOffset);
        cursor.Space(1);
    }
}

} // namespace

int PostnetShortBarOffset(int barLength) {
    // 3·L/5 is never halfway between two whole numbers, so the rounding rule cannot matter.
    return RoundHalfEven(3.0 * barLength / 5.0);
}

void DrawPostnet(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation) {
    const std::string digits = std::string(text) + PostnetCheckDigit(text);
    BarCursor cursor(dc, x, y, barLength, module, orientation);
    DrawFrameBar(cursor);
    cursor.Space(1);
    for (char c : digits) {
        if (!IsDigit(c)) return;
        DrawDigit(cursor, PostnetPatterns[static_cast<std::size_t>(c - '0')]);
    }
    cursor.Space(1);
    DrawFrameBar(cursor);
}

} // namespace engine
