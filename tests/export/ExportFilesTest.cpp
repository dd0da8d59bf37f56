// What each written file says about itself, read by readers that are not ours: Qt's BMP and
// PNG readers, libjpeg and djpeg, libtiff and tiffinfo, poppler, libemf2svg and libwmf.

#include "export/ReadBack.h"

#include "export/Exporter.h"
#include "export/PictureReaders.h"
#include "export/RasterWriters.h"
#include "platform/BarcodeBitmap.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <jpeglib.h>

#include <gtest/gtest.h>

namespace {

using export_test::RunTool;
using exporting::ExportFormat;

// EAN-13 "400638133393" at 300 dpi: 3 dots a bar, 115 modules, 0.75 inch high.
constexpr int kDpi = 300;
constexpr int kModule = 3;
const QSize kPicture(345, 225);

exporting::ExportDocument Ean13() {
    exporting::ExportDocument document;
    document.Symbology = engine::SymbologyCode::Ean13;
    document.BarcodeText = "400638133393";
    return document;
}

// The same barcode drawn by PainterSurface on an 8-bit picture, 0.75 inch high at `dpi`.
QImage Reference(int dpi = kDpi) {
    platform::BarcodeDrawing drawing;
    drawing.code = engine::SymbologyCode::Ean13;
    drawing.text = "400638133393";
    drawing.module = kModule;
    drawing.height = dpi * 3 / 4;
    return platform::RenderBarcodeBitmap(drawing);
}

bool SamePixels(const QImage& read, const QImage& reference) {
    if (read.size() != reference.size()) return false;
    for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x)
            if (qGray(read.pixel(x, y)) != qGray(reference.pixel(x, y))) return false;
    return true;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 Little(const QByteArray& bytes, int at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

class ExportFiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Write(ExportFormat format, const exporting::ExportDocument& document = Ean13(),
                  int dpi = kDpi) {
        const QString path = dir.filePath(
            QString("ean13-%1.%2").arg(dpi).arg(exporting::InfoOf(format).extension.data()));
        exporting::Export(document, kModule, dpi, format, path);
        return path;
    }
};

TEST_F(ExportFiles, BmpAndPngAreOneBitPicturesWithTheirResolution) {
    const struct {
        ExportFormat format;
        int dpi;
        int dotsPerMeter;
    } cases[] = {{ExportFormat::Bitmap, 300, 11811},
                 {ExportFormat::Bitmap, 96, 3780},
                 {ExportFormat::Png, 300, 11811},
                 {ExportFormat::Png, 600, 23622}};
    for (const auto& c : cases) {
        const QImage image(Write(c.format, Ean13(), c.dpi));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.depth(), 1);
        EXPECT_EQ(image.dotsPerMeterX(), c.dotsPerMeter);
        EXPECT_EQ(image.dotsPerMeterY(), c.dotsPerMeter);
        EXPECT_TRUE(SamePixels(image, Reference(c.dpi)));
    }
    const QByteArray bmp = Contents(dir.filePath("ean13-300.bmp"));
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(Little(bmp, 2, 4), quint32(bmp.size()));
    EXPECT_EQ(Little(bmp, 10, 4), 62u);   // two palette entries after the headers
    EXPECT_EQ(Little(bmp, 22, 4), 225u);  // positive height: rows bottom-up
    EXPECT_EQ(Little(bmp, 28, 2), 1u);    // bits per pixel
    EXPECT_EQ(Little(bmp, 30, 4), 0u);    // BI_RGB
    EXPECT_EQ(bmp.size(), 62 + 44 * 225); // rows of 345 bits padded to 11 words
    const QByteArray png = Contents(dir.filePath("ean13-300.png"));
    EXPECT_EQ(png.mid(24, 2), QByteArray("\x01\x00", 2)); // 1 bit, greyscale
    EXPECT_EQ(png.mid(37, 4), "pHYs");
}

