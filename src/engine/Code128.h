#pragma once
// Code 128 family: Code 128, EAN 128 (GS1-128), SSC-14 and SSCC-18, all drawn from one table.

#include "engine/BarDrawing.h"

#include <string>
#include <string_view>

namespace engine {

// A code character is held as a byte: its code value (0..106) plus this offset.
inline constexpr int kCodeCharOffset = 32;

enum Code128Value : int {
    kShift = 98,
    kCodeC = 99,
    kCodeB = 100,
    kCodeA = 101,
    kFnc1 = 102,
    kStartA = 103,
    kStartB = 104,
    kStartC = 105,
    kStop = 106,
};

// The byte used for a character that no code set can carry; drawing stops at it.
inline constexpr char kInvalidCodeChar = static_cast<char>(0xFF);

// 'A', 'B' or 'C'.
char Code128StartSet(std::string_view text);
// The code characters from the start character to STOP inclusive, in time linear in the text.
std::string EncodeCode128(std::string_view text, bool fnc1);

// The code characters each member of the family draws from its text.
std::string Code128CodeChars(std::string_view text);
std::string Ean128CodeChars(std::string_view text); // FNC1 first
std::string Ssc14CodeChars(std::string_view text);
std::string Sscc18CodeChars(std::string_view text);

// A symbol's length: 11 modules per code character and 2 for the stop's final bar.
int Code128Modules(std::string_view codeChars);
// Draws code characters from the bar start; drawing stops at the first invalid one.
void DrawCodeChars(Surface& dc, int x, int y, int barLength, int module, std::string_view chars,
                   Orientation orientation);

void DrawCode128(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                 Orientation orientation);
void DrawEan128(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation);
void DrawSsc14(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
               Orientation orientation);
void DrawSscc18(Surface& dc, int x, int y, int barLength, int module, std::string_view text,
                Orientation orientation);

} // namespace engine
