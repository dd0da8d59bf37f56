// Glyph stamps: a text stamped character by character at its pens is the text Qt draws, and a
// stamp lands bit-exactly in a 1-bit picture, cut at every edge.

#include "export/GlyphStamps.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using exporting::GlyphStamp;
using exporting::StampGlyph;

QImage WhiteMono(int width, int height) {
    QImage mono(width, height, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    return mono;
}

// The reference: the text as PainterSurface draws it on an 8-bit picture, as black pixels.
std::vector<QPoint> QtInk(const engine::FontSpec& asked, const std::string& text, QSize size,
                          QPoint at) {
    QImage gray(size, QImage::Format_Grayscale8);
    gray.fill(255);
    {
        QPainter painter(&gray);
        platform::PainterSurface surface(painter);
        surface.PushFont(asked);
        surface.DrawText(at.x(), at.y(), text);
    }
    std::vector<QPoint> ink;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (gray.pixelColor(x, y).red() < 128) ink.emplace_back(x, y);
    return ink;
}

std::vector<QPoint> MonoInk(const QImage& mono) {
    std::vector<QPoint> ink;
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x)
            if (mono.pixelIndex(x, y) == 0) ink.emplace_back(x, y);
    return ink;
}

// "Courier New" (Liberation Mono, always installed), then every other installed face that
// offers pens, each once.
std::vector<std::string> FacesWithPens(platform::FontCache& fonts, const std::string& text) {
    std::vector<std::string> faces;
    QStringList drawn;
    std::vector<int> pens;
    QStringList names = QFontDatabase::families();
    names.prepend("Courier New");
    for (const QString& name : names) {
        const auto font = fonts.Get({name.toStdString(), 36, 400, 0});
        const QString family = QFontInfo(font->Font()).family();
        if (drawn.contains(family) || !font->PenPositions(text, pens)) continue;
        drawn.append(family);
        faces.push_back(name.toStdString());
    }
    return faces;
}

TEST(GlyphStamps, StampedTextIsTheTextQtDraws) {
    platform::FontCache fonts;
    exporting::GlyphStamps stamps;
    const std::string texts[] = {"400638133393", "TALLYRUNE-2026-00042", "(00) Tally 42 AVA"};
    const std::vector<std::string> faces = FacesWithPens(fonts, texts[2]);
    ASSERT_FALSE(faces.empty()) << "Liberation Mono offers pens";
    EXPECT_EQ(faces.front(), "Courier New");
    for (const std::string& face : faces)
        for (int cell : {14, 24, 36, 37, 120})
            for (const std::string& text : texts)
                for (const QPoint at : {QPoint(3, 2), QPoint(-5, -4)}) { // the second cut off
                    const engine::FontSpec asked{face, cell, 400, 0};
                    const auto font = fonts.Get(asked);
                    std::vector<int> pens;
                    ASSERT_TRUE(font->PenPositions(text, pens)) << face;
                    const QSize size(font->Width(text) * 3 / 4, cell + 8);
                    QImage mono = WhiteMono(size.width(), size.height());
                    for (std::size_t i = 0; i < text.size(); ++i) {
                        const QPoint origin(at.x() + (pens[i] >> 6), at.y());
                        const GlyphStamp* stamp =
                            stamps.Get(font, static_cast<unsigned char>(text[i]), pens[i] & 63,
                                       mono.rect().translated(-origin));
                        ASSERT_NE(stamp, nullptr) << face << " " << text[i];
                        StampGlyph(mono, *stamp, origin.x(), origin.y());
                    }
                    EXPECT_EQ(MonoInk(mono), QtInk(asked, text, size, at))
                        << face << " " << cell << " " << text << " at " << at.x();
                }
}

// The picture, seen from the glyph's origin, in text cells: what it shows of the glyph decides
// whether the glyph is stamped, needs nothing, or is left to Qt.
TEST(GlyphStamps, GlyphWorkIsBoundedByThePicture) {
    enum class Work { Stamp, Nothing, Qt };
    const struct {
        const char* what;
        int cell;
        QRectF picture; // x, y, width, height in text cells
        Work work;
    } cases[] = {
        {"the whole cell and far around", 600, {-2, -2, 5, 5}, Work::Stamp},
        {"the top half of the cell", 600, {-2, -2, 5, 2.5}, Work::Stamp},
        {"the cell's last row", 600, {-2, 599 / 600.0, 5, 1 / 600.0}, Work::Qt},
        {"a column through the cell", 600, {0.1, -2, 0.01, 5}, Work::Qt},
        {"the last row of a small cell", 36, {-2, 35 / 36.0, 5, 1 / 36.0}, Work::Stamp},
        {"right of the glyph", 600, {2, -2, 5, 5}, Work::Nothing},
        {"above the glyph", 600, {-2, -4, 5, 2}, Work::Nothing},
        {"below a small glyph", 36, {-2, 2, 5, 2}, Work::Nothing},
    };
    platform::FontCache fonts;
    for (const auto& c : cases) {
        exporting::GlyphStamps stamps; // nothing captured before
        const auto font = fonts.Get({"Courier New", c.cell, 400, 0});
        const QRect picture = QTransform::fromScale(c.cell, c.cell).mapRect(c.picture).toRect();
        const GlyphStamp* stamp = stamps.Get(font, 'W', 0, picture);
        const Work work = !stamp ? Work::Qt : stamp->ink.empty() ? Work::Nothing : Work::Stamp;
        EXPECT_EQ(work, c.work) << c.what;
    }
}

// A hand-made stamp, 10 x 2: row 0 all ink, row 1 ink at 0 and 9 only.
GlyphStamp TwoRows() {
    return {1, 1, 10, 2, 2, {0xFF, 0xC0, 0x80, 0x40}};
}

TEST(GlyphStamps, StampsLandBitExactAndAreCutAtEveryEdge) {
    const struct {
        int x, y;
        std::vector<QPoint> expected;
    } cases[] = {
        // Origin (x, y); the stamp starts one pixel right of and below it.
        {2,
         3,
         {{3, 4},
          {4, 4},
          {5, 4},
          {6, 4},
          {7, 4},
          {8, 4},
          {9, 4},
          {10, 4},
          {11, 4},
          {12, 4},
          {3, 5},
          {12, 5}}},
        {-7, -1, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}}, // cut at the left and the top
        {9, 11, {{10, 12}, {11, 12}, {12, 12}}},            // cut at the right and the bottom
        {20, 0, {}},                                        // wholly outside
    };
    for (const auto& c : cases) {
        QImage mono = WhiteMono(13, 13); // 3 padding bits in each row's second byte
        StampGlyph(mono, TwoRows(), c.x, c.y);
        EXPECT_EQ(MonoInk(mono), c.expected) << c.x << "," << c.y;
        for (int y = 0; y < mono.height(); ++y)
            EXPECT_EQ(mono.constScanLine(y)[1] & 0x07, 0x07) << "padding of row " << y;
    }
}

} // namespace
