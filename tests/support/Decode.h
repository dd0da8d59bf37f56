#pragma once
// Renders symbols through PainterSurface and reads them back with zxing-cpp, the independent
// decoder the tests trust.

#include "engine/Barcode.h"

#include <QImage>
#include <ZXing/BarcodeFormat.h>

#include <string>

namespace testing_support {

struct RenderRequest {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    std::string text;
    int module = 2;
    int height = 120; // across the bars, text strip included
    bool showText = true;
    engine::Orientation orientation = engine::Orientation::Deg0;
};

// The barcode box drawn on a white 1-bit image with a white margin of `margin` pixels around it.
QImage RenderBarcode(const RenderRequest& request, int margin = 20);

struct DecodeResult {
    bool found = false;
    std::string format;              // zxing-cpp's name, e.g. "Code128"
    std::string text;                // the decoded content as zxing-cpp reports it
    std::string symbologyIdentifier; // e.g. "]C1" for GS1-128
};

// Decodes one symbol of the given formats; tries rotations as a scanner would. `fullAscii`
// reads Code 39 in its full-ASCII (Extended) mode.
DecodeResult DecodeImage(const QImage& image, ZXing::BarcodeFormats formats,
                         bool fullAscii = false);

// Render + decode in one step.
DecodeResult RenderAndDecode(const RenderRequest& request, ZXing::BarcodeFormats formats,
                             bool fullAscii = false);

} // namespace testing_support
