// The 1-bit canvas draws exactly the pixels PainterSurface draws on a whole 8-bit picture.

#include "export/RasterCanvas.h"
#include "platform/BarcodeBitmap.h"
#include "support/SymbologySamples.h"

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;

// The reference: PainterSurface on an 8-bit picture, packed to 1 bit.
QImage Reference(const exporting::ExportDocument& d, const exporting::PictureGeometry& p) {
    platform::BarcodeDrawing drawing;
    drawing.code = d.Symbology;
    drawing.text = d.BarcodeText;
    drawing.module = p.module;
    drawing.height = p.across;
    drawing.showText = d.Interpret;
    drawing.orientation = d.Rotation;
    drawing.fontFace = d.FontFace;
    return platform::RenderBarcodeBitmap(drawing);
}

// Pixel by pixel through the colour table, so that bit order and table order both count.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

TEST(RasterCanvas, SamePixelsAsPainterSurfaceForEverySymbologyAndOrientation) {
    platform::FontCache fonts;
    exporting::RasterCanvas canvas(fonts); // reused throughout, as a batch does
    for (const auto& row : engine::SymbologyCatalogue())
        for (engine::Orientation o : engine::kAllOrientations)
            for (const auto& [module, interpret, face] :
                 {std::tuple{1, true, "Courier New"}, std::tuple{3, true, "Arial"},
                  std::tuple{2, false, "Courier New"}}) {
                exporting::ExportDocument d;
                d.Symbology = row.code;
                d.BarcodeText = SampleFor(row.code, "Ab-12345678901234567");
                d.Rotation = o;
                d.Interpret = interpret;
                d.FontFace = face;
                const auto p = exporting::PictureFor(d, module, 150);
                const QImage& drawn = canvas.Draw(d, p);
                ASSERT_EQ(drawn.format(), QImage::Format_Mono);
                EXPECT_EQ(drawn.dotsPerMeterX(), 5906); // 150 dpi
                EXPECT_EQ(DifferingPixels(drawn, Reference(d, p)), 0)
                    << row.listItem << " o " << int(o) << " module " << module;
            }
}

TEST(RasterCanvas, TextNearEveryEdgeAndPaddingBitsStayWhite) {
    platform::FontCache fonts;
    exporting::RasterCanvas canvas(fonts);
    exporting::ExportDocument d;
    d.BarcodeText = "X";
    d.BarHeight = 0.2; // a short picture: the text cell reaches both long edges
    for (engine::Orientation o : engine::kAllOrientations) {
        d.Rotation = o;
        const auto p = exporting::PictureFor(d, 1, 100);
        const QImage& drawn = canvas.Draw(d, p);
        EXPECT_EQ(DifferingPixels(drawn, Reference(d, p)), 0) << int(o);
        // Bits past the width in the last byte of each row are white (1).
        const int width = drawn.width();
        if (width % 8 == 0) continue;
        const auto padding = static_cast<uchar>(0xFF >> (width % 8));
        for (int y = 0; y < drawn.height(); ++y)
            ASSERT_EQ(drawn.constScanLine(y)[width / 8] & padding, padding) << int(o) << " y " << y;
    }
}

// A batch: one canvas, stamps made in one picture reused in the next, at the benchmark's sizes.
TEST(RasterCanvas, ABatchOfStampedTextsMatchesPainterSurface) {
    platform::FontCache fonts;
    exporting::RasterCanvas canvas(fonts);
    const struct {
        engine::SymbologyCode code;
        const char* texts[3];
    } rows[] = {
        {SymbologyCode::Ean13, {"400638133393", "590123412345", "000000000000"}},
        {SymbologyCode::Code128, {"TALLYRUNE-2026-00042", "TALLYRUNE-0000000001", "Ab 12 Yz"}},
    };
    for (const auto& row : rows)
        for (const char* face : {"Courier New", "Noto Mono"})
            for (int module : {1, 2, 3, 4})
                for (const char* text : row.texts) {
                    exporting::ExportDocument d;
                    d.Symbology = row.code;
                    d.BarcodeText = text;
                    d.FontFace = face;
                    const auto p = exporting::PictureFor(d, module, 300);
                    EXPECT_EQ(DifferingPixels(canvas.Draw(d, p), Reference(d, p)), 0)
                        << face << " module " << module << " " << text;
                }
}

} // namespace
