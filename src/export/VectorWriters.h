#pragma once
// The formats that keep the drawing as shapes and text: SVG, PDF and the Windows metafiles.
// Each returns the whole file image of one picture.

#include "export/Picture.h"

#include <QByteArray>

namespace exporting {

// SVG: one rectangle per bar and the readable text as text, sized in millimetres from the
// resolution.
QByteArray EncodeSvg(const ExportDocument& document, const PictureGeometry& picture);

// PDF through QPdfWriter: one page the size of the picture, drawn as shapes and text.
QByteArray EncodePdf(const ExportDocument& document, const PictureGeometry& picture);

// The enhanced metafile, or the placeable Windows metafile when `placeable`.
QByteArray EncodeMetafile(const ExportDocument& document, const PictureGeometry& picture,
                          bool placeable);

} // namespace exporting
