#include "export/ClipboardForms.h"

#include "app/BarcodeDocument.h"
#include "engine/Units.h"
#include "export/ExportModel.h"
#include "export/VectorWriters.h"
#include "platform/Errors.h"

#include <algorithm>

namespace exporting {

int ClipboardModuleDots(const app::BarcodeDocument& document) {
    if (document.AutoSize()) return AutoModuleWidth(kClipboardDpi, document.Symbology());
    return std::max(engine::MilsToDots(kClipboardDpi, document.BarWidth()), 1);
}

std::unique_ptr<QMimeData> ClipboardForms(const QImage& bitmap, const ExportDocument& document,
                                          const PictureGeometry& picture) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(bitmap); // what copying the bitmap alone gives
    try {
        CheckPicture(picture, ExportFormat::Svg);
        CheckPicture(picture, ExportFormat::Pdf);
    } catch (const platform::Failure&) {
        return data; // an empty or oversized picture: the bitmap alone
    }
    platform::FontCache fonts;
    data->setData(QString::fromLatin1(kSvgMimeType), EncodeSvg(document, picture, fonts));
    data->setData(QString::fromLatin1(kPdfMimeType), EncodePdf(document, picture, fonts));
    return data;
}

std::unique_ptr<QMimeData> ClipboardForms(const app::BarcodeDocument& document) {
    const ExportDocument picture = ExportDocumentOf(document);
    return ClipboardForms(document.DocumentBitmap(), picture,
                          PictureFor(picture, ClipboardModuleDots(document), kClipboardDpi));
}

} // namespace exporting
