// The TIFF writer checked field by field at named offsets, byte for byte against golden files,
// and read back by libtiff (and tiffinfo) and, for barcodes, by zxing-cpp.

#include "support/Decode.h"

#include "export/TiffLayout.h"
#include "export/TiffWriter.h"
#include "platform/Errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <tiffio.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#ifndef TALLYRUNE_TEST_DATA
#error "TALLYRUNE_TEST_DATA must name the tests/data folder"
#endif

namespace {

using exporting::TiffPaletteDepth;
using Entry = std::tuple<int, int, std::uint32_t, std::uint32_t>; // tag, type, count, value

QImage Indexed(int width, const std::vector<int>& pixels, const QList<QRgb>& table) {
    QImage image(width, static_cast<int>(pixels.size()) / width, QImage::Format_Indexed8);
    image.setColorTable(table);
    for (std::size_t i = 0; i < pixels.size(); ++i) // indices past the table too
        image.scanLine(static_cast<int>(i) / width)[i % width] = static_cast<uchar>(pixels[i]);
    return image;
}

QImage Palette8() {
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, i * 7 & 0xFF));
    return Indexed(5, {0, 1, 2, 3, 255, 10, 20, 30, 40, 50, 255, 254, 253, 252, 251}, table);
}

QImage Mono() {
    QImage image(4, 2, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)}); // index 0 is white here
    for (int i = 0; i < 8; ++i)
        image.setPixel(i % 4, i / 4, (i == 1 || i == 3 || i == 4 || i == 5) ? 1 : 0);
    return image;
}

QImage Palette4() {
    QList<QRgb> greys;
    for (int i = 0; i < 16; ++i)
        greys.append(qRgb(i * 17, i * 17, i * 17));
    std::vector<int> pixels;
    for (int row : {0, 1, 2})
        for (int x = 0; x < 13; ++x)
            pixels.push_back(row == 0 ? x : row == 1 ? 15 - x : 5);
    return Indexed(13, pixels, greys);
}

QImage Rgb(QImage::Format format) {
    const QRgb pixels[] = {qRgb(255, 0, 0), qRgb(0, 255, 0),     qRgb(0, 0, 255),
                           qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(0x12, 0x34, 0x56)};
    QImage image(3, 2, format);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, pixels[i]);
    return image;
}

// Offsets and values worked out by hand from the layout tables; the Software text is 11 bytes
// with its zero, so the palette pixels start at 34 + 6n + 1 and the RGB ones at 41.
struct Picture {
    std::uint32_t dpi, width, height, bits, colours;
};
struct Offsets {
    std::uint32_t xres, yres, software, pixels, directory, fileSize;
};
struct GoldenCase {
    const char* golden;
    QImage (*make)();
    TiffPaletteDepth depth;
    Picture p;
    Offsets at;
    QByteArray strip;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> shorts; // colour map, bits per sample
};

QImage Rgb24() {
    return Rgb(QImage::Format_RGB888);
}

// clang-format off
const GoldenCase kGolden[] = {
    {"palette8_5x3.tif", Palette8, TiffPaletteDepth::Bits8, {300, 5, 3, 8, 256},
     {1544, 1552, 1560, 1571, 1586, 1772}, QByteArray::fromHex("00010203ff0a141e2832fffefdfcfb"),
     {{10, 0x0100}, {518, 0xFF00}, {520, 0xFF00}, {1034, 0x0700}, {1542, 0xF900}}},
    {"mono_4x2.tif", Mono, TiffPaletteDepth::Bits8, {96, 4, 2, 8, 256},
     {1544, 1552, 1560, 1571, 1580, 1766}, QByteArray::fromHex("0001000101010000"),
     {{8, 0xFF00}, {10, 0}, {520, 0xFF00}, {1034, 0}, {1036, 0}}},
    {"palette4_13x3.tif", Palette4, TiffPaletteDepth::Bits4, {600, 13, 3, 4, 16},
     {104, 112, 120, 131, 152, 338},
     QByteArray::fromHex("0123456789abc0fedcba9876543055555555555550"),
     {{38, 0xFF00}, {42, 0x1100}, {88, 0x8800}}},
    {"rgb_3x2.tif", Rgb24, TiffPaletteDepth::Bits8, {200, 3, 2, 24, 0}, {8, 16, 30, 41, 60, 246},
     QByteArray::fromHex("ff000000ff000000ff000000ffffff123456"), {{24, 8}, {26, 8}, {28, 8}}},
};
// clang-format on

