#pragma once
// What an export reads of a document, and the picture it becomes: sizes in dots at the chosen
// resolution, the same for every format, and the one drawing call.

#include "engine/Barcode.h"
#include "engine/Units.h"
#include "export/ExportFormat.h"

#include <QSize>
#include <QString>

#include <memory>
#include <string>

namespace exporting {

// The document's values an export uses (kept plain so the export needs no document class).
struct ExportDocument {
    engine::SymbologyCode Symbology = engine::SymbologyCode::Code128;
    std::string BarcodeText; // as stored: already filtered
    double BarHeight = 0.75; // in Unit
    engine::Unit Unit = engine::Unit::Inch;
    bool Interpret = true; // readable text shown
    engine::Orientation Rotation = engine::Orientation::Deg0;
    QString FontFace = QStringLiteral("Courier New");
    QString FileName;
    engine::SymbolOptions Options; // the two-dimensional symbols'
};

struct PictureGeometry {
    int module = 1;
    int dpi = 96;
    int across = 0; // across the bars, text room included
    int along = 0;  // along the bars, quiet zones included
    QSize size;     // width x height after rotation
    // The symbol encoded once for its sizes and its drawing (a batch draws thousands).
    std::shared_ptr<const engine::EncodedBarcode> symbol;
};

// Dots across the bars for a bar height in `unit`: truncated.
int AcrossDots(double barHeight, engine::Unit unit, int dpi);

// Auto Size: a bar of 10 mils, 22 for POSTNET, rounded half to even; never below one dot.
int AutoModuleWidth(int dpi, engine::SymbologyCode symbology);

// Sizes of the picture: the height truncates toward zero; 90 and 270 degrees swap the sides.
PictureGeometry PictureFor(const ExportDocument& document, int module, int dpi);

// Throws platform::Failure with a clear text for a text the symbology cannot encode (naming the
// limit or the bad GS1 AI) and for a picture that is empty or larger than `format` (or memory)
// can hold, before anything is drawn.
void CheckPicture(const PictureGeometry& picture, ExportFormat format);

// "Not enough memory for a picture of W x H dots".
[[noreturn]] void ThrowOutOfMemory(QSize size);

// The drawing call every format makes: the whole picture from its top left corner.
void DrawPicture(engine::Surface& surface, const ExportDocument& document,
                 const PictureGeometry& picture);

} // namespace exporting
