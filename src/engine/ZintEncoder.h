#pragma once
// The one place libzint is called: a two-dimensional or stacked symbol's text to its module
// matrix. Our own drawing takes it from there, on every surface.

#include "engine/MatrixSymbology.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct SymbolMatrix {
    int rows = 0;
    int columns = 0;
    std::vector<std::uint8_t> dark; // rows × columns, row by row; 1 = dark module
    std::vector<int> rowModules;    // each row's least height in modules

    bool Dark(int row, int column) const {
        return dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                    static_cast<std::size_t>(column)] != 0;
    }
    bool Empty() const { return rows == 0 || columns == 0; }
};

struct MatrixEncoding {
    SymbolMatrix matrix; // empty when the text cannot be encoded
    std::string error;   // why not, for the status bar and the command line
};

// Encodes `text` (UTF-8, or bracketed GS1 data for the GS1 symbologies).
MatrixEncoding EncodeMatrix(const MatrixSymbology& symbology, std::string_view text,
                            const SymbolOptions& options);

} // namespace engine