std::vector<Entry> ExpectedDirectory(const GoldenCase& c) {
    const auto& [dpi, width, height, bits, colours] = c.p;
    const std::uint32_t strip = static_cast<std::uint32_t>(c.strip.size());
    if (colours > 0)
        return {{254, 4, 1, 0},           {256, 3, 1, width},
                {257, 3, 1, height},      {258, 3, 1, bits},
                {259, 3, 1, 1},           {262, 3, 1, 3},
                {273, 4, 1, c.at.pixels}, {277, 3, 1, 1},
                {278, 4, 1, height},      {279, 4, 1, strip},
                {282, 5, 1, c.at.xres},   {283, 5, 1, c.at.yres},
                {296, 3, 1, 2},           {305, 2, 11, c.at.software},
                {320, 3, 3 * colours, 8}};
    return {{254, 4, 1, 0},      {256, 3, 1, width}, {257, 3, 1, height}, {258, 3, 3, 24},
            {259, 3, 1, 1},      {262, 3, 1, 2},     {273, 4, 1, 41},     {277, 3, 1, 3},
            {278, 4, 1, height}, {279, 4, 1, strip}, {282, 5, 1, 8},      {283, 5, 1, 16},
            {284, 3, 1, 1},      {296, 3, 1, 2},     {305, 2, 11, 30}};
}

std::uint32_t U16(const QByteArray& b, std::uint32_t at) {
    return static_cast<uchar>(b[at]) | static_cast<uchar>(b[at + 1]) << 8;
}
std::uint32_t U32(const QByteArray& b, std::uint32_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct LibtiffRead {
    std::uint32_t width = 0, height = 0;
    float xres = 0, yres = 0;
    std::uint16_t unit = 0;
    QImage image;
};

LibtiffRead ReadWithLibtiff(const QString& path) {
    LibtiffRead out;
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tif) return out;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &out.width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &out.height);
    TIFFGetField(tif, TIFFTAG_XRESOLUTION, &out.xres);
    TIFFGetField(tif, TIFFTAG_YRESOLUTION, &out.yres);
    TIFFGetField(tif, TIFFTAG_RESOLUTIONUNIT, &out.unit);
    std::vector<std::uint32_t> raster(std::size_t{out.width} * out.height);
    if (TIFFReadRGBAImageOriented(tif, out.width, out.height, raster.data(), ORIENTATION_TOPLEFT,
                                  0)) {
        out.image = QImage(int(out.width), int(out.height), QImage::Format_RGB32);
        for (std::size_t i = 0; i < raster.size(); ++i)
            out.image.setPixel(int(i % out.width), int(i / out.width),
                               qRgb(TIFFGetR(raster[i]), TIFFGetG(raster[i]), TIFFGetB(raster[i])));
    }
    TIFFClose(tif);
    return out;
}

