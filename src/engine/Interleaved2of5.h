#pragma once
// Interleaved 2 of 5 and SSC-14 on Interleaved 2 of 5 (with bearer bars); wide elements are
// three modules.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Read from the top bit: 0 start (single modules), 1..10 the digits 0..9 (five flags, 1 = wide),
// 11 stop (single modules).
extern const std::array<std::uint8_t, 12> ItfPatterns;

inline constexpr int kItfStartIndex = 0;
inline constexpr int kItfStopIndex = 11;
inline constexpr int kItfWideModules = 3;

// The digits the bars carry: digits travel in pairs, so an odd count gets a leading zero.
std::string Interleaved2of5Digits(std::string_view text);

void DrawInterleaved2of5(Surface& dc, int x, int y, int barLength, int module,
                         std::string_view text, Orientation orientation);
void DrawSsc14Itf(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                  Orientation orientation);

} // namespace engine
