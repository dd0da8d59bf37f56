#include "platform/BarcodeBitmap.h"

#include "platform/PainterSurface.h"

#include <QPainter>

#include <cstdint>
#include <cstring>

namespace platform {

QSize BarcodeBoxSize(const BarcodeDrawing& d) {
    const int length = engine::BarcodeExtent(d.module, d.code, d.text, d.options);
    const int across =
        engine::BarcodeBreadth(d.module, d.code, d.text, d.height, d.showText, d.options);
    return engine::AdvancesAlongY(d.orientation) ? QSize(across, length) : QSize(length, across);
}

QImage PackToMono(const QImage& grayscale) {
    const QImage gray = grayscale.format() == QImage::Format_Grayscale8
                            ? grayscale
                            : grayscale.convertToFormat(QImage::Format_Grayscale8);
    QImage mono(gray.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.setDotsPerMeterX(gray.dotsPerMeterX());
    mono.setDotsPerMeterY(gray.dotsPerMeterY());
    const int width = gray.width();
    const int wholeBytes = width / 8;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* in = gray.constScanLine(y);
        uchar* out = mono.scanLine(y);
        // The top bit of a grey value says "at least mid-grey", which is white (index 1); a
        // multiply gathers the top bits of eight pixels into one byte, first pixel highest.
        for (int byte = 0; byte < wholeBytes; ++byte, in += 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, in, sizeof eight);
            eight = (eight >> 7) & 0x0101010101010101ULL;
            out[byte] = static_cast<uchar>((eight * 0x8040201008040201ULL) >> 56);
        }
        uchar tail = 0;
        for (int bit = 0; bit < width % 8; ++bit)
            tail |= static_cast<uchar>((in[bit] & 0x80) >> bit);
        if (width % 8) out[wholeBytes] = tail;
    }
    return mono;
}

QImage RenderBarcodeBitmap(const BarcodeDrawing& d) {
    const QSize size = BarcodeBoxSize(d);
    QImage gray(size.expandedTo(QSize(1, 1)), QImage::Format_Grayscale8);
    gray.fill(255);
    {
        QPainter painter(&gray);
        PainterSurface surface(painter, d.fontFace);
        engine::DrawBarcode(surface, d.code, 0, 0, d.module, d.height, d.text, d.showText,
                            d.orientation, false, d.options);
    }
    return PackToMono(gray);
}

} // namespace platform
