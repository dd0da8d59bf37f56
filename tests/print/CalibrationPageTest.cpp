// The calibration page as poppler draws it: the cross on the paper's centre and each scale's
// ticks where their values say, so that a crease through the centre reads the offset.

#include "print/CalibrationPage.h"

#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"
#include "support/PdfPage.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 300;

bool Dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

TEST(CalibrationPage, TicksStandWhereTheirValuesSayFromThePapersCentre) {
    const struct {
        print::Paper paper;
        bool metric;
        double value; // in the scale's unit
        int dots;     // from the centre, worked out by hand at 300 dpi
        int halfStep; // dots to the middle between two ticks
    } cases[] = {
        {print::Paper::Letter, false, 0.1, 30, 3},  {print::Paper::Letter, false, -0.5, -150, 3},
        {print::Paper::Letter, false, 0.06, 18, 3}, {print::Paper::A4, true, 1.0, 118, 6}, // 118.1
        {print::Paper::A4, true, -0.5, -59, 6},                                            // 59.06
        {print::Paper::A4, true, 0.3, 35, 6},                                              // 35.4
    };
    const QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << (c.metric ? " cm" : " in"));
        const QString pdf = dir.filePath("calibration.pdf");
        const auto printer = print::OpenPdfPrinter(pdf, c.paper, kDpi);
        app::PrinterMetrics metrics;
        print::ReadPrinterCapabilities(*printer, metrics);
        print::PrinterTarget target(*printer);
        print::PrintCalibrationPage(target, metrics, c.metric);
        const QImage page = testing_support::RenderPdfPage(pdf, 1, kDpi, dir.filePath("page"));
        ASSERT_FALSE(page.isNull());
        const int centreX = page.width() / 2;
        const int centreY = page.height() / 2;
        EXPECT_TRUE(Dark(page, centreX, centreY)) << "the cross";
        const print::CalibrationLayout layout = print::LayoutCalibrationPage(metrics, c.metric);
        const int scaleY = centreY + layout.scaleGap - 4; // inside the ticks above the line
        const int scaleX = centreX + layout.scaleGap + 4; // inside the ticks right of it
        EXPECT_TRUE(Dark(page, centreX + c.dots, scaleY));
        EXPECT_FALSE(Dark(page, centreX + c.dots + c.halfStep, scaleY));
        EXPECT_TRUE(Dark(page, scaleX, centreY + c.dots));
        EXPECT_FALSE(Dark(page, scaleX, centreY + c.dots + c.halfStep));
    }
}

} // namespace