TEST_F(ExportFiles, JpegIsOneGreyComponentAtQualitySeventyFive) {
    const QString path = Write(ExportFormat::Jpeg);
    const export_test::JpegFacts facts = export_test::ReadJpeg(path);
    ASSERT_TRUE(facts.read);
    EXPECT_EQ(facts.components, 1);
    EXPECT_EQ(facts.colorSpace, JCS_GRAYSCALE);
    EXPECT_FALSE(facts.progressive);
    EXPECT_EQ(facts.densityUnit, 1); // dots per inch
    EXPECT_EQ(facts.xDensity, 300);
    EXPECT_EQ(facts.yDensity, 300);
    // The standard luminance table's first row (16 11 10 16 24 40 51 61) scaled to 50 %.
    EXPECT_EQ(facts.luminanceTable, (std::vector<int>{8, 6, 5, 8, 12, 20, 26, 31}));
    EXPECT_TRUE(Contents(path).contains(QByteArray("\xFF\xC0", 2))); // SOF0: baseline
    EXPECT_EQ(facts.image.size(), kPicture);
    const export_test::ToolRun djpeg = RunTool("djpeg", {path});
    EXPECT_EQ(djpeg.exitCode, 0);
    EXPECT_TRUE(djpeg.out.startsWith("P5")) << "a greyscale picture";
    // Resolutions beyond JFIF's 16 bits are written per centimetre.
    const QImage mono = Reference();
    const QByteArray dense = exporting::EncodeJpeg(mono, 70000);
    QFile file(dir.filePath("dense.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dense);
    file.close();
    const auto denseFacts = export_test::ReadJpeg(file.fileName());
    EXPECT_EQ(denseFacts.densityUnit, 2);
    EXPECT_EQ(denseFacts.xDensity, 27559);
}

TEST_F(ExportFiles, TiffIsAnEightBitPaletteThatLibtiffReadsCleanly) {
    const QString path = Write(ExportFormat::Tiff);
    const export_test::ToolRun info = RunTool("tiffinfo", {path});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.err.isEmpty()) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("Bits/Sample: 8"));
    EXPECT_TRUE(info.out.contains("palette color"));
    EXPECT_TRUE(info.out.contains("Resolution: 300, 300 pixels/inch"));
    EXPECT_TRUE(SamePixels(exporting::ReadTiff(path), Reference()));
    const QImage halftone = exporting::HalftoneBitmap(Reference());
    EXPECT_EQ(halftone.format(), QImage::Format_Indexed8);
    EXPECT_EQ(halftone.colorCount(), 256);
}

TEST_F(ExportFiles, SvgHasOneRectanglePerBarAndItsTextAsText) {
    const QByteArray svg = Contents(Write(ExportFormat::Svg));
    QXmlStreamReader xml(svg);
    int bars = 0;
    QStringList texts;
    QString groupFill;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"g") groupFill.clear();
        if (!xml.isStartElement()) continue;
        const auto attributes = xml.attributes();
        if (xml.name() == u"svg") {
            EXPECT_EQ(attributes.value("width"), u"29.21mm");
            EXPECT_EQ(attributes.value("height"), u"19.05mm");
            EXPECT_EQ(attributes.value("viewBox"), u"0 0 345 225");
        } else if (xml.name() == u"g") {
            groupFill = attributes.value("fill").toString();
        } else if (xml.name() == u"rect") {
            const auto own = attributes.value("fill");
            bars += (own.isEmpty() ? groupFill : own.toString()) == "#000000";
        } else if (xml.name() == u"text") {
            EXPECT_EQ(attributes.value("font-family"), u"Courier New");
            texts << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(bars, 30); // 3 guards of 2 bars, 12 digits of 2 bars
    EXPECT_EQ(texts, QStringList({"4", "006381 333931"}));
    // Markup characters of the text are escaped.
    exporting::ExportDocument code128;
    code128.BarcodeText = "A&B<C>";
    QXmlStreamReader escaped(Contents(Write(ExportFormat::Svg, code128)));
    QString text;
    while (!escaped.atEnd())
        if (escaped.readNext() == QXmlStreamReader::StartElement && escaped.name() == u"text")
            text = escaped.readElementText();
    EXPECT_FALSE(escaped.hasError());
    EXPECT_EQ(text, "A&B<C>");
}

