#pragma once
// What Copy puts on the clipboard: the document's bitmap as it is shown, and beside it the
// barcode as SVG and PDF at its true physical size (the document's module width in mils), so
// that a drawing or office program pastes sharp bars.

#include "export/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QMimeData>

#include <memory>

namespace app {
class BarcodeDocument;
}

namespace exporting {

inline constexpr char kSvgMimeType[] = "image/svg+xml";
inline constexpr char kPdfMimeType[] = "application/pdf";
// At 1000 dots per inch a dot is a mil, so the module width in mils is whole dots.
inline constexpr int kClipboardDpi = 1000;

// The module width the vector forms take: Auto Size's 10 mils (22 for POSTNET), else the
// document's width in mils, at kClipboardDpi; at least one dot.
int ClipboardModuleDots(const app::BarcodeDocument& document);

// The bitmap as an image, the SVG and the PDF of `picture`.
std::unique_ptr<QMimeData> ClipboardForms(const QImage& bitmap, const ExportDocument& document,
                                          const PictureGeometry& picture);
// The same for a document, as Copy puts it on the clipboard.
std::unique_ptr<QMimeData> ClipboardForms(const app::BarcodeDocument& document);

} // namespace exporting
