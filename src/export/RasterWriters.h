#pragma once
// The raster file formats, each written from the 1-bit picture (Format_Mono, colour table
// {black, white}) as one whole file image, with the resolution it was drawn at.

#include <QByteArray>
#include <QImage>

namespace exporting {

// BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, the black-and-white palette, rows bottom-up.
QByteArray EncodeBmp(const QImage& mono, int dpi);

// PNG: 1-bit greyscale with its physical resolution (pHYs).
QByteArray EncodePng(const QImage& mono, int dpi);

// JPEG through libjpeg: one greyscale component, quality 75 with baseline tables, sequential,
// the resolution in dots per inch (per centimetre above 65535). Throws platform::Failure with
// libjpeg's message when it fails.
QByteArray EncodeJpeg(const QImage& mono, int dpi);

// The 8-bit picture with a 256-colour halftone palette the TIFF is written from: black is
// index 0 and white index 255.
QImage HalftoneBitmap(const QImage& mono);

// TIFF through the system's own writer, palette layout.
QByteArray EncodeTiff(const QImage& mono, int dpi);

} // namespace exporting
