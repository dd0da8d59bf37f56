#pragma once
// The human-readable text under or over the bars: its pieces per symbology (check digits,
// groups, prefixes), the font scaled to the module, and where each piece stands.

#include "engine/Symbology.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine {

enum class TextPlacement {
    CentredBelow,
    CentredAbove,
    StartCornerBelow,
    BeforeCentreBelow,
    AfterCentreBelow,
    EndCornerBelow,
};

struct TextPiece {
    std::string text;
    TextPlacement placement;
};

int TextCellWidth(const Surface& dc, std::string_view text);
int TextCellHeight(const Surface& dc, std::string_view text);

// Puts `fill` in front of `text` until it is `length` long; a fill of '\0' adds nothing.
std::string PadLeft(std::string text, int length, char fill);

// The pieces of text a symbology shows, in reading order (none for POSTNET or a code above 17).
std::vector<TextPiece> HumanReadablePieces(SymbologyCode symbology, std::string_view text);

// Cell height and weight of the text font for a module width.
FontSpec HumanReadableFont(SymbologyCode symbology, int module, Orientation orientation,
                           std::string face);

// Draws the pieces of the Latin-1 `text` into the barcode box of size boxWidth × boxHeight at
// (boxX, boxY).
void DrawHumanReadable(Surface& dc, SymbologyCode symbology, int module, Orientation orientation,
                       std::string_view text, int boxHeight, int boxWidth, int boxY, int boxX);

// Draws the UTF-8 `text` centred along the box's "below" edge in the font already selected.
void DrawCentredBelow(Surface& dc, std::string_view text, int module, Orientation orientation,
                      int boxHeight, int boxWidth, int boxY, int boxX);

} // namespace engine
