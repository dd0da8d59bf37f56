// Copy's SVG and PDF forms, drawn by librsvg and poppler, read back as the document's text at the
// size the document prints: its module width in mils and its bar height.

#include "export/ClipboardForms.h"

#include "app/BarcodeDocument.h"
#include "export/ReadBack.h"
#include "support/Decode.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;
using exporting::ExportFormat;

constexpr int kDpi = 300;

TEST(ClipboardForms, SvgAndPdfDecodeAtThePrintedSize) {
    const struct {
        SymbologyCode code;
        const char* text;
        bool autoSize;
        double mils; // the custom width
        int rotation;
        ZXing::BarcodeFormat format;
        double moduleMils; // expected
    } cases[] = {
        {SymbologyCode::Code128, "CLIP-128", true, 13.0, 0, ZXing::BarcodeFormat::Code128, 10},
        {SymbologyCode::Code39, "CLIP-39", false, 15.0, 0, ZXing::BarcodeFormat::Code39, 15},
        {SymbologyCode::Code128, "TURNED", false, 20.0, 1, ZXing::BarcodeFormat::Code128, 20},
    };
    const struct {
        ExportFormat format;
        const char* mimeType;
        const char* file;
        int slack; // a PDF page is whole points: up to one more
    } forms[] = {{ExportFormat::Svg, "image/svg+xml", "copied.svg", 1},
                 {ExportFormat::Pdf, "application/pdf", "copied.pdf", 5}};
    const QTemporaryDir dir;
    const app::PrinterMetrics metrics;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        app::BarcodeDocument document(metrics, engine::Unit::Inch, {});
        document.SetSymbology(c.code);
        document.SetBarcodeText(c.text);
        document.SetBarHeight(0.5);
        document.SetRotation(static_cast<std::uint8_t>(c.rotation));
        document.SetAutoSize(c.autoSize);
        document.SetBarWidth(c.mils);
        const auto data = exporting::ClipboardForms(document);
        EXPECT_TRUE(data->hasImage());
        const int along = engine::RoundHalfEven(engine::BarcodeExtent(1, c.code, c.text) *
                                                c.moduleMils * kDpi / 1000);
        const QSize printed = c.rotation ? QSize(kDpi / 2, along) : QSize(along, kDpi / 2);
        for (const auto& form : forms) {
            SCOPED_TRACE(form.mimeType);
            const QString path = dir.filePath(form.file);
            testing_support::WriteBytes(path, data->data(form.mimeType));
            const QImage drawn = export_test::ReadBack({path, form.format, kDpi});
            ASSERT_FALSE(drawn.isNull());
            EXPECT_NEAR(drawn.width(), printed.width(), form.slack);
            EXPECT_NEAR(drawn.height(), printed.height(), form.slack);
            EXPECT_EQ(testing_support::DecodeImage(drawn, c.format).text, c.text);
        }
    }
}

} // namespace
