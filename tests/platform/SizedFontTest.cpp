// SizedFont and FontCache: every width and prefix step is the one QFontMetrics gives, whatever
// the face does with pairs, ligatures or control characters; pens are offered only for faces
// whose characters never depend on their neighbours; the cache hands out one font per size.

#include "platform/PainterSurface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::FontCache;
using platform::SizedFont;

// What a face does holds only where fontconfig gives that face: elsewhere the name falls back to
// another face, with layout tables of its own.
struct FaceCase {
    const char* face;
    const char* family; // the face drawn where it is installed
    const char* why;
    bool plain; // no kerning, ligatures or contextual forms
};
const FaceCase kFaces[] = {
    {"Courier New", "Liberation Mono", "no kerning", true},
    {"Arial", "Liberation Sans", "pair kerning", false},
    {"Liberation Serif", "Liberation Serif", "pair kerning", false},
    {"DejaVu Sans", "DejaVu Sans", "ligatures (liga)", false},
    {"C059", "C059", "three-letter ligatures (ffi)", false},
    {"Noto Mono", "Noto Mono", "no layout tables at all", true},
    {"FreeMono", "FreeMono", "ligatures (liga)", false},
};

// The faces of the table and every face installed: whatever the machine has is measured.
std::vector<QString> AllFaces() {
    std::vector<QString> faces;
    for (const FaceCase& face : kFaces)
        faces.emplace_back(face.face);
    for (const QString& family : QFontDatabase::families())
        faces.push_back(family);
    return faces;
}

const std::string kTexts[] = {
    "0",
    "400638133393",
    "TALLYRUNE-2026-00042",
    "AVAWAY To Ty Wa. LT'",       // kerning pairs
    "ffi ffl fi fl office",       // ligatures
    "(00) 0 0000000 000012345 3", // spaces
    "Tallé Æøß µ",                // Latin-1 letters
    "Grüße 東京 𝄞",               // beyond Latin-1, a surrogate pair in UTF-16: laid out by Qt
    "tab\there",                  // a control character: laid out by Qt
    "soft\u00ADhyphen",           // laid out by rules of its own
    "stop\u009C here",            // Qt's string separator ends the measured text
};

// Width and prefix steps against QFontMetrics for every face, size and text.
TEST(SizedFont, MeasuresAsQFontMetrics) {
    FontCache cache;
    for (const FaceCase& face : kFaces)
        for (int cell : {14, 24, 37, 120})
            for (int weight : {400, 800}) {
                const auto font = cache.Get({face.face, cell, weight, 0});
                const QFontMetrics metrics(font->Font());
                EXPECT_EQ(font->CellHeight(), metrics.ascent() + metrics.descent());
                EXPECT_EQ(font->Ascent(), metrics.ascent());
                for (const std::string& text : kTexts) {
                    const QString string = QString::fromStdString(text);
                    EXPECT_EQ(font->Width(text), metrics.horizontalAdvance(string))
                        << face.face << " " << cell << " " << weight << " " << text;
                    // One step per UTF-16 unit; a surrogate pair's comes whole on its first.
                    std::vector<int> steps;
                    for (qsizetype i = 1, previous = 0; i <= string.size(); ++i) {
                        const qsizetype end =
                            i < string.size() && string[i].isLowSurrogate() ? i + 1 : i;
                        const int width = metrics.horizontalAdvance(string.left(end));
                        steps.push_back(width - static_cast<int>(previous));
                        previous = width;
                    }
                    EXPECT_EQ(font->PrefixAdvances(text), steps)
                        << face.face << " " << cell << " " << weight << " " << text;
                }
            }
}

// Only plain faces offer pens, where they are installed.
TEST(SizedFont, PenPositionsForPlainFacesOnly) {
    FontCache cache;
    int checked = 0;
    for (const FaceCase& face : kFaces) {
        const auto font = cache.Get({face.face, 36, 400, 0});
        if (QFontInfo(font->Font()).family() != face.family) continue;
        std::vector<int> pens;
        EXPECT_EQ(font->PenPositions("Tally-2026 AV", pens), face.plain)
            << face.face << ": " << face.why;
        ++checked;
    }
    EXPECT_GE(checked, 3) << "the Liberation faces are always installed";
}

