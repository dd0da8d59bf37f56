#pragma once
// What a screen reader says of a document's picture, which shows no text of its own: the
// symbology, the text and what the picture scans as.

#include "app/ScanCheck.h"

#include <QString>

namespace app {

class BarcodeDocument;

// "Code 128: Tally 42. Scans as: Tally 42"; "Code 128: no text" for an empty document. Without
// a verdict (the check has not run since the last change) the description ends after the text.
QString SymbolDescription(const BarcodeDocument& document, const ScanVerdict& verdict);

} // namespace app
