// PainterSurface: fonts sized by cell height, pixel-exact bars, pure black-and-white text, and
// text turned the way each barcode orientation reads.

#include "platform/PainterSurface.h"
#include "platform/BarcodeBitmap.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::FontForCellHeight;
using platform::PainterSurface;

TEST(PainterSurface, FontsFillTheirCellHeight) {
    for (const char* face : {"Courier New", "Arial"})
        for (int cell : {13, 14, 22, 24, 33, 36, 110, 120}) {
            const QFont font = FontForCellHeight(face, cell, 400);
            const QFontMetrics metrics(font);
            const int height = metrics.ascent() + metrics.descent();
            EXPECT_LE(height, cell) << face << " " << cell;
            EXPECT_GE(height, cell - 2) << face << " " << cell;
        }
}

TEST(PainterSurface, WindowsFacesResolveToMetricCompatibleFonts) {
    EXPECT_EQ(QFontInfo(FontForCellHeight("Courier New", 24, 400)).family(), "Liberation Mono");
    EXPECT_EQ(QFontInfo(FontForCellHeight("Arial", 24, 400)).family(), "Liberation Sans");
    EXPECT_GE(QFontInfo(FontForCellHeight("Arial", 24, 800)).weight(), 700);
}

// Every column of the bar area is one colour top to bottom, runs are whole modules, and the
// image holds only pure black and pure white.
TEST(PainterSurface, BarsArePixelExact) {
    for (int module : {1, 2, 3, 5}) {
        platform::BarcodeDrawing drawing;
        drawing.text = "Tallyrune 2026";
        drawing.module = module;
        drawing.height = 40;
        drawing.showText = false;
        const QImage image = platform::RenderBarcodeBitmap(drawing);
        ASSERT_EQ(image.format(), QImage::Format_Mono);
        ASSERT_EQ(image.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        int run = 0;
        bool previousBlack = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool black = image.pixelIndex(x, 0) == 0;
            for (int y = 1; y < image.height(); ++y)
                ASSERT_EQ(image.pixelIndex(x, y) == 0, black) << "column " << x << " row " << y;
            if (x > 0 && black != previousBlack) {
                EXPECT_EQ(run % module, 0) << "run ending at " << x;
                run = 0;
            }
            previousBlack = black;
            ++run;
        }
        EXPECT_EQ(image.width(), module * engine::BarcodeExtent(1, drawing.code, drawing.text));
    }
}

TEST(PainterSurface, TextIsPureBlackAndWhite) {
    QImage gray(200, 60, QImage::Format_Grayscale8);
    gray.fill(128);
    {
        QPainter painter(&gray);
        PainterSurface surface(painter, "Courier New");
        surface.PushFont({"Courier New", 36, 400, 0});
        surface.DrawText(0, 0, "Tally 42");
        surface.PopFont();
    }
    int black = 0;
    for (int y = 0; y < gray.height(); ++y)
        for (int x = 0; x < gray.width(); ++x) {
            const int v = gray.pixelColor(x, y).red();
            ASSERT_TRUE(v == 0 || v == 255 || v == 128) << x << "," << y << " = " << v;
            black += v == 0;
        }
    EXPECT_GT(black, 100);
}

// The text drawn at an escapement into an image exactly the size of its turned cell.
QImage TurnedText(int escapement, const QString& text) {
    const QFont font = FontForCellHeight("Courier New", 36, 400);
    const QFontMetrics metrics(font);
    const int cx = metrics.horizontalAdvance(text), cy = metrics.ascent() + metrics.descent();
    const bool across = escapement == 900 || escapement == 2700;
    QImage gray(across ? cy : cx, across ? cx : cy, QImage::Format_Grayscale8);
    gray.fill(128); // grey shows where the white cell was not painted
    QPainter painter(&gray);
    {
        PainterSurface surface(painter, "Courier New");
        surface.PushFont({"Courier New", 36, 400, escapement});
        // The reference point is where reading starts on the top line; the cell lies after it in
        // the reading direction and on the far side across it.
        const struct {
            int escapement, x, y;
        } refs[] = {{0, 0, 0}, {2700, cy, 0}, {1800, cx, cy}, {900, 0, cx}};
        for (const auto& r : refs)
            if (r.escapement == escapement) surface.DrawText(r.x, r.y, text.toStdString());
        surface.PopFont();
    }
    painter.end();
    return gray;
}

// Share of ink pixels the two images have in common (intersection over union), allowing the
// one-pixel shifts by which turned glyphs may rasterise.
double InkOverlap(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 0;
    const auto ink = [](const QImage& image, int x, int y) {
        return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 64;
    };
    double best = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int both = 0, either = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const bool inkA = ink(a, x, y), inkB = ink(b, x + dx, y + dy);
                    both += inkA && inkB;
                    either += inkA || inkB;
                }
            best = std::max(best, either ? double(both) / either : 0);
        }
    return best;
}

TEST(PainterSurface, TurnedTextReadsFromTheRightEnd) {
    const QString text = "Tally 1";
    const QImage upright = TurnedText(0, text);
    // The cell is filled white: no grey left.
    for (int escapement : {0, 900, 1800, 2700}) {
        const QImage turned = TurnedText(escapement, text);
        int grey = 0;
        for (int y = 0; y < turned.height(); ++y)
            for (int x = 0; x < turned.width(); ++x)
                grey += qGray(turned.pixel(x, y)) == 128;
        EXPECT_LT(grey, turned.width() * 2) << escapement;
    }
    const struct {
        int escapement;
        int clockwise; // how far the upright text is turned on screen
    } cases[] = {{2700, 90}, {1800, 180}, {900, 270}};
    for (const auto& c : cases) {
        const QImage expected = upright.transformed(QTransform().rotate(c.clockwise));
        const QImage wrongWay = upright.transformed(QTransform().rotate(c.clockwise + 180));
        const QImage turned = TurnedText(c.escapement, text);
        const double overlap = InkOverlap(turned, expected);
        EXPECT_GT(overlap, 0.75) << c.escapement;
        EXPECT_GT(overlap, InkOverlap(turned, wrongWay) + 0.3) << c.escapement;
    }
}

} // namespace
