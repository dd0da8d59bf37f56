#pragma once
// One barcode drawn into a 1-bit image the size of its box: the document's picture, raster
// exports and the command-line tool all start from here.

#include "engine/Barcode.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <string>

namespace platform {

struct BarcodeDrawing {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    std::string text;
    int module = 1; // device units
    int height = 1; // across the bars, text strip included, device units
    bool showText = true;
    engine::Orientation orientation = engine::Orientation::Deg0;
    QString fontFace = QStringLiteral("Courier New");
    engine::SymbolOptions options; // the two-dimensional symbols'
};

// Width × height of the barcode box in device units.
QSize BarcodeBoxSize(const BarcodeDrawing& drawing);

// The barcode box as a Format_Mono image whose colour table is {black, white}.
QImage RenderBarcodeBitmap(const BarcodeDrawing& drawing);

// Packs an 8-bit grey image into Format_Mono, colour table {black, white}: pixels darker than
// mid-grey become black.
QImage PackToMono(const QImage& grayscale);

} // namespace platform
