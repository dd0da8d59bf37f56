#pragma once
// POSTNET: tall and short bars of equal width with a check digit and no readable text.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

// Per digit 0..9, five flags read from the top bit: 1 = tall bar, 0 = short bar.
extern const std::array<std::uint8_t, 10> PostnetPatterns;

// Where a short bar begins across the sequence: the whole number nearest to 3/5 of the length.
int PostnetShortBarOffset(int barLength);

void DrawPostnet(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation);

} // namespace engine
