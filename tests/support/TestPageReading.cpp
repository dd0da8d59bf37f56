#include "support/TestPageReading.h"

#include "engine/Barcode.h"
#include "print/TestPage.h"
#include "support/Decode.h"

#include <ZXing/BarcodeFormat.h>

namespace testing_support {
namespace {

using ZXing::BarcodeFormat;

struct Readable {
    const char* caption;
    BarcodeFormat format;
    bool fullAscii;
    const char* expected;
};

const Readable kReadable[] = {
    {"Code 128", BarcodeFormat::Code128, false, "Test 1234"},
    {"EAN 128", BarcodeFormat::Code128, false, "Test 1234"},
    {"Code 39", BarcodeFormat::Code39, false, "TEST 1234"},
    {"Code 93", BarcodeFormat::Code93, false, "Test 1234"},
    {"Code 39 ext", BarcodeFormat::Code39, true, "Test 1234"},
    {"UPC A", BarcodeFormat::UPCA, false, "123456789128"},
    {"UPC E", BarcodeFormat::UPCE, false, "01234565"},
    {"EAN 13/JAN", BarcodeFormat::EAN13, false, "1234567891231"},
    {"EAN 8", BarcodeFormat::EAN8, false, "12345670"},
    {"Int 2 of 5", BarcodeFormat::ITF, false, "1234567890"},
};

// The sample's box in the page's pixels, with a quiet margin of 10 pixels around it.
QRect PixelBox(const print::TestPageSample& s, int renderDpi, const app::PrinterMetrics& m) {
    const auto px = [&](int dots, int dpi) { return dots * renderDpi / dpi; };
    const int length = engine::BarcodeExtent(s.module, s.symbology, s.text);
    return QRect(QPoint(px(m.PhysicalOffsetX + s.x, m.PrinterDpiX),
                        px(m.PhysicalOffsetY + s.y, m.PrinterDpiY)),
                 QPoint(px(m.PhysicalOffsetX + s.x + length, m.PrinterDpiX),
                        px(m.PhysicalOffsetY + s.y + s.height, m.PrinterDpiY)))
        .adjusted(-10, -10, 10, 10);
}

} // namespace

std::vector<SampleReading> ReadTestPageSamples(const QImage& page, int renderDpi,
                                               const app::PrinterMetrics& metrics) {
    const print::TestPageLayout layout = print::LayoutTestPage(
        {app::PrintableWidth(metrics), app::PrintableHeight(metrics)}, metrics.PrinterDpiX);
    std::vector<SampleReading> readings;
    for (const Readable& r : kReadable) {
        SampleReading reading{r.caption, r.expected, ""};
        for (const print::TestPageSample& s : layout.samples)
            if (s.caption == r.caption) {
                const QRect box = PixelBox(s, renderDpi, metrics).intersected(page.rect());
                reading.read = DecodeImage(page.copy(box), r.format, r.fullAscii).text;
            }
        readings.push_back(reading);
    }
    return readings;
}

} // namespace testing_support
