#include "app/SymbolReader.h"

#include <ZXing/GTIN.h>
#include <ZXing/ReadBarcode.h>

namespace app {

ZXing::DecodeHints ScannerHints(ZXing::BarcodeFormats formats) {
    return ZXing::DecodeHints().setFormats(formats).setTryRotate(true).setTryHarder(true);
}

DecodedSymbol ReadSymbol(const QImage& image, const ZXing::DecodeHints& hints) {
    if (image.isNull()) return {};
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    DecodedSymbol out;
    out.found = result.isValid();
    if (out.found) {
        out.format = ZXing::ToString(result.format());
        const ZXing::ByteArray& bytes = result.bytes();
        out.text.assign(bytes.begin(), bytes.end());
        out.symbologyIdentifier = result.symbologyIdentifier();
        out.addOn = ZXing::GTIN::EanAddOn(result);
    }
    return out;
}

} // namespace app
