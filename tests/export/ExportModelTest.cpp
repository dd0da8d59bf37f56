// The export dialog's model: resolution, bar width, mils label, picture size, spin buttons,
// file name extensions and what Save writes.

#include "export/ExportModel.h"
#include "export/ExportCheck.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using engine::Orientation;
using engine::SymbologyCode;
using exporting::DpiKind;
using exporting::ExportFormat;
using exporting::ExportModel;

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

app::PrinterMetrics Metrics(int screenDpi = 96, int printerDpi = 600) {
    app::PrinterMetrics metrics;
    metrics.ScreenDpiX = screenDpi;
    metrics.PrinterDpiX = printerDpi;
    return metrics;
}

TEST(ExportModel, FirstRunState) {
    const exporting::ExportSettings s;
    EXPECT_EQ(s.DpiType, DpiKind::Screen);
    EXPECT_EQ(s.DpiText, "300");
    EXPECT_TRUE(s.AutoSize);
    EXPECT_EQ(s.ScaleText, "8");
    EXPECT_EQ(s.Format, 0);
}

TEST(ExportModel, ExportDpiByKind) {
    const struct {
        DpiKind kind;
        const char* text;
        int screen;
        int printer;
        int dpi;
    } cases[] = {
        {DpiKind::Screen, "300", 96, 600, 96},     {DpiKind::Printer, "300", 96, 600, 600},
        {DpiKind::Other, "300", 96, 600, 300},     {DpiKind::Other, "0", 96, 600, 1},
        {DpiKind::Other, "00000", 96, 600, 1},     {DpiKind::Other, "-7", 96, 600, 1},
        {DpiKind::Other, "99999", 96, 600, 99999}, {DpiKind::Printer, "300", 96, 0, 1},
    };
    for (const auto& c : cases) {
        const app::PrinterMetrics metrics = Metrics(c.screen, c.printer);
        ExportModel model(metrics);
        model.Settings.DpiType = c.kind;
        model.Settings.DpiText = c.text;
        EXPECT_EQ(model.ExportDpi(), c.dpi) << c.text;
    }
}

TEST(ExportModel, AutoSizeIsTenMilsOrTwentyTwoForPostnet) {
    const struct {
        int dpi;
        int module;
        int postnet;
    } cases[] = {{96, 1, 2}, {250, 2, 6}, {300, 3, 7}, {450, 4, 10}, {600, 6, 13}};
    const app::PrinterMetrics metrics = Metrics();
    ExportModel model(metrics);
    model.Settings.DpiType = DpiKind::Other;
    for (const auto& c : cases) {
        model.Settings.DpiText = QString::number(c.dpi);
        EXPECT_EQ(model.ExportModuleWidth(SymbologyCode::Code128), c.module) << c.dpi;
        EXPECT_EQ(model.ExportModuleWidth(SymbologyCode::Postnet), c.postnet) << c.dpi;
    }
    // Custom takes the typed width, unlimited.
    model.Settings.AutoSize = false;
    model.Settings.ScaleText = "500";
    EXPECT_EQ(model.ExportModuleWidth(SymbologyCode::Postnet), 500);
}

TEST(ExportModel, MilsLabelShowsTheCustomWidthAtTheResolution) {
    const struct {
        DpiKind kind;
        const char* dpi;
        const char* scale;
        bool autoSize;
        QChar separator;
        const char* label;
    } cases[] = {
        {DpiKind::Other, "96", "8", true, '.', "83.3 mils"},
        {DpiKind::Other, "300", "8", true, '.', "26.7 mils"},
        {DpiKind::Other, "300", "8", false, ',', "26,7 mils"},
        {DpiKind::Screen, "300", "8", true, '.', "83.3 mils"}, // the screen's 96
        {DpiKind::Printer, "300", "3", true, '.', "5.0 mils"}, // 600
        {DpiKind::Other, "300", "3", true, '.', "10.0 mils"},
        {DpiKind::Other, "0", "100", true, '.', "100000.0 mils"},
    };
    const app::PrinterMetrics metrics = Metrics();
    for (const auto& c : cases) {
        ExportModel model(metrics);
        model.Settings = {c.kind, c.dpi, c.autoSize, c.scale, 0};
        EXPECT_EQ(model.MilsLabelText(c.separator), QString::fromLatin1(c.label)) << c.label;
    }
}

