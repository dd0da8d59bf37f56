#pragma once
// One barcode picture drawn and written in one of the export formats.

#include "export/ExportFormat.h"
#include "export/Picture.h"
#include "export/RasterCanvas.h"
#include "platform/AtomicFile.h"
#include "platform/PainterSurface.h"

#include <QString>

namespace exporting {

// The format actually written: a name ending in ".wmf" (any letter case) always gets the
// placeable Windows metafile when a metafile is asked for.
ExportFormat WrittenFormat(ExportFormat chosen, const QString& path);

// Keeps the raster canvas and the sized fonts between pictures, so a batch of exports draws
// without reallocating and measures each character of a font once.
class Exporter {
  public:
    Exporter() = default;
    Exporter(const Exporter&) = delete; // the canvas refers to this exporter's fonts
    Exporter& operator=(const Exporter&) = delete;

    // Draws `document` at `module` dots per narrow bar and `dpi` and writes it to `path`.
    // Failures: platform::Failure for a picture that cannot be made (empty, too large, out of
    // memory); platform::WriteFailure when the file cannot be created, and once it is open,
    // SaveFailure for the raster formats; the earlier file at `path` is then kept.
    void Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
                const QString& path);
    // The same through `files`, which a batch keeps from one picture to the next.
    void Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
                const QString& path, platform::AtomicWriter& files);
    // The bytes Export writes for `format` itself, for a picture that goes elsewhere than a
    // file; the same failures as Export's until they are written.
    QByteArray Encoded(const ExportDocument& document, int module, int dpi, ExportFormat format);

  private:
    QByteArray Encode(const ExportDocument& document, const PictureGeometry& picture,
                      ExportFormat format);
    platform::FontCache fonts_;
    RasterCanvas canvas_{fonts_};
};

// One export with a canvas of its own.
void Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
            const QString& path);
// One picture's bytes, as Exporter::Encoded.
QByteArray ExportBytes(const ExportDocument& document, int module, int dpi, ExportFormat format);

} // namespace exporting
