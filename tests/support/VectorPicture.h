#pragma once
// SVG and PDF pictures held in memory, drawn by readers that are not ours: librsvg
// (rsvg-convert) and poppler (pdftoppm).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace testing_support {

// The picture at `dpi` on white, through files at `scratch` (a path without extension); a null
// image when the reader refuses it.
QImage RenderSvg(const QByteArray& svg, int dpi, const QString& scratch);
QImage RenderPdf(const QByteArray& pdf, int dpi, const QString& scratch);

} // namespace testing_support
