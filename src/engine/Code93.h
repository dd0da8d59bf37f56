#pragma once
// Code 93 in full-ASCII mode: characters outside the 43 basic ones go as shift pairs, two check
// characters follow the data, and the stop ends with a termination bar.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace engine {

// Values 0..42 are the data characters, 43..46 the shifts ($), (%), (/), (+).
inline constexpr int kCode93ValueCount = 47;
inline constexpr int kCode93StartStop = 47; // 9 modules
inline constexpr int kCode93FinalStop = 48; // the stop and its termination bar, 10 modules
inline constexpr int kCode93PatternCount = 49;

// One 16-bit word per value, then start/stop and final stop; first module in bit 15, 1 = bar.
extern const std::array<std::uint16_t, kCode93PatternCount> Code93Patterns;
// For ASCII 0..127: the first value in the high byte, the second in the low byte; a low byte of
// 47 or more means a single character.
extern const std::array<std::uint16_t, 128> Code93Map;

// The Code 93 character values (0..46) the text maps to; stops before a character of 128 or more.
std::vector<int> Code93Values(std::string_view text);
// How many Code 93 characters the text maps to.
int Code93Width(std::string_view text);

void DrawCode93(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation);

} // namespace engine