TEST(ExportModel, EmptyNumberBoxesFailWithTheConversionError) {
    const app::PrinterMetrics metrics = Metrics();
    ExportModel model(metrics);
    model.Settings.ScaleText = "";
    EXPECT_THROW(
        {
            try {
                model.MilsLabelText('.');
            } catch (const exporting::ConversionError& e) {
                EXPECT_STREQ(e.what(), "'' is not a valid integer value");
                throw;
            }
        },
        exporting::ConversionError);
    EXPECT_THROW(model.ScaleUp(), exporting::ConversionError);
    model.Settings.DpiType = DpiKind::Other;
    model.Settings.DpiText = "";
    EXPECT_THROW(model.ExportDpi(), exporting::ConversionError);
    EXPECT_THROW(model.DpiDown(), exporting::ConversionError);
}

TEST(ExportModel, SpinButtonsStopAtTheirLimits) {
    using Step = void (ExportModel::*)();
    const struct {
        Step step;
        bool scale; // eScale, else eDPI
        const char* before;
        const char* after;
    } cases[] = {
        {&ExportModel::ScaleDown, true, "8", "7"},
        {&ExportModel::ScaleDown, true, "1", "1"},
        {&ExportModel::ScaleDown, true, "0", "1"},
        {&ExportModel::ScaleDown, true, "500", "499"},
        {&ExportModel::ScaleUp, true, "99", "100"},
        {&ExportModel::ScaleUp, true, "100", "100"},
        {&ExportModel::ScaleUp, true, "500", "100"},
        {&ExportModel::DpiDown, false, "1", "1"},
        {&ExportModel::DpiDown, false, "300", "299"},
        {&ExportModel::DpiUp, false, "99998", "99999"},
        {&ExportModel::DpiUp, false, "99999", "99999"},
        {&ExportModel::DpiUp, false, "0", "1"},
    };
    const app::PrinterMetrics metrics = Metrics();
    for (const auto& c : cases) {
        ExportModel model(metrics);
        QString& box = c.scale ? model.Settings.ScaleText : model.Settings.DpiText;
        box = c.before;
        (model.*c.step)();
        EXPECT_EQ(box, QString::fromLatin1(c.after)) << c.before;
    }
}

TEST(ExportModel, PictureSizeFollowsHeightUnitAndRotation) {
    // Code 128 "1234" is 57 modules, 77 with the quiet zones.
    const struct {
        double height;
        engine::Unit unit;
        Orientation rotation;
        int dpi;
        int module;
        int width;
        int height_;
    } cases[] = {
        {1.0, kIn, Orientation::Deg0, 300, 3, 231, 300},
        {1.0, kIn, Orientation::Deg90, 300, 3, 300, 231},
        {1.0, kIn, Orientation::Deg180, 300, 3, 231, 300},
        {1.0, kIn, Orientation::Deg270, 300, 3, 300, 231},
        {2.54, kCm, Orientation::Deg0, 96, 1, 77, 96},
        {0.999, kIn, Orientation::Deg0, 300, 3, 231, 299}, // truncated, not rounded
        {1.0, kIn, Orientation::Deg0, 1, 1, 77, 1},
    };
    const app::PrinterMetrics metrics = Metrics();
    for (const auto& c : cases) {
        ExportModel model(metrics);
        model.Settings = {DpiKind::Other, QString::number(c.dpi), false, QString::number(c.module),
                          0};
        exporting::ExportDocument document;
        document.BarcodeText = "1234";
        document.BarHeight = c.height;
        document.Unit = c.unit;
        document.Rotation = c.rotation;
        const auto picture = model.Picture(document);
        EXPECT_EQ(picture.size, QSize(c.width, c.height_)) << c.height << " " << int(c.rotation);
    }
}

