#pragma once
// --ecc and --size: a two-dimensional symbol's error correction level and symbol size.

#include "cli/CliArguments.h"
#include "engine/MatrixSymbology.h"

namespace cli {

// The options over `defaults` (a document's): --ecc takes a level the symbology lists (any
// letter case: L M Q H for QR Code, 10% 23% 36% 50% for Aztec, Auto or 0 to 8 for PDF417),
// --size a size it lists ("5" for QR version 5, "M2", "16x16") or auto. UsageError for a value
// the symbology does not list, or for either option with a symbology that takes none.
engine::SymbolOptions MatrixOptionsFrom(const CliArguments& args, engine::SymbologyCode code,
                                        const engine::SymbolOptions& defaults);

// "L, M, Q, H" and the like, for the usage text and `types`.
std::string EccChoicesText(const engine::MatrixSymbology& symbology);

} // namespace cli
