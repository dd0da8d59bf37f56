#pragma once
// Exported files read back to pixels with each format's own reader, not with our writers: Qt's
// image readers (BMP, PNG, JPEG through libjpeg), libtiff, QSvgRenderer, poppler (PDF),
// libemf2svg (EMF, drawn from its SVG) and libwmf (WMF, drawn by its GD back end).

#include "export/ExportFormat.h"
#include "export/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <mutex>

namespace exporting {

// poppler, libemf2svg and libwmf keep process-wide state: one of their reads at a time.
std::mutex& LibraryReaderMutex();

// The picture in the file at `path` written as `format` with the sizes of `picture`; vector
// pictures are drawn at their own resolution, so a dot stays a pixel. Null when the reader
// refuses the file.
QImage ReadExportedPicture(const QString& path, ExportFormat format,
                           const PictureGeometry& picture);

// Read with libtiff as RGBA; null when libtiff refuses the file.
QImage ReadTiff(const QString& path);

// An SVG drawn on white at `size` pixels; null when it cannot be parsed.
QImage RenderSvg(const QByteArray& svg, QSize size);

// The enhanced metafile turned into SVG by libemf2svg, drawn at `size`.
QImage ReadEmf(const QByteArray& emf, QSize size);

// The placeable Windows metafile drawn by libwmf at `dpi`.
QImage ReadWmf(const QByteArray& wmf, int dpi);

} // namespace exporting
