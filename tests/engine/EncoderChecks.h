#pragma once
// What the symbology tests check over and over: the module string an encoder draws, its bars
// alike in every orientation and inside the symbol's box, BarcodeExtent against the bars that
// DrawBarcode puts down; and the texts of stray bytes they try.

#include "RecordingSurface.h"

#include "engine/Barcode.h"

#include <initializer_list>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

inline constexpr int kBarLength = 40;

// The rectangles `draw` puts down from a bar start, as spans; each must be a black bar.
std::vector<Span> DrawSpans(engine::Encoder draw, std::string_view text, int module = 1,
                            engine::Orientation o = engine::Orientation::Deg0,
                            int barLength = kBarLength);

// The module string (see ModuleString) of a symbol whose bars all cross the whole bar length.
std::string SymbolModules(engine::Encoder draw, std::string_view text, int module = 1,
                          engine::Orientation o = engine::Orientation::Deg0,
                          int barLength = kBarLength);

// A module string without the spaces after its last bar, as SymbolModules reads it.
std::string UpToLastBar(std::string modules);

// The `width` low bits of a pattern table entry, most significant first, as "1" and "0".
std::string Bits(unsigned pattern, int width);

// `draw` puts down the same bars in all four orientations; at 0° each crosses the whole bar
// length on the module grid.
void ExpectSameBarsInEveryOrientation(engine::Encoder draw, std::string_view text, int module);

// The symbol length in modules that BarcodeExtent gives a text, quiet zones left out.
int SymbolLength(engine::SymbologyCode code, std::string_view text);

// Every bar `draw` puts down lies inside the symbol: from the bar start to `symbolModules` on,
// and within the bar length across. Returns how far short of the symbol's end the bars stop.
int ExpectInsideTheSymbol(engine::Encoder draw, std::string_view text, int module,
                          engine::Orientation o, int symbolModules, int barLength = kBarLength);

// At module 2, every byte alone at 0° and between the two characters of `around` at 90°, then
// `count` texts of random bytes at 0°, 90°, 180° and 270° in turn: every bar stays inside the
// symbol that BarcodeExtent gives the text.
void ExpectAnyBytesInsideTheSymbol(engine::Encoder draw, engine::SymbologyCode code,
                                   std::string_view around, std::mt19937& random, int count);

// DrawBarcode at module 1 puts nothing down for an empty text; otherwise its bars run from the
// leading quiet zone to `gap` modules before the trailing one, as BarcodeExtent has them.
void ExpectExtentMatchesTheBars(engine::SymbologyCode code, const std::string& text, int height,
                                engine::Orientation o = engine::Orientation::Deg0,
                                bool showText = false, int gap = 0);

// Random bytes from `low` to `high`; the length, from `shortest` to `longest`, is drawn first.
std::string RandomBytes(std::mt19937& random, int shortest, int longest, int low = 0,
                        int high = 255);

// Texts no filter has seen: each byte 0-255 between each pair of `around` in turn, then 300
// texts of random bytes from `seed`, 1 to `longest` long, every second one all digits.
std::vector<std::string>
UnfilteredTexts(std::initializer_list<std::pair<const char*, const char*>> around, unsigned seed,
                int longest);

// For a code of digits: each text, drawn at module 1 to 4 and 0° to 270° in turn, keeps its bars
// inside the symbol, and they reach its end just when the first `counted` characters are digits.
void ExpectOnlyDigitsCompleteTheSymbol(engine::Encoder draw, engine::SymbologyCode code,
                                       const std::vector<std::string>& texts, int barLength,
                                       std::size_t counted = std::string::npos);

// `count` random texts, two in three of them digits, filtered for `code`, meet
// ExpectExtentMatchesTheBars at 0° to 270° in turn, every second one with its text shown.
void ExpectExtentMatchesMostlyDigits(engine::SymbologyCode code, std::mt19937& random, int count,
                                     int height);

} // namespace testing_support
