#include "export/TiffWriter.h"

#include "export/TiffLayout.h"
#include "platform/AtomicFile.h"
#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace exporting {
namespace {

// One written row from one scan line of the prepared picture.
using RowEncoder = void (*)(const uchar* line, int width, uchar* out);

void CopyIndices(const uchar* line, int width, uchar* out) {
    std::memcpy(out, line, static_cast<std::size_t>(width));
}

// Left pixel in the high nibble; an odd width leaves the last low nibble 0.
void PackNibbles(const uchar* line, int width, uchar* out) {
    for (int x = 0; x < width; x += 2) {
        const uchar right = x + 1 < width ? line[x + 1] : 0;
        *out++ = static_cast<uchar>(line[x] << 4 | right);
    }
}

void CopyRgb(const uchar* line, int width, uchar* out) {
    std::memcpy(out, line, 3 * static_cast<std::size_t>(width));
}

// The fourth byte is dropped, so a 32-bit picture writes as the 24-bit one would.
void PackRgb32(const uchar* line, int width, uchar* out) {
    const auto* pixels = reinterpret_cast<const QRgb*>(line);
    for (int x = 0; x < width; ++x, out += 3) {
        out[0] = static_cast<uchar>(qRed(pixels[x]));
        out[1] = static_cast<uchar>(qGreen(pixels[x]));
        out[2] = static_cast<uchar>(qBlue(pixels[x]));
    }
}

struct Picture {
    QImage image;
    int bits; // as written: 4, 8 or 24
    RowEncoder encode;
};

struct FormatRow {
    QImage::Format format;
    int bits;
    RowEncoder encode;
};

constexpr FormatRow kFormats[] = {
    {QImage::Format_Indexed8, 8, CopyIndices},
    {QImage::Format_RGB888, 24, CopyRgb},
    {QImage::Format_RGB32, 24, PackRgb32},
    {QImage::Format_ARGB32, 24, PackRgb32},
};

void CheckFitsFourBits(const QImage& image) {
    int highest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        highest = std::max<int>(highest, *std::max_element(line, line + image.width()));
    }
    if (highest > 15)
        throw platform::Failure(QCoreApplication::translate(
                                    "TiffWriter", "Cannot save a 4-bit TIFF file of a picture "
                                                  "that uses colour %1: it holds colours 0 to 15")
                                    .arg(highest));
}

Picture PreparePicture(const QImage& bitmap, TiffPaletteDepth depth) {
    if (bitmap.isNull())
        throw platform::Failure(QCoreApplication::translate(
            "TiffWriter", "There is no picture to save as a TIFF file"));
    // 1-bit pictures take the 8-bit palette layout, the one every exported TIFF file has.
    const bool mono =
        bitmap.format() == QImage::Format_Mono || bitmap.format() == QImage::Format_MonoLSB;
    const QImage image = mono ? bitmap.convertToFormat(QImage::Format_Indexed8) : bitmap;
    if (image.isNull()) throw std::bad_alloc(); // the only way the conversion fails
    const auto* row = std::ranges::find(kFormats, image.format(), &FormatRow::format);
    if (row == std::end(kFormats))
        throw platform::Failure(
            QCoreApplication::translate("TiffWriter",
                                        "Cannot save a TIFF file of a picture of %1 bits per pixel "
                                        "in this format: TIFF export takes palette pictures of 1 "
                                        "or 8 bits and RGB pictures of 24 or 32 bits")
                .arg(image.depth()));
    if (depth == TiffPaletteDepth::Bits4 && row->bits == 8) {
        CheckFitsFourBits(image);
        return {image, 4, PackNibbles};
    }
    return {image, row->bits, row->encode};
}

void Put16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8 & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Red, then green, then blue; each the 8-bit component in the high byte, so full intensity
// is 65280. Entries past the picture's colour table are black.
void PutColourMap(QByteArray& out, const QList<QRgb>& table, std::uint32_t count) {
    using Component = int (*)(QRgb);
    for (const Component component : {Component{qRed}, Component{qGreen}, Component{qBlue}})
        for (std::uint32_t i = 0; i < count; ++i)
            Put16(out, i < static_cast<std::uint32_t>(table.size())
                           ? static_cast<std::uint32_t>(component(table[i])) << 8
                           : 0);
}