TEST(ExportModel, FormatListTable) {
    const struct {
        int index;
        const char* item;
        const char* extension;
        const char* filter;
    } cases[] = {
        {0, "Bitmap", "bmp", "Bitmaps (*.bmp)|*.bmp"},
        {1, "JPEG", "jpg", "JPEG Format Files (*.jpg)|*.jpg"},
        {2, "TIFF - Tagged Information File Format", "tif",
         "Tagged Information File Format (*.tif)|*.tif"},
        {3, "WMF - Window's Meta File", "wmf", "Windows Meta Files (*.wmf)|*.wmf"},
        {4, "EMF - Window's Enhanced Meta File", "emf",
         "Enhanced Windows Meta Files (*.emf)|*.emf"},
        {5, "PNG - Portable Network Graphics", "png", "Portable Network Graphics (*.png)|*.png"},
        {6, "SVG - Scalable Vector Graphics", "svg", "Scalable Vector Graphics (*.svg)|*.svg"},
        {7, "PDF - Portable Document Format", "pdf", "Portable Document Format (*.pdf)|*.pdf"},
    };
    ASSERT_EQ(exporting::ExportFormats().size(), std::size(cases));
    const app::PrinterMetrics metrics = Metrics();
    ExportModel model(metrics);
    for (const auto& c : cases) {
        EXPECT_EQ(exporting::ExportFormats()[c.index].listItem, c.item);
        model.Settings.Format = c.index;
        EXPECT_EQ(model.DefaultExtension(), QString::fromLatin1(c.extension));
        EXPECT_EQ(model.Filter(), QString::fromLatin1(c.filter));
    }
    model.Settings.Format = -1;
    EXPECT_EQ(model.Filter(), QString());
}

TEST(ExportModel, FileNameTakesTheFormatsExtension) {
    const struct {
        const char* name;
        int format;
        const char* result;
    } cases[] = {
        {"barcode_1", 0, "barcode_1.bmp"},
        {"barcode_1.bmp", 2, "barcode_1.tif"},
        {"/home/ann/labels/label.TLR", 0, "/home/ann/labels/label.bmp"},
        {"x.wmf", 1, "x.jpg"},
        {"dir.v2/name", 5, "dir.v2/name.png"},
        {"name.", 4, "name.emf"},
        {"a.b.c", 7, "a.b.pdf"},
        {"x.wmf", -1, "x.wmf"}, // no format chosen: unchanged
    };
    const app::PrinterMetrics metrics = Metrics();
    for (const auto& c : cases) {
        ExportModel model(metrics);
        model.Settings.Format = c.format;
        exporting::ExportDocument document;
        document.FileName = c.name;
        model.Open(document);
        EXPECT_EQ(model.FileName, QString::fromLatin1(c.result)) << c.name;
    }
}

TEST(ExportModel, NewDocumentNameThenTiff) {
    const app::PrinterMetrics metrics = Metrics();
    ExportModel model(metrics);
    exporting::ExportDocument document;
    document.FileName = "barcode_1";
    model.Open(document);
    EXPECT_EQ(model.FileName, "barcode_1.bmp");
    model.ChooseFormat(int(ExportFormat::Tiff));
    EXPECT_EQ(model.FileName, "barcode_1.tif");
    EXPECT_EQ(model.DefaultExtension(), "tif");
}

