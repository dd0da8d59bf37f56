// SvgSurface text: UTF-8 from the engine and any face name arrive as UTF-8 character data,
// markup escaped and controls left out, read back by Qt's XML reader and by librsvg.

#include "export/SvgSurface.h"
#include "export/ReadBack.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct TextOf {
    QString family;
    QString text;
};

TextOf ReadText(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    TextOf found;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            found.family = xml.attributes().value("font-family").toString();
            found.text = xml.readElementText();
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return found;
}

TEST(SvgSurface, TextAndFaceAreUtf8CharacterData) {
    const struct {
        const char* face; // UTF-8, as the engine holds face names
        const char* text; // UTF-8, as the engine passes text
        QString family;
        QString expected;
    } rows[] = {
        {"Courier New", "Tally 42", "Courier New", "Tally 42"},
        {"Courier New", "Café Æø µ 東京", "Courier New", QString::fromUtf8("Café Æø µ 東京")},
        {"Courier New", "A&B <C>", "Courier New", "A&B <C>"},
        {"Courier New", "tab\tbell\x07", "Courier New", "tab\tbell"},
        {"Tall\xC3\xA9 & Co", "x", QString::fromUtf8("Tallé & Co"), "x"},
    };
    platform::FontCache fonts;
    QTemporaryDir dir;
    for (const auto& row : rows) {
        exporting::SvgSurface surface(QString::fromUtf8(row.face), fonts);
        surface.PushFont({surface.FontFace(), 24, 400, 0});
        surface.DrawText(2, 2, row.text);
        surface.PopFont();
        const QByteArray svg = surface.Document({200, 40}, 300);
        const TextOf read = ReadText(svg);
        EXPECT_EQ(read.family, row.family) << row.text;
        EXPECT_EQ(read.text, row.expected) << row.text;
        const QString path = dir.filePath("text.svg");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(svg);
        file.close();
        EXPECT_EQ(export_test::RunTool("rsvg-convert", {path, "-o", path + ".png"}).exitCode, 0)
            << row.text;
    }
}

} // namespace
