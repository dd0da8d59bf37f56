#pragma once
// Reads one barcode symbol in a picture with zxing-cpp, as a scanner would.

#include <QImage>
#include <ZXing/DecodeHints.h>

#include <string>

namespace app {

struct DecodedSymbol {
    bool found = false;
    std::string format;              // zxing-cpp's name, e.g. "Code128"
    std::string text;                // the decoded bytes
    std::string utf8;                // the same as UTF-8, after their ECI or guessed encoding
    std::string symbologyIdentifier; // e.g. "]C1" for GS1-128
    std::string addOn;               // an EAN/UPC add-on read with the main symbol
};

// zxing-cpp's reader for `formats`, trying rotations and every row as a scanner would.
ZXing::DecodeHints ScannerHints(ZXing::BarcodeFormats formats);

// Decodes one symbol of `image` (any format) as `hints` say.
DecodedSymbol ReadSymbol(const QImage& image, const ZXing::DecodeHints& hints);

} // namespace app
