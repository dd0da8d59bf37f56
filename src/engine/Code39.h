#pragma once
// Code 39 family: plain Code 39, with a modulo-43 or modulo-10 check character, and Extended
// (full ASCII sent as pairs). 13 modules per character: wide elements of 2 modules plus a gap.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

inline constexpr int kCode39PatternCount = 44;
inline constexpr int kCode39CharModules = 13;

// 0-9, A-Z, '-', '.', space, '*', '$', '/', '+', '%': 13 modules from bit 15 down, 1 = bar.
extern const std::array<std::uint16_t, kCode39PatternCount> Code39Patterns;
// For ASCII 0..127: Code39Index position of the first character in the high byte, of the
// second in the low byte (0 = none).
extern const std::array<std::uint16_t, 128> Code39ExtMap;

// Positions counted from 1 in the pattern table, for characters space (32) to 'Z' (90); 0 = none.
int Code39Index(unsigned char c);
// The number of Code 39 characters Extended sends for the text (1 or 2 per character).
int Code39ExtendedWidth(std::string_view text);

void DrawCode39(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation);
void DrawCode39Mod43(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                     Orientation orientation);
void DrawCode39Mod10(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                     Orientation orientation);
void DrawCode39Extended(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                        Orientation orientation);

} // namespace engine
