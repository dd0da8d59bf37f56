#include "export/TiffLayout.h"

#include "platform/Errors.h"

#include <QCoreApplication>

#include <limits>
#include <string>

namespace exporting {
namespace {

constexpr std::uint64_t kHeaderSize = 8;
constexpr std::uint64_t kRationalSize = 8;
constexpr std::uint64_t kBitsPerSampleSize = 3 * 2; // 8, 8, 8 as SHORTs
constexpr int kMaxSide = 65535;                     // ImageWidth and ImageLength are SHORTs

enum Tag : std::uint16_t {
    NewSubfileType = 254,
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    Compression = 259,
    PhotometricInterpretation = 262,
    StripOffsets = 273,
    SamplesPerPixel = 277,
    RowsPerStrip = 278,
    StripByteCounts = 279,
    XResolution = 282,
    YResolution = 283,
    PlanarConfiguration = 284,
    ResolutionUnit = 296,
    Software = 305,
    ColorMap = 320,
};

constexpr std::uint32_t kNoCompression = 1;
constexpr std::uint32_t kRgb = 2;
constexpr std::uint32_t kPalette = 3;
constexpr std::uint32_t kChunky = 1;
constexpr std::uint32_t kInch = 2;

// "Cannot save a TIFF file of a picture W x H pixels: <why>".
platform::Failure SizeFailure(int width, int height, const QString& why) {
    return platform::Failure(
        QCoreApplication::translate("TiffLayout",
                                    "Cannot save a TIFF file of a picture %1 x %2 pixels: %3")
            .arg(QString::number(width), QString::number(height), why));
}

std::uint32_t RowBytes(int bitsPerPixel, int width) {
    const auto w = static_cast<std::uint32_t>(width);
    switch (bitsPerPixel) {
    case 4:
        return (w + 1) / 2; // two pixels a byte; an odd width leaves the last nibble 0
    case 8:
        return w;
    case 24:
        return 3 * w;
    }
    throw platform::Failure(
        QCoreApplication::translate("TiffLayout", "Cannot save a TIFF file with %1 bits per pixel")
            .arg(bitsPerPixel));
}

std::array<TiffEntry, kTiffEntryCount> PaletteDirectory(const TiffLayout& l) {
    using enum TiffType;
    return {{
        {NewSubfileType, Long, 1, 0},
        {ImageWidth, Short, 1, l.width},
        {ImageLength, Short, 1, l.height},
        {BitsPerSample, Short, 1, static_cast<std::uint32_t>(l.bitsPerPixel)},
        {Compression, Short, 1, kNoCompression},
        {PhotometricInterpretation, Short, 1, kPalette},
        {StripOffsets, Long, 1, l.pixels},
        {SamplesPerPixel, Short, 1, 1},
        {RowsPerStrip, Long, 1, l.height},
        {StripByteCounts, Long, 1, l.pixelBytes},
        {XResolution, Rational, 1, l.xResolution},
        {YResolution, Rational, 1, l.yResolution},
        {ResolutionUnit, Short, 1, kInch},
        {Software, Ascii, kTiffSoftware.size(), l.software},
        {ColorMap, Short, 3 * l.colourCount, l.colourMap},
    }};
}

std::array<TiffEntry, kTiffEntryCount> RgbDirectory(const TiffLayout& l) {
    using enum TiffType;
    return {{
        {NewSubfileType, Long, 1, 0},
        {ImageWidth, Short, 1, l.width},
        {ImageLength, Short, 1, l.height},
        {BitsPerSample, Short, 3, l.bitsPerSample},
        {Compression, Short, 1, kNoCompression},
        {PhotometricInterpretation, Short, 1, kRgb},
        {StripOffsets, Long, 1, l.pixels},
        {SamplesPerPixel, Short, 1, 3},
        {RowsPerStrip, Long, 1, l.height},
        {StripByteCounts, Long, 1, l.pixelBytes},
        {XResolution, Rational, 1, l.xResolution},
        {YResolution, Rational, 1, l.yResolution},
        {PlanarConfiguration, Short, 1, kChunky},
        {ResolutionUnit, Short, 1, kInch},
        {Software, Ascii, kTiffSoftware.size(), l.software},
    }};
}

} // namespace

TiffLayout LayOutTiff(int bitsPerPixel, int width, int height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        throw SizeFailure(
            width, height,
            QCoreApplication::translate("TiffLayout", "TIFF allows 1 to 65535 each way"));
    TiffLayout l;
    l.bitsPerPixel = bitsPerPixel;
    l.width = static_cast<std::uint32_t>(width);
    l.height = static_cast<std::uint32_t>(height);
    l.rowBytes = RowBytes(bitsPerPixel, width);
    const bool palette = bitsPerPixel != 24;
    l.colourCount = palette ? 1u << bitsPerPixel : 0;

    // The blocks in file order; the ones before the pixels are small, so only the strip and
    // what follows it can pass the 32-bit offsets.
    std::uint64_t at = kHeaderSize;
    const auto place = [&at](std::uint64_t size) {
        const auto start = static_cast<std::uint32_t>(at);
        at += size;
        return start;
    };
    if (palette) l.colourMap = place(6 * l.colourCount);
    l.xResolution = place(kRationalSize);
    l.yResolution = place(kRationalSize);
    if (!palette) l.bitsPerSample = place(kBitsPerSampleSize);
    l.software = place(kTiffSoftware.size());
    const std::uint64_t pixelBytes = std::uint64_t{l.height} * l.rowBytes;
    l.pixels = place(pixelBytes);
    l.padBytes = static_cast<std::uint32_t>(at % 2);
    at += l.padBytes;
    const std::uint64_t directory = at;
    at += kTiffDirectorySize;
    if (at > std::numeric_limits<std::uint32_t>::max())
        throw SizeFailure(width, height,
                          QCoreApplication::translate(
                              "TiffLayout", "the file would pass the 4 GiB a TIFF file can hold"));
    l.pixelBytes = static_cast<std::uint32_t>(pixelBytes);
    l.directory = static_cast<std::uint32_t>(directory);
    l.fileSize = static_cast<std::uint32_t>(at);
    return l;
}

std::array<TiffEntry, kTiffEntryCount> TiffDirectory(const TiffLayout& layout) {
    return layout.bitsPerPixel == 24 ? RgbDirectory(layout) : PaletteDirectory(layout);
}

} // namespace exporting
