#include "platform/ZplLabel.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// Counts of one digit: G to Y say 1 to 19, g to z 20 to 400 in steps of 20; they add up.
constexpr int kLargeStep = 20;
constexpr int kLargestCount = 400; // 'z'

void AppendCount(QByteArray& out, int count) {
    while (count >= kLargestCount) {
        out += 'z';
        count -= kLargestCount;
    }
    if (count >= kLargeStep) out += static_cast<char>('g' + count / kLargeStep - 1);
    if (count % kLargeStep > 0) out += static_cast<char>('G' + count % kLargeStep - 1);
}

// A row as hexadecimal digits, a whole number of bytes, 1 = black; dots past the picture's
// width are white.
QByteArray HexRow(const QImage& picture, int y, int bytesPerRow, bool monoBlackIsOne) {
    const uchar* row = picture.constScanLine(y);
    QByteArray hex(2 * bytesPerRow, '0');
    const int width = picture.width();
    for (int byte = 0; byte < bytesPerRow; ++byte) {
        int value = 0;
        if (picture.format() == QImage::Format_Grayscale8) {
            for (int bit = 0, x = 8 * byte; bit < 8 && x < width; ++bit, ++x)
                if (row[x] < 128) value |= 0x80 >> bit;
        } else {
            value = monoBlackIsOne ? row[byte] : ~row[byte] & 0xFF;
            if (8 * byte + 8 > width) value &= 0xFF << (8 * byte + 8 - width);
        }
        hex[2 * byte] = kHexDigits[value >> 4];
        hex[2 * byte + 1] = kHexDigits[value & 0xF];
    }
    return hex;
}

// Bars run across many rows: a row whose dots are those of the row above needs no hex digits.
bool SameAsRowAbove(const QImage& picture, int y) {
    const qsizetype used = picture.format() == QImage::Format_Grayscale8
                               ? picture.width()
                               : (picture.width() + 7) / 8;
    return y > 0 && std::memcmp(picture.constScanLine(y), picture.constScanLine(y - 1),
                                static_cast<std::size_t>(used)) == 0;
}

bool MonoBlackIsOne(const QImage& picture) {
    return picture.format() == QImage::Format_Mono && picture.colorCount() == 2 &&
           qGray(picture.color(1)) < qGray(picture.color(0));
}

} // namespace

QByteArray CompressZplRow(const QByteArray& hex, const QByteArray& above) {
    if (hex == above) return QByteArrayLiteral(":");
    qsizetype end = hex.size();
    while (end > 0 && hex[end - 1] == '0')
        --end;
    QByteArray out;
    for (qsizetype i = 0; i < end;) {
        qsizetype run = 1;
        while (i + run < end && hex[i + run] == hex[i])
            ++run;
        if (run > 1) AppendCount(out, static_cast<int>(run));
        out += hex[i];
        i += run;
    }
    if (end < hex.size()) out += ',';
    return out;
}

QByteArray ZplLabel(const QImage& picture) {
    const int bytesPerRow = (picture.width() + 7) / 8;
    const long long total = static_cast<long long>(bytesPerRow) * picture.height();
    const bool blackIsOne = MonoBlackIsOne(picture);
    QByteArray out = "^XA^PW" + QByteArray::number(picture.width()) + "^LL" +
                     QByteArray::number(picture.height()) + "^LH0,0^FO0,0^GFA," +
                     QByteArray::number(total) + ',' + QByteArray::number(total) + ',' +
                     QByteArray::number(bytesPerRow) + ',';
    QByteArray above;
    for (int y = 0; y < picture.height(); ++y) {
        if (SameAsRowAbove(picture, y)) {
            out += ':';
            continue;
        }
        QByteArray hex = HexRow(picture, y, bytesPerRow, blackIsOne);
        out += CompressZplRow(hex, above);
        above = std::move(hex);
    }
    out += "^FS^XZ\n";
    return out;
}

} // namespace platform
