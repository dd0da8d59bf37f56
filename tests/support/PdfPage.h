#pragma once
// A printed PDF read back through poppler: a page as pixels, and the words set on it.

#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

namespace testing_support {

// Page `page` (from 1) of `pdf` as a grey picture at `dpi`, drawn by pdftoppm; a null image when
// poppler cannot read it. The picture goes through `scratch`, a file path without extension.
QImage RenderPdfPage(const QString& pdf, int page, int dpi, const QString& scratch);

struct PdfWord {
    QRectF box; // in points from the page's top-left corner
    QString text;
};

// The words pdftotext finds on page `page`, in its reading order.
std::vector<PdfWord> PdfWords(const QString& pdf, int page);

// The words whose centre lies in `area` (points), joined by spaces.
QString WordsIn(const std::vector<PdfWord>& words, const QRectF& area);

} // namespace testing_support
