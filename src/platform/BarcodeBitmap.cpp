#include "platform/BarcodeBitmap.h"

#include "platform/PainterSurface.h"

#include <QPainter>

namespace platform {

QSize BarcodeBoxSize(const BarcodeDrawing& d) {
    const int length = engine::BarcodeExtent(d.module, d.code, d.text);
    return engine::AdvancesAlongY(d.orientation) ? QSize(d.height, length) : QSize(length, d.height);
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
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* in = gray.constScanLine(y);
        uchar* out = mono.scanLine(y);
        for (int byte = 0; byte < (width + 7) / 8; ++byte) {
            uchar packed = 0;
            const int first = byte * 8;
            for (int bit = 0; bit < 8 && first + bit < width; ++bit)
                if (in[first + bit] >= 128) packed |= static_cast<uchar>(0x80 >> bit);
            out[byte] = packed;
        }
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
                            d.orientation, false);
    }
    return PackToMono(gray);
}

} // namespace platform
