#include "app/SymbolReader.h"

#include <ZXing/GTIN.h>
#include <ZXing/ReadBarcode.h>

namespace app {
namespace {

// zxing-cpp's text() is UTF-16 unless ZX_USE_UTF8 is defined; either way UTF-8 here.
[[maybe_unused]] std::string Utf8(const std::string& text) {
    return text;
}
[[maybe_unused]] std::string Utf8(const std::wstring& text) {
    return QString::fromStdWString(text).toStdString();
}

} // namespace

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
        out.utf8 = Utf8(result.text());
        out.symbologyIdentifier = result.symbologyIdentifier();
        out.addOn = ZXing::GTIN::EanAddOn(result);
    }
    return out;
}

} // namespace app
