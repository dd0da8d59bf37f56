#pragma once
// The formats that keep the drawing as shapes and text: SVG, PDF and the Windows metafiles.
// Each returns the whole file image of one picture; fonts come from the batch's `fonts`.

#include "export/Picture.h"
#include "platform/PainterSurface.h"

#include <QByteArray>

namespace exporting {

// SVG: one rectangle per bar and the readable text as text, sized in millimetres from the
// resolution.
QByteArray EncodeSvg(const ExportDocument& document, const PictureGeometry& picture,
                     platform::FontCache& fonts);

// PDF through QPdfWriter: one page the size of the picture, drawn as shapes and text.
QByteArray EncodePdf(const ExportDocument& document, const PictureGeometry& picture,
                     platform::FontCache& fonts);

// The enhanced metafile, or the placeable Windows metafile when `placeable`.
QByteArray EncodeMetafile(const ExportDocument& document, const PictureGeometry& picture,
                          bool placeable, platform::FontCache& fonts);

} // namespace exporting
