#pragma once
// What the end-to-end tests read back, with readers that are not ours: barcodes with zxing-cpp,
// PDF pages drawn by poppler (pdftoppm), files as bytes.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace e2e {

// What a scanner reads in the picture; empty when it finds no Code 128 symbol.
std::string ReadCode128(const QImage& picture);

// What a scanner reads in a picture of a QR Code; empty when it finds none.
std::string ReadQrCode(const QImage& picture);

// Every Code 128 symbol a scanner finds in the picture, sorted by text.
std::vector<std::string> ReadEveryCode128(const QImage& picture);

// The file's bytes; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// An SVG drawn by librsvg at `dpi` on white; null when it cannot be drawn.
QImage SvgPicture(const QByteArray& svg, int dpi);

// Every page of the PDF drawn at `dpi`, in order; empty when poppler cannot read it.
std::vector<QImage> PdfPages(const QString& pdf, int dpi);

} // namespace e2e