// libtiff's reading of the file agrees with the picture: size, resolution, every pixel; and
// tiffinfo finds nothing to warn about.
void ExpectLibtiffReads(const QString& path, const QImage& picture, int dpi) {
    const LibtiffRead read = ReadWithLibtiff(path);
    ASSERT_FALSE(read.image.isNull()) << path.toStdString();
    EXPECT_EQ(read.width, std::uint32_t(picture.width()));
    EXPECT_EQ(read.height, std::uint32_t(picture.height()));
    EXPECT_EQ(read.xres, float(dpi));
    EXPECT_EQ(read.yres, float(dpi));
    EXPECT_EQ(read.unit, RESUNIT_INCH);
    EXPECT_EQ(read.image, picture.convertToFormat(QImage::Format_RGB32));
    QProcess tiffinfo;
    tiffinfo.start("tiffinfo", {"-D", path});
    ASSERT_TRUE(tiffinfo.waitForFinished(10000));
    EXPECT_EQ(tiffinfo.exitCode(), 0);
    EXPECT_EQ(tiffinfo.readAllStandardError(), QByteArray());
}

TEST(TiffWriter, GoldenFilesFieldByFieldByteForByteAndThroughLibtiff) {
    QTemporaryDir dir;
    for (const GoldenCase& c : kGolden) {
        SCOPED_TRACE(c.golden);
        const QString path = dir.filePath(c.golden);
        exporting::WriteTiffFile(path, c.make(), int(c.p.dpi), c.depth);
        const QByteArray b = ReadAll(path);
        ASSERT_EQ(std::uint32_t(b.size()), c.at.fileSize);
        EXPECT_EQ(b.left(4), QByteArray("II\x2A\x00", 4));
        EXPECT_EQ(U32(b, 4), c.at.directory);
        EXPECT_EQ(std::make_tuple(U32(b, c.at.xres), U32(b, c.at.xres + 4)),
                  std::make_tuple(c.p.dpi, 1u));
        EXPECT_EQ(std::make_tuple(U32(b, c.at.yres), U32(b, c.at.yres + 4)),
                  std::make_tuple(c.p.dpi, 1u));
        for (const auto& [offset, value] : c.shorts)
            EXPECT_EQ(U16(b, offset), value) << "at " << offset;
        EXPECT_EQ(b.mid(c.at.software, 11), QByteArray("Tamvi soft\0", 11));
        EXPECT_EQ(b.mid(c.at.pixels, c.strip.size()), c.strip);
        // The directory starts on a word boundary: a zero pad byte when the strip ends odd.
        const std::uint32_t padding = c.at.directory - c.at.pixels - c.strip.size();
        EXPECT_EQ(c.at.directory % 2, 0u);
        EXPECT_EQ(b.mid(c.at.directory - padding, padding), QByteArray(padding, '\0'));
        ASSERT_EQ(U16(b, c.at.directory), 15u);
        std::vector<Entry> entries;
        for (std::uint32_t at = c.at.directory + 2; at < c.at.directory + 182; at += 12)
            entries.emplace_back(U16(b, at), U16(b, at + 2), U32(b, at + 4), U32(b, at + 8));
        EXPECT_EQ(entries, ExpectedDirectory(c));
        EXPECT_EQ(U32(b, c.at.directory + 182), 0u);

        const QString golden = QStringLiteral(TALLYRUNE_TEST_DATA "/tiff/") + c.golden;
        if (qEnvironmentVariable("TALLYRUNE_UPDATE_GOLDEN") == QLatin1String("1")) {
            QDir().mkpath(QFileInfo(golden).path());
            QFile::remove(golden);
            ASSERT_TRUE(QFile::copy(path, golden));
        }
        EXPECT_EQ(b, ReadAll(golden)) << "rerun with TALLYRUNE_UPDATE_GOLDEN=1 if intended";
        ExpectLibtiffReads(path, c.make(), int(c.p.dpi));
    }
}

TEST(TiffWriter, ThirtyTwoBitPicturesWriteAsTheTwentyFourBitOne) {
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        exporting::WriteTiffStream(buffer, Rgb(format), 200);
        EXPECT_EQ(buffer.data(), ReadAll(TALLYRUNE_TEST_DATA "/tiff/rgb_3x2.tif")) << format;
    }
}

