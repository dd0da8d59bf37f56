#pragma once
// The two-dimensional and stacked symbologies that libzint encodes: how each is asked for,
// its quiet zone, its error correction levels and symbol sizes, and how its height is set.

#include "engine/Symbology.h"

#include <span>
#include <string>
#include <string_view>

namespace engine {

// The options a two-dimensional symbol takes; the defaults are the symbology's usual choice.
struct SymbolOptions {
    std::string ecc; // an EccChoice label ("M", "23%", "5"); empty: the usual level
    int size = 0;    // a SizeChoices position from 1; 0: the smallest symbol that holds the data

    bool operator==(const SymbolOptions&) const = default;
};

enum class MatrixShape {
    Square,  // every row one module high: the height follows from the module
    Stacked, // rows stretched to the bar height, never below their least height
};

struct EccChoice {
    std::string_view label;
    int zintValue;
};

struct MatrixSymbology {
    SymbologyCode code;
    int zintSymbology;
    bool gs1;             // data written with AIs in brackets
    bool eci;             // UTF-8 beyond ASCII is marked with ECI 26
    int quietZoneModules; // on every side
    MatrixShape shape;
    std::string_view limit; // the most the largest symbol holds, for a message
    std::span<const EccChoice> eccChoices;
    std::string_view usualEcc;
    std::span<const std::string_view> sizeChoices; // labels, position 1 is zint's option 1
};

// The row of a two-dimensional or stacked symbology, or nullptr for the linear ones.
const MatrixSymbology* FindMatrixSymbology(SymbologyCode code);

// The zint value of an ECC label for the symbology (its usual level for an empty or unknown one);
// -1 where the symbology has no choice.
int ZintEccValue(const MatrixSymbology& symbology, std::string_view label);

} // namespace engine