TEST(ExportModel, MilsLabelFollowsResolutionAndTypedWidths) {
    const app::PrinterMetrics metrics = Metrics(96, 600);
    ExportModel model(metrics);
    EXPECT_EQ(model.MilsLabel, "10.0 mils"); // until first refreshed
    const QChar point = platform::LocaleDecimalSeparator();
    const auto label = [&](const char* text) { return QString(text).replace('.', point); };
    model.Open({});
    EXPECT_EQ(model.MilsLabel, label("83.3 mils")); // 8 dots at the screen's 96
    model.ChooseDpiType(DpiKind::Printer);
    EXPECT_EQ(model.MilsLabel, label("13.3 mils"));
    model.ChooseDpiType(DpiKind::Other);
    EXPECT_EQ(model.MilsLabel, label("26.7 mils")); // "300"
    model.SetDpiText("600");
    EXPECT_EQ(model.MilsLabel, label("13.3 mils"));
    model.SetScaleText("12");
    EXPECT_EQ(model.MilsLabel, label("20.0 mils")); // 12 dots typed
    model.ScaleUp();
    EXPECT_EQ(model.MilsLabel, label("21.7 mils")); // 13 dots
    model.DpiDown();
    EXPECT_EQ(model.Settings.DpiText, "599");
    EXPECT_EQ(model.MilsLabel, label("21.7 mils"));
    EXPECT_THROW(model.SetDpiText(""), exporting::ConversionError); // an emptied eDPI
    EXPECT_EQ(model.Settings.DpiText, "");
}

TEST(ExportModel, PrinterCaptionShowsTheLastRefresh) {
    const app::PrinterMetrics metrics = Metrics(96, 600);
    EXPECT_EQ(ExportModel(metrics).PrinterDpiCaption(), "Printer DPI (600)");
}

class ExportModelSave : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    app::PrinterMetrics metrics = Metrics();
    ExportModel model{metrics};
    exporting::Exporter exporter;
    exporting::ExportDocument document;

    QByteArray Head(const QString& name, int bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
    }
};

TEST_F(ExportModelSave, WmfNameKeepsMetafilesAndLosesToRasterFormats) {
    document.BarcodeText = "WMF";
    const QByteArray placeableKey("\xD7\xCD\xC6\x9A", 4);
    model.FileName = dir.filePath("x.wmf");
    model.Settings.Format = int(ExportFormat::Emf);
    EXPECT_EQ(model.Save(document, exporter), dir.filePath("x.wmf"));
    EXPECT_EQ(Head("x.wmf", 4), placeableKey);
    model.FileName = dir.filePath("y.WMF");
    EXPECT_EQ(model.Save(document, exporter), dir.filePath("y.WMF"));
    EXPECT_EQ(Head("y.WMF", 4), placeableKey);
    model.FileName = dir.filePath("z.emf");
    model.Save(document, exporter);
    EXPECT_EQ(Head("z.emf", 4), QByteArray("\x01\x00\x00\x00", 4)); // EMR_HEADER
    model.FileName = dir.filePath("j.wmf");
    model.Settings.Format = int(ExportFormat::Jpeg);
    EXPECT_EQ(model.Save(document, exporter), dir.filePath("j.jpg"));
    EXPECT_EQ(Head("j.jpg", 3), QByteArray("\xFF\xD8\xFF", 3));
    EXPECT_FALSE(QFile::exists(dir.filePath("j.wmf")));
}

TEST_F(ExportModelSave, NoFormatChosenWritesNothing) {
    document.BarcodeText = "NONE";
    model.Settings.Format = exporting::FormatIndexFromStored(-5);
    model.FileName = dir.filePath("none.bmp");
    EXPECT_EQ(model.Save(document, exporter), std::nullopt);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ExportModelSave, OtherAtZeroDrawsAtOneDpi) {
    document.BarcodeText = "1";
    document.BarHeight = 2.0; // two dots across at 1 dpi
    model.Settings = {DpiKind::Other, "00000", false, "1", int(ExportFormat::Bitmap)};
    model.FileName = dir.filePath("tiny");
    // Written, then reported: two dots across do not scan.
    EXPECT_THROW(model.Save(document, exporter), exporting::ScanFailure);
    ASSERT_EQ(model.FileName, dir.filePath("tiny.bmp"));
    const QImage image(dir.filePath("tiny.bmp"));
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.dotsPerMeterX(), 39); // 1 dpi
}

} // namespace
