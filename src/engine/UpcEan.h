#pragma once
// UPC and EAN family: UPC-A, EAN-13, EAN-8, UPC-E and the 2- and 5-digit add-ons.
// Every digit is 7 modules; patterns sit in bits 7..1 of a byte, first module in bit 7.

#include "engine/BarDrawing.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

inline constexpr int kEanDigitModules = 7;

// Per digit 0-9: the L pattern (number set A) in the high byte, the G pattern (number set B)
// in the low byte.
extern const std::array<std::uint16_t, 10> EanPatterns;
// Per digit 0-9: the R pattern (number set C) in the high byte; in the low byte, bits 7..2, the
// parities of the six left-half EAN-13 digits when this digit leads (1 = G).
extern const std::array<std::uint16_t, 10> EanRightPatterns;
// Indexed by the characters '/' (guard), '0'-'9' and ':' (centre guard): L pattern (or the
// guard) in the high byte, R pattern (or the guard) in the low byte.
extern const std::array<std::uint16_t, 12> UpcAPatterns;
// Per check digit 0-9: the parities of the six UPC-E digits, number system 0, bits 7..2 (1 = G).
extern const std::array<std::uint8_t, 10> UpcEParity;
// Per checksum 0-9: the parities of the five add-on digits, bits 7..3 (1 = G).
extern const std::array<std::uint8_t, 10> Ext5Parity;

void DrawUpcA(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation);
void DrawEan13(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
               Orientation orientation);
void DrawEan8(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation);
void DrawUpcE(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
              Orientation orientation);
void DrawUpcExt2(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation);
void DrawUpcExt5(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation);

} // namespace engine
