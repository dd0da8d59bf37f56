#include "export/RasterWriters.h"

#include "engine/Units.h"
#include "export/MonoBits.h"
#include "export/Picture.h"
#include "export/RowDeflate.h"
#include "export/TiffWriter.h"
#include "platform/Errors.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <zlib.h>

namespace exporting {
namespace {

int DotsPerMeter(int dpi) {
    return engine::RoundHalfEven(dpi / 0.0254);
}

template <class T> void AppendLittle(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}
template <class T> void AppendBig(QByteArray& out, T value) {
    const T big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

// --- BMP ---

constexpr int kBmpFileHeader = 14;
constexpr int kBmpInfoHeader = 40;
constexpr int kBmpPalette = 2 * 4;

void AppendBmpHeaders(QByteArray& out, const QImage& mono, int dpi, quint32 imageBytes) {
    const quint32 offset = kBmpFileHeader + kBmpInfoHeader + kBmpPalette;
    out.append("BM", 2);
    AppendLittle<quint32>(out, offset + imageBytes); // bfSize
    AppendLittle<quint32>(out, 0);                   // bfReserved1, bfReserved2
    AppendLittle<quint32>(out, offset);              // bfOffBits
    AppendLittle<quint32>(out, kBmpInfoHeader);      // biSize
    AppendLittle<qint32>(out, mono.width());
    AppendLittle<qint32>(out, mono.height()); // positive: rows bottom-up
    AppendLittle<quint16>(out, 1);            // biPlanes
    AppendLittle<quint16>(out, 1);            // biBitCount
    AppendLittle<quint32>(out, 0);            // BI_RGB
    AppendLittle<quint32>(out, imageBytes);
    AppendLittle<qint32>(out, DotsPerMeter(dpi));
    AppendLittle<qint32>(out, DotsPerMeter(dpi));
    AppendLittle<quint32>(out, 2);        // biClrUsed
    AppendLittle<quint32>(out, 2);        // biClrImportant
    AppendLittle<quint32>(out, 0x000000); // index 0: black (blue, green, red, 0)
    AppendLittle<quint32>(out, 0xFFFFFF); // index 1: white
}

// --- PNG ---

// Length, type, data and the CRC of type and data.
void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    AppendBig<quint32>(out, static_cast<quint32>(data.size()));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* typed = reinterpret_cast<const Bytef*>(out.constData() + typeAt);
    AppendBig<quint32>(
        out, static_cast<quint32>(crc32_z(0, typed, static_cast<z_size_t>(out.size() - typeAt))));
}

QByteArray PngHeader(const QImage& mono) {
    QByteArray ihdr;
    AppendBig<quint32>(ihdr, static_cast<quint32>(mono.width()));
    AppendBig<quint32>(ihdr, static_cast<quint32>(mono.height()));
    ihdr.append("\x01\x00\x00\x00\x00", 5); // 1 bit, greyscale, deflate, no filter, no interlace
    return ihdr;
}

QByteArray PngResolution(int dpi) {
    QByteArray phys;
    AppendBig<quint32>(phys, static_cast<quint32>(DotsPerMeter(dpi)));
    AppendBig<quint32>(phys, static_cast<quint32>(DotsPerMeter(dpi)));
    phys.append('\x01'); // per metre
    return phys;
}

// Each row behind filter type 0; greyscale sample 1 is white, as in the bitmap.
QByteArray PngImageData(const QImage& mono) {
    const qsizetype rowBytes = (mono.width() + 7) / 8;
    QByteArray raw(mono.height() * (rowBytes + 1), Qt::Uninitialized);
    char* out = raw.data();
    for (int y = 0; y < mono.height(); ++y) {
        *out++ = 0;
        std::memcpy(out, mono.constScanLine(y), static_cast<std::size_t>(rowBytes));
        out += rowBytes;
    }
    return DeflateRows(raw.constData(), raw.size(), rowBytes + 1);
}

} // namespace

QByteArray EncodeBmp(const QImage& mono, int dpi) {
    const qsizetype stride = ((mono.width() + 31) / 32) * 4; // rows padded to 32 bits
    const auto imageBytes = static_cast<quint32>(stride * mono.height());
    QByteArray out;
    out.reserve(kBmpFileHeader + kBmpInfoHeader + kBmpPalette + imageBytes);
    AppendBmpHeaders(out, mono, dpi, imageBytes);
    const qsizetype headers = out.size();
    out.resize(headers + imageBytes);
    // Copied row by row, bottom-up, without appending: the rows are most of the file.
    char* row = out.data() + headers;
    const uchar* bits = mono.constBits();
    const qsizetype monoStride = mono.bytesPerLine();
    for (int y = mono.height() - 1; y >= 0; --y, row += stride)
        std::memcpy(row, bits + y * monoStride, static_cast<std::size_t>(stride));
    return out;
}

QByteArray EncodePng(const QImage& mono, int dpi) {
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(out, "IHDR", PngHeader(mono));
    AppendChunk(out, "pHYs", PngResolution(dpi));
    AppendChunk(out, "IDAT", PngImageData(mono));
    AppendChunk(out, "IEND", {});
    return out;
}

QImage HalftoneBitmap(const QImage& mono) {
    QImage bitmap(mono.size(), QImage::Format_Indexed8);
    if (bitmap.isNull()) ThrowOutOfMemory(mono.size());
    // A grey ramp at both ends (black first, white last) around a 6 x 6 x 6 colour cube.
    QList<QRgb> palette(256);
    for (int i = 0; i < 20; ++i) {
        palette[i] = qRgb(i * 8, i * 8, i * 8);
        palette[255 - i] = qRgb(255 - i * 8, 255 - i * 8, 255 - i * 8);
    }
    for (int i = 0; i < 216; ++i)
        palette[20 + i] = qRgb(i / 36 * 51, i / 6 % 6 * 51, i % 6 * 51);
    bitmap.setColorTable(palette);
    bitmap.setDotsPerMeterX(mono.dotsPerMeterX());
    bitmap.setDotsPerMeterY(mono.dotsPerMeterY());
    const int endByte = (mono.width() + 7) / 8;
    for (int y = 0; y < mono.height(); ++y)
        ExpandBits(mono.constScanLine(y), bitmap.scanLine(y), 0, endByte, mono.width());
    return bitmap;
}

QByteArray EncodeTiff(const QImage& mono, int dpi) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteTiffStream(buffer, HalftoneBitmap(mono), dpi);
    return buffer.data();
}

} // namespace exporting