// What comes before the pixels, in file order: header, colour map (palette layout),
// resolutions, bits per sample (RGB layout), software text.
QByteArray HeadBlocks(const TiffLayout& layout, const QImage& image, int dotsPerInch) {
    QByteArray out;
    out.reserve(layout.pixels);
    out.append("II", 2);
    Put16(out, 42);
    Put32(out, layout.directory);
    if (layout.colourCount > 0) PutColourMap(out, image.colorTable(), layout.colourCount);
    for (int axis = 0; axis < 2; ++axis) {
        Put32(out, static_cast<std::uint32_t>(dotsPerInch));
        Put32(out, 1);
    }
    if (layout.bitsPerSample > 0)
        for (int sample = 0; sample < 3; ++sample)
            Put16(out, 8);
    out.append(kTiffSoftware.data(), static_cast<qsizetype>(kTiffSoftware.size()));
    Q_ASSERT(out.size() == static_cast<qsizetype>(layout.pixels));
    return out;
}

// The pad byte, then the directory and the next-directory offset 0.
QByteArray TailBlocks(const TiffLayout& layout) {
    QByteArray out(layout.padBytes, '\0');
    Put16(out, kTiffEntryCount);
    for (const TiffEntry& entry : TiffDirectory(layout)) {
        Put16(out, entry.tag);
        Put16(out, static_cast<std::uint16_t>(entry.type));
        Put32(out, entry.count);
        Put32(out, entry.value); // a single SHORT lands in the first two bytes, as required
    }
    Put32(out, 0);
    return out;
}

bool WriteAll(QIODevice& out, const char* data, qint64 size) {
    return out.write(data, size) == size;
}

bool WriteAll(QIODevice& out, const QByteArray& bytes) {
    return WriteAll(out, bytes.constData(), bytes.size());
}

// Top line first, no row padding; rows go out in chunks of about 64 KiB.
bool WriteRows(QIODevice& out, const Picture& picture, const TiffLayout& layout) {
    const int height = static_cast<int>(layout.height);
    const qsizetype rowBytes = layout.rowBytes;
    const int rowsPerChunk = static_cast<int>(std::max<qsizetype>(1, 65536 / rowBytes));
    QByteArray chunk(rowsPerChunk * rowBytes, Qt::Uninitialized);
    for (int y = 0; y < height; y += rowsPerChunk) {
        const int rows = std::min(rowsPerChunk, height - y);
        for (int r = 0; r < rows; ++r)
            picture.encode(picture.image.constScanLine(y + r), picture.image.width(),
                           reinterpret_cast<uchar*>(chunk.data() + r * rowBytes));
        if (!WriteAll(out, chunk.constData(), rows * rowBytes)) return false;
    }
    return true;
}

struct Prepared {
    Picture picture;
    TiffLayout layout;
    int dotsPerInch;
};

// Everything that can refuse the picture runs here, before a byte is written.
Prepared Prepare(const QImage& bitmap, int dotsPerInch, TiffPaletteDepth depth) {
    if (dotsPerInch < 1)
        throw platform::Failure(
            QCoreApplication::translate("TiffWriter", "Cannot save a TIFF file at %1 dots per inch")
                .arg(dotsPerInch));
    Picture picture = PreparePicture(bitmap, depth);
    const TiffLayout layout = LayOutTiff(picture.bits, bitmap.width(), bitmap.height());
    return {std::move(picture), layout, dotsPerInch};
}

bool Write(QIODevice& out, const Prepared& p) {
    return WriteAll(out, HeadBlocks(p.layout, p.picture.image, p.dotsPerInch)) &&
           WriteRows(out, p.picture, p.layout) && WriteAll(out, TailBlocks(p.layout));
}

std::string DeviceName(const QIODevice& device) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file && !file->fileName().isEmpty()
               ? file->fileName().toStdString()
               : QCoreApplication::translate("TiffWriter", "the TIFF stream").toStdString();
}

} // namespace

void WriteTiffStream(QIODevice& out, const QImage& bitmap, int dotsPerInch,
                     TiffPaletteDepth paletteDepth) {
    if (!Write(out, Prepare(bitmap, dotsPerInch, paletteDepth)))
        throw platform::WriteFailure(DeviceName(out));
}

void WriteTiffFile(const QString& path, const QImage& bitmap, int dotsPerInch,
                   TiffPaletteDepth paletteDepth) {
    const Prepared prepared = Prepare(bitmap, dotsPerInch, paletteDepth);
    platform::WriteFileAtomically(
        path, [&](QIODevice& device) { return Write(device, prepared); },
        platform::Durability::Renamed);
}

} // namespace exporting