// Whichever face the name gives, pens offered are the unrounded prefix widths in 64ths of a
// pixel, and never for text Qt lays out by rules of its own or beyond Latin-1.
TEST(SizedFont, PensAreThePrefixWidthsInEveryFace) {
    FontCache cache;
    const std::string texts[] = {"Tally-2026 AV", "ffi To Wa 42"};
    for (const QString& face : AllFaces())
        for (int weight : {400, 800}) {
            const auto font = cache.Get({face.toStdString(), 36, weight, 0});
            const QFontMetricsF metrics(font->Font());
            std::vector<int> pens;
            for (const std::string& text : texts) {
                if (!font->PenPositions(text, pens)) continue;
                ASSERT_EQ(pens.size(), text.size());
                for (std::size_t i = 0; i < text.size(); ++i)
                    EXPECT_EQ(pens[i], qRound(metrics.horizontalAdvance(
                                                  QString::fromStdString(text.substr(0, i))) *
                                              64))
                        << face.toStdString() << " " << weight << " " << text << " " << i;
            }
            for (const char* unusual : {"tab\there", "soft\u00ADhyphen", "x\u009C", "東京"})
                EXPECT_FALSE(font->PenPositions(unusual, pens)) << face.toStdString() << unusual;
        }
}

TEST(FontCache, OneFontPerFaceCellAndWeight) {
    FontCache cache;
    const auto first = cache.Get({"Courier New", 36, 400, 0});
    EXPECT_EQ(cache.Get({"Courier New", 36, 400, 900}), first) << "the escapement only turns";
    const engine::FontSpec others[] = {
        {"Courier New", 37, 400, 0}, {"Courier New", 36, 800, 0}, {"Arial", 36, 400, 0}};
    for (const engine::FontSpec& other : others)
        EXPECT_NE(cache.Get(other), first) << other.face << " " << other.cellHeight;
    EXPECT_EQ(cache.Get({"Courier New", 36, 400, 0}), first);
    // The font is the one FontForCellHeight chooses.
    const QFont expected = platform::FontForCellHeight("Courier New", 36, 400);
    EXPECT_EQ(first->Font(), expected);
}

// A batch of many sizes keeps the most recent fonts only; those handed out stay valid.
TEST(FontCache, KeepsTheMostRecentSixteen) {
    FontCache cache;
    const auto oldest = cache.Get({"Arial", 20, 400, 0});
    for (int cell = 21; cell <= 36; ++cell)
        cache.Get({"Arial", cell, 400, 0});
    EXPECT_EQ(cache.Get({"Arial", 36, 400, 0}), cache.Get({"Arial", 36, 400, 0}));
    EXPECT_NE(cache.Get({"Arial", 20, 400, 0}), oldest);
    EXPECT_EQ(oldest->Width("Tally"), QFontMetrics(oldest->Font()).horizontalAdvance("Tally"));
}

// A PainterSurface on a cache draws the pixels of one without, in every turn.
TEST(FontCache, PainterSurfaceDrawsTheSamePixels) {
    FontCache cache;
    for (const char* face : {"Courier New", "Arial"})
        for (int escapement : {0, 900, 1800, 2700}) {
            QImage images[2];
            for (int cached = 0; cached < 2; ++cached) {
                images[cached] = QImage(240, 240, QImage::Format_Grayscale8);
                images[cached].fill(128);
                QPainter painter(&images[cached]);
                auto surface = cached ? std::make_unique<platform::PainterSurface>(painter, cache)
                                      : std::make_unique<platform::PainterSurface>(painter);
                surface->PushFont({face, 30, 400, escapement});
                surface->DrawText(120, 120, "AVA To 42");
                surface->PopFont();
            }
            EXPECT_EQ(images[0], images[1]) << face << " " << escapement;
        }
}

} // namespace