TEST_F(ExportFiles, PdfIsOnePageOfShapesAndTextTheSizeOfThePicture) {
    const QString path = Write(ExportFormat::Pdf);
    const export_test::ToolRun info = RunTool("pdfinfo", {path});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.contains("Pages:           1")) << info.out.toStdString();
    // 345 x 225 dots at 300 dpi are 82.8 x 54 points; pages are whole points, rounded up.
    EXPECT_TRUE(info.out.contains("Page size:       83 x 54 pts")) << info.out.toStdString();
    const export_test::ToolRun text = RunTool("pdftotext", {path, "-"});
    EXPECT_TRUE(text.out.contains("006381 333931")) << text.out.toStdString();
    const export_test::ToolRun images = RunTool("pdfimages", {"-list", path});
    EXPECT_EQ(images.out.count('\n'), 2) << "only the listing's two header lines";
}

TEST_F(ExportFiles, MetafilesAreReadByLibemf2svgAndLibwmf) {
    const QString emf = Write(ExportFormat::Emf);
    const QByteArray emfBytes = Contents(emf);
    EXPECT_EQ(emfBytes.mid(40, 4), " EMF");
    EXPECT_EQ(RunTool("emf2svg-conv", {"-i", emf, "-o", emf + ".svg"}).exitCode, 0);
    const QString wmf = Write(ExportFormat::Wmf);
    const QByteArray wmfBytes = Contents(wmf);
    EXPECT_EQ(Little(wmfBytes, 0, 4), 0x9AC6CDD7u);
    EXPECT_EQ(Little(wmfBytes, 14, 2), 300u); // units per inch
    quint32 checksum = 0;
    for (int word = 0; word < 10; ++word)
        checksum ^= Little(wmfBytes, word * 2, 2);
    EXPECT_EQ(Little(wmfBytes, 20, 2), checksum);
    EXPECT_EQ(RunTool("wmf2svg", {"-o", wmf + ".svg", wmf}).exitCode, 0);
}

// The share of the picture's width between its first and last dark pixel, across the bars.
double DarkSpan(const QImage& image) {
    const int y = image.height() / 4;
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) first = std::min(first, x), last = x;
    return last < first ? 0.0 : static_cast<double>(last + 1 - first) / image.width();
}

// libwmf frames a picture by what it takes to be drawn, and measures a text by its font's
// width: a text it measured wider than drawn shrank the whole barcode into part of the frame.
TEST_F(ExportFiles, LibwmfDrawsTheWmfAcrossItsWholeFrame) {
    exporting::ExportDocument document;
    document.Symbology = engine::SymbologyCode::Code39;
    document.BarcodeText = "12345678901"; // the text as wide as the bars
    for (int dpi : {96, 120, 300}) {
        const QString png = dir.filePath(QString("code39-%1.png").arg(dpi));
        const QString wmf = dir.filePath(QString("code39-%1.wmf").arg(dpi));
        exporting::Export(document, dpi / 96, dpi, ExportFormat::Png, png);
        exporting::Export(document, dpi / 96, dpi, ExportFormat::Wmf, wmf);
        const double drawn = DarkSpan(QImage(png));
        EXPECT_NEAR(DarkSpan(export_test::ReadBack({wmf, ExportFormat::Wmf, dpi})), drawn, 0.02)
            << dpi << " dpi";
    }
}

TEST_F(ExportFiles, ExportingTwiceWritesTheSameBytes) {
    for (const exporting::FormatInfo& format : exporting::ExportFormats()) {
        const QString first = Write(format.format);
        const QByteArray once = Contents(first);
        exporting::Exporter exporter; // a fresh canvas, then a reused one
        for (int run = 0; run < 2; ++run) {
            exporter.Export(Ean13(), kModule, kDpi, format.format, first);
            QByteArray again = Contents(first);
            if (format.format == ExportFormat::Pdf) { // the creation date differs
                again.replace(again.indexOf("/CreationDate"), 40,
                              once.mid(once.indexOf("/CreationDate"), 40));
            }
            EXPECT_EQ(again, once) << format.extension;
        }
    }
}

} // namespace
