#include "support/Decode.h"

#include "platform/BarcodeBitmap.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>

namespace testing_support {

QImage RenderBarcode(const RenderRequest& r, int margin) {
    platform::BarcodeDrawing drawing;
    drawing.code = r.code;
    drawing.text = r.text;
    drawing.module = r.module;
    drawing.height = r.height;
    drawing.showText = r.showText;
    drawing.orientation = r.orientation;
    const QImage box = platform::RenderBarcodeBitmap(drawing);
    QImage framed(box.width() + 2 * margin, box.height() + 2 * margin, QImage::Format_Grayscale8);
    framed.fill(255);
    QPainter painter(&framed);
    painter.drawImage(margin, margin, box);
    painter.end();
    return platform::PackToMono(framed);
}

DecodeResult DecodeImage(const QImage& image, ZXing::BarcodeFormats formats, bool fullAscii) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(formats);
    hints.setTryRotate(true);
    hints.setTryHarder(true);
    hints.setTryCode39ExtendedMode(fullAscii);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    DecodeResult out;
    out.found = result.isValid();
    if (out.found) {
        out.format = ZXing::ToString(result.format());
        const ZXing::ByteArray& bytes = result.bytes();
        out.text.assign(bytes.begin(), bytes.end());
        out.symbologyIdentifier = result.symbologyIdentifier();
    }
    return out;
}

DecodeResult RenderAndDecode(const RenderRequest& request, ZXing::BarcodeFormats formats,
                             bool fullAscii) {
    return DecodeImage(RenderBarcode(request), formats, fullAscii);
}

} // namespace testing_support
