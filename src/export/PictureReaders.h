#pragma once
// Exported files read back to pixels with each format's own reader, not with our writers: Qt's
// image readers (BMP, PNG, JPEG through libjpeg), libtiff, QSvgRenderer, poppler (PDF),
// libemf2svg and libwmf (EMF and WMF, drawn from the SVG they make of them).

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

// An SVG drawn on white at `size` pixels, or at `zoom` times its own size when `size` is empty;
// null when it cannot be parsed.
QImage RenderSvg(const QByteArray& svg, QSize size, int zoom = 1);

// The enhanced metafile turned into SVG by libemf2svg, drawn at twice the size it chooses, where
// its rounding leaves every bar its width.
QImage ReadEmf(const QByteArray& emf);

// The placeable Windows metafile turned into SVG by libwmf at `dpi`, drawn at four times that
// size, where the bars keep their widths.
QImage ReadWmf(const QByteArray& wmf, int dpi);

} // namespace exporting
