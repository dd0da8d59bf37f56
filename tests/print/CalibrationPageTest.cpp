// The calibration page as poppler draws it: the cross on the paper's centre and each scale's
// ticks where their values say, so that a crease through the centre reads the offset; and its
// scale labels, measured in the printed font, clear of each other.

#include "print/CalibrationPage.h"

#include "RecordingTestPageTarget.h"
#include "platform/PainterSurface.h"

#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"
#include "support/PdfPage.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

constexpr int kDpi = 300;

bool Dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

TEST(CalibrationPage, TicksStandWhereTheirValuesSayFromThePapersCentre) {
    const struct {
        print::Paper paper;
        engine::Unit unit;
        double value; // in the scale's unit
        int dots;     // from the centre, worked out by hand at 300 dpi
        int halfStep; // dots to the middle between two ticks
    } cases[] = {
        {print::Paper::Letter, kIn, 0.1, 30, 3},  {print::Paper::Letter, kIn, -0.5, -150, 3},
        {print::Paper::Letter, kIn, 0.06, 18, 3}, {print::Paper::A4, kCm, 1.0, 118, 6}, // 118.1
        {print::Paper::A4, kCm, -0.5, -59, 6},                                          // 59.06
        {print::Paper::A4, kCm, 0.3, 35, 6},                                            // 35.4
    };
    const QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << (c.unit == kCm ? " cm" : " in"));
        const QString pdf = dir.filePath("calibration.pdf");
        const auto printer = print::OpenPdfPrinter(pdf, c.paper, kDpi);
        app::PrinterMetrics metrics;
        print::ReadPrinterCapabilities(*printer, metrics);
        print::PrinterTarget target(*printer);
        print::PrintCalibrationPage(target, metrics, c.unit);
        const QImage page = testing_support::RenderPdfPage(pdf, 1, kDpi, dir.filePath("page"));
        ASSERT_FALSE(page.isNull());
        const int centreX = page.width() / 2;
        const int centreY = page.height() / 2;
        EXPECT_TRUE(Dark(page, centreX, centreY)) << "the cross";
        const print::CalibrationLayout layout = print::LayoutCalibrationPage(metrics, c.unit);
        const int scaleY = centreY + layout.scaleGap - 4; // inside the ticks above the line
        const int scaleX = centreX + layout.scaleGap + 4; // inside the ticks right of it
        EXPECT_TRUE(Dark(page, centreX + c.dots, scaleY));
        EXPECT_FALSE(Dark(page, centreX + c.dots + c.halfStep, scaleY));
        EXPECT_TRUE(Dark(page, scaleX, centreY + c.dots));
        EXPECT_FALSE(Dark(page, scaleX, centreY + c.dots + c.halfStep));
    }
}

// A surface that paints and keeps the box of every scale label (a number) drawn on it.
class LabelBoxes : public platform::PainterSurface {
  public:
    using PainterSurface::PainterSurface;
    std::vector<QRect> boxes;

    void DrawText(int x, int y, std::string_view text) override {
        static const QRegularExpression number(QStringLiteral("^-?\\d+[.,]\\d+$"));
        if (number.match(QString::fromUtf8(text.data(), qsizetype(text.size()))).hasMatch()) {
            const engine::TextExtent extent = MeasureText(text);
            boxes.emplace_back(x, y, extent.width, extent.height);
        }
        PainterSurface::DrawText(x, y, text);
    }
};

class LabelTarget : public testing_support::RecordingTestPageTarget {
  public:
    explicit LabelTarget(engine::Surface& surface) : surface_(surface) {}
    engine::Surface& Surface() override { return surface_; }

  private:
    engine::Surface& surface_;
};

TEST(CalibrationPage, NoTwoScaleLabelsTouch) {
    const struct {
        const char* paper;
        double widthInches, heightInches;
        engine::Unit unit;
        int dpi;
    } cases[] = {
        {"Letter", 8.5, 11.0, kIn, 300}, {"Letter", 8.5, 11.0, kCm, 300},
        {"A4", 8.27, 11.69, kIn, 300},   {"A4", 8.27, 11.69, kCm, 300},
        {"Letter", 8.5, 11.0, kIn, 600}, {"A4", 8.27, 11.69, kCm, 600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.paper << (c.unit == kCm ? " cm " : " in ") << c.dpi);
        app::PrinterMetrics metrics;
        metrics.PrinterDpiX = metrics.PrinterDpiY = c.dpi;
        metrics.PhysicalWidth = int(c.widthInches * c.dpi);
        metrics.PhysicalHeight = int(c.heightInches * c.dpi);
        QImage page(metrics.PhysicalWidth, metrics.PhysicalHeight, QImage::Format_Grayscale8);
        page.fill(Qt::white);
        QPainter painter(&page);
        LabelBoxes labels(painter);
        LabelTarget target(labels);
        print::PrintCalibrationPage(target, metrics, c.unit);

        EXPECT_GE(labels.boxes.size(), 6U) << "three labels or more on each scale";
        for (std::size_t i = 0; i < labels.boxes.size(); ++i)
            for (std::size_t j = i + 1; j < labels.boxes.size(); ++j)
                EXPECT_FALSE(labels.boxes[i].adjusted(-1, -1, 1, 1).intersects(labels.boxes[j]))
                    << "labels " << i << " and " << j;
    }
}

} // namespace
