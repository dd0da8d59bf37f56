// Writes that fail report the failure's own text (or "Unabled to Save to" for an input/output
// error of a raster format) and never leave a half-written file in place of a good one;
// pictures no file can hold fail before anything is drawn.

#include "export/ExportFile.h"
#include "export/Exporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using exporting::ExportFormat;

exporting::ExportDocument Document(const char* text = "FAILURE 1") {
    exporting::ExportDocument document;
    document.BarcodeText = text;
    return document;
}

std::string MessageOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no failure";
}

using testing_support::FileSizeLimit;

TEST(ExportFailure, AFullDiskKeepsTheEarlierFileAndLeavesNoPart) {
    const struct {
        ExportFormat format;
        const char* name;
        bool raster;
    } cases[] = {
        {ExportFormat::Bitmap, "a.bmp", true}, {ExportFormat::Jpeg, "a.jpg", true},
        {ExportFormat::Tiff, "a.tif", true},   {ExportFormat::Png, "a.png", true},
        {ExportFormat::Wmf, "a.wmf", false},   {ExportFormat::Emf, "a.emf", false},
        {ExportFormat::Svg, "a.svg", false},   {ExportFormat::Pdf, "a.pdf", false},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString earlier = dir.filePath(c.name);
        const QString fresh = dir.filePath(QStringLiteral("new-") + c.name);
        exporting::Export(Document("GOOD"), 2, 300, c.format, earlier);
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        const std::string expected = c.raster
                                         ? "Unabled to Save to \"" + earlier.toStdString() + "\""
                                         : "Unable to write to " + earlier.toStdString();
        {
            const FileSizeLimit limit(64); // past every format's first bytes
            EXPECT_EQ(MessageOf([&] {
                          exporting::Export(Document("REPLACED"), 2, 300, c.format, earlier);
                      }),
                      expected);
            EXPECT_NE(MessageOf([&] { exporting::Export(Document(), 2, 300, c.format, fresh); }),
                      "no failure");
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), good) << c.name;
        EXPECT_FALSE(QFile::exists(fresh)) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << c.name;
    }
}

TEST(ExportFailure, AFolderThatCannotTakeTheFileGivesThePlatformsText) {
    for (const QString& path : {QStringLiteral("/nonexistent-folder/x.bmp"),
                                QStringLiteral("/proc/tallyrune-export.png")})
        for (ExportFormat format : {ExportFormat::Bitmap, ExportFormat::Png, ExportFormat::Svg}) {
            EXPECT_EQ(MessageOf([&] { exporting::Export(Document(), 2, 300, format, path); }),
                      "Unable to write to " + path.toStdString());
            EXPECT_FALSE(QFile::exists(path));
        }
}

TEST(ExportFailure, PicturesNoFileCanHoldFailBeforeDrawing) {
    const struct {
        ExportFormat format;
        int module;
        int dpi;
        const char* message;
    } cases[] = {
        // Code 128 "1234" is 77 modules long.
        {ExportFormat::Tiff, 852, 300,
         "The barcode picture is too large for TIFF (65604 x 225 dots; at most 65535 dots a "
         "side)"},
        {ExportFormat::Jpeg, 851, 300,
         "The barcode picture is too large for JPEG (65527 x 225 dots; at most 65500 dots a "
         "side)"},
        {ExportFormat::Wmf, 426, 300,
         "The barcode picture is too large for WMF (32802 x 225 dots; at most 32767 dots a side)"},
        {ExportFormat::Bitmap, 13619, 300,
         "The barcode picture is too large for BMP (1048663 x 225 dots; at most 1048576 dots a "
         "side)"},
        {ExportFormat::Png, 1000, 10000, "The barcode is too large to draw (77000 x 7500 dots)"},
        {ExportFormat::Svg, 0, 300,
         "The barcode picture would be empty (0 x 225 dots); choose a higher resolution, a wider "
         "bar or a taller barcode"},
        {ExportFormat::Bitmap, 3, 1,
         "The barcode picture would be empty (231 x 0 dots); choose a higher resolution, a wider "
         "bar or a taller barcode"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath("big");
        EXPECT_EQ(MessageOf([&] {
                      exporting::Export(Document("1234"), c.module, c.dpi, c.format, path);
                  }),
                  c.message);
        EXPECT_FALSE(QFile::exists(path));
    }
}

} // namespace