// 8-bit pictures: pixels at 1571, the strip exactly W × H bytes, a pad byte when it ends odd.
TEST(TiffWriter, EightBitSizesAndDirectoryOffsets) {
    const struct {
        int width, height;
        std::uint32_t directory, fileSize;
    } cases[] = {{1, 1, 1572, 1758}, {4, 2, 1580, 1766},          {7, 1, 1578, 1764},
                 {5, 3, 1586, 1772}, {1000, 300, 301572, 301758}, {999, 3, 4568, 4754}};
    for (const auto& c : cases) {
        QImage image(c.width, c.height, QImage::Format_Indexed8);
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(1);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        exporting::WriteTiffStream(buffer, image, 300);
        EXPECT_EQ(std::uint32_t(buffer.data().size()), c.fileSize) << c.width << "x" << c.height;
        EXPECT_EQ(U32(buffer.data(), 4), c.directory) << c.width << "x" << c.height;
    }
}

TEST(TiffWriter, RefusesPicturesTiffCannotHold) {
    const QImage rgb16(4, 4, QImage::Format_RGB16);
    const QImage grey(4, 4, QImage::Format_Grayscale8);
    const QImage indexed16 = Indexed(2, {3, 16}, {});
    const struct {
        QImage image;
        int dpi;
        TiffPaletteDepth depth;
        const char* message;
    } cases[] = {
        {QImage(), 300, TiffPaletteDepth::Bits8, "There is no picture to save as a TIFF file"},
        {rgb16, 300, TiffPaletteDepth::Bits8,
         "Cannot save a TIFF file of a picture of 16 bits per pixel in this format: TIFF export "
         "takes palette pictures of 1 or 8 bits and RGB pictures of 24 or 32 bits"},
        {grey, 300, TiffPaletteDepth::Bits8,
         "Cannot save a TIFF file of a picture of 8 bits per pixel in this format: TIFF export "
         "takes palette pictures of 1 or 8 bits and RGB pictures of 24 or 32 bits"},
        {Palette8(), 0, TiffPaletteDepth::Bits8, "Cannot save a TIFF file at 0 dots per inch"},
        {indexed16, 300, TiffPaletteDepth::Bits4,
         "Cannot save a 4-bit TIFF file of a picture that uses colour 16: it holds colours 0 to "
         "15"},
        {QImage(65536, 1, QImage::Format_Indexed8), 300, TiffPaletteDepth::Bits8,
         "Cannot save a TIFF file of a picture 65536 x 1 pixels: TIFF allows 1 to 65535 each way"},
        {QImage(1, 65536, QImage::Format_RGB888), 300, TiffPaletteDepth::Bits8,
         "Cannot save a TIFF file of a picture 1 x 65536 pixels: TIFF allows 1 to 65535 each way"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.tif");
    exporting::WriteTiffFile(path, Palette8(), 300);
    const QByteArray good = ReadAll(path);
    for (const auto& c : cases) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        try {
            exporting::WriteTiffStream(buffer, c.image, c.dpi, c.depth);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const platform::Failure& failure) {
            EXPECT_STREQ(failure.what(), c.message);
        }
        EXPECT_TRUE(buffer.data().isEmpty()) << c.message;
        EXPECT_THROW(exporting::WriteTiffFile(path, c.image, c.dpi, c.depth), platform::Failure);
        EXPECT_EQ(ReadAll(path), good) << c.message; // the earlier file stays as it was
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TiffWriter, SidesOf65535AndFilesUpTo4GiB) {
    QTemporaryDir dir;
    QImage wide(65535, 1, QImage::Format_Indexed8);
    wide.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    wide.fill(0);
    wide.setPixel(65534, 0, 1);
    exporting::WriteTiffFile(dir.filePath("wide.tif"), wide, 300);
    ExpectLibtiffReads(dir.filePath("wide.tif"), wide, 300);
    // 65535² + 1571 + 186 bytes still fits 32-bit offsets; the same picture in RGB does not.
    EXPECT_EQ(exporting::LayOutTiff(8, 65535, 65535).fileSize, 4294837982u);
    EXPECT_THROW(exporting::LayOutTiff(24, 65535, 65535), platform::Failure);
}

// Refuses every write once `limit` bytes have gone through, as a full disk would.
class FailingDevice : public QIODevice {
  public:
    explicit FailingDevice(qint64 limit) : limit_(limit) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        if (written_ + size > limit_) return -1;
        written_ += size;
        return size;
    }

  private:
    qint64 limit_;
    qint64 written_ = 0;
};

TEST(TiffWriter, AFailingStreamGivesAWriteFailure) {
    QImage image(300, 300, QImage::Format_Indexed8); // 90000 bytes: two chunks of rows
    image.fill(0);
    // In the header, in the colour map, in the first and the second chunk of rows, in the
    // directory.
    for (qint64 limit : {0, 100, 1571 + 1000, 1571 + 70000, 1571 + 90000 + 100}) {
        FailingDevice device(limit);
        try {
            exporting::WriteTiffStream(device, image, 300);
            ADD_FAILURE() << "no failure at " << limit;
        } catch (const platform::WriteFailure& failure) {
            EXPECT_STREQ(failure.what(), "Unable to write to the TIFF stream");
        }
    }
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(exporting::WriteTiffStream(readOnly, image, 300), platform::WriteFailure);
    EXPECT_THROW(exporting::WriteTiffFile("/nonexistent-folder/x.tif", image, 300),
                 platform::WriteFailure);
}

// The export's picture: a barcode on an 8-bit bitmap with a halftone-like palette (a 6×6×6
// colour cube then greys, black at 0 and white at 215), read back by libtiff and zxing-cpp.
TEST(TiffWriter, BarcodesOnAHalftonePaletteDecodeInEveryOrientation) {
    QList<QRgb> halftone;
    for (int i = 0; i < 216; ++i)
        halftone.append(qRgb(i / 36 * 51, i / 6 % 6 * 51, i % 6 * 51));
    for (int i = 0; i < 40; ++i)
        halftone.append(qRgb(i * 6 + 8, i * 6 + 8, i * 6 + 8));
    using engine::SymbologyCode;
    using ZXing::BarcodeFormat;
    const struct {
        SymbologyCode code;
        const char* text;
        BarcodeFormat format;
        const char* expected;
    } cases[] = {
        {SymbologyCode::Code128, "Tally-128", BarcodeFormat::Code128, "Tally-128"},
        {SymbologyCode::Code39, "CODE39", BarcodeFormat::Code39, "CODE39"},
        {SymbologyCode::Ean13, "590123412345", BarcodeFormat::EAN13, "5901234123457"},
        {SymbologyCode::Interleaved2of5, "123456", BarcodeFormat::ITF, "123456"},
        {SymbologyCode::Code93, "TEST93", BarcodeFormat::Code93, "TEST93"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases)
        for (engine::Orientation o : engine::kAllOrientations) {
            const QImage mono = testing_support::RenderBarcode({c.code, c.text, 2, 100, true, o});
            const QImage bitmap = mono.convertToFormat(QImage::Format_Indexed8, halftone);
            ASSERT_EQ(bitmap.colorCount(), 256);
            ASSERT_EQ(bitmap.pixelIndex(0, 0), 215); // white margin
            const QString path = dir.filePath("barcode.tif");
            exporting::WriteTiffFile(path, bitmap, 300);
            const LibtiffRead read = ReadWithLibtiff(path);
            EXPECT_EQ(read.xres, 300.0f);
            ASSERT_EQ(read.image, bitmap.convertToFormat(QImage::Format_RGB32)) << c.text;
            const auto decoded = testing_support::DecodeImage(read.image, c.format);
            ASSERT_TRUE(decoded.found) << c.text << " orientation " << int(o);
            EXPECT_EQ(decoded.text, c.expected) << int(o);
        }
}

} // namespace
