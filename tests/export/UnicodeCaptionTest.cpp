// The readable text of the symbologies that take any text, read back from what keeps text: the
// engine's own calls, SVG character data, the EMF as libemf2svg reads it, the PDF as poppler
// reads it, and the WMF as libwmf reads it, whose 8-bit text shows '?' for what Latin-1 lacks.

#include "export/ReadBack.h"

#include "engine/RecordingSurface.h"
#include "export/Exporter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using exporting::ExportDocument;
using exporting::ExportFormat;

constexpr int kModule = 6;
constexpr int kDpi = 300;

// The character data of the SVG file's <text> elements; libwmf copies a WMF's 8-bit text into
// its SVG as it is, hence `latin1`.
QString SvgText(const QString& path, bool latin1 = false) {
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QXmlStreamReader xml(latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes));
    QString text;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return text;
}

QString Written(const ExportDocument& document, ExportFormat format, const QString& stem) {
    const QString path = stem + "." + exporting::InfoOf(format).extension.data();
    exporting::Export(document, kModule, kDpi, format, path);
    return path;
}

QString Recorded(const ExportDocument& document, const QString&) {
    testing_support::RecordingSurface surface;
    exporting::DrawPicture(surface, document, exporting::PictureFor(document, kModule, kDpi));
    std::string texts;
    for (const auto& t : surface.texts)
        texts += t.text;
    return QString::fromStdString(texts);
}

QString Svg(const ExportDocument& document, const QString& stem) {
    return SvgText(Written(document, ExportFormat::Svg, stem));
}

QString Emf(const ExportDocument& document, const QString& stem) {
    const QString emf = Written(document, ExportFormat::Emf, stem);
    export_test::RunTool("emf2svg-conv", {"-i", emf, "-o", emf + ".svg"});
    return SvgText(emf + ".svg");
}

QString Wmf(const ExportDocument& document, const QString& stem) {
    const QString wmf = Written(document, ExportFormat::Wmf, stem);
    export_test::RunTool("wmf2svg", {"-o", wmf + ".svg", wmf});
    return SvgText(wmf + ".svg", true);
}

QString Pdf(const ExportDocument& document, const QString& stem) {
    const QString pdf = Written(document, ExportFormat::Pdf, stem);
    const QByteArray text = export_test::RunTool("pdftotext", {"-enc", "UTF-8", pdf, "-"}).out;
    return QString::fromUtf8(text).trimmed();
}

TEST(UnicodeCaption, AnyTextComesOutWhereverTheFormatCarriesIt) {
    const std::string text = "Grüße 東京";
    const struct {
        const char* surface;
        QString (*read)(const ExportDocument&, const QString&);
        QString shown;
    } readers[] = {
        {"recording", Recorded, QString::fromStdString(text)},
        {"svg", Svg, QString::fromStdString(text)},
        {"emf", Emf, QString::fromStdString(text)},
        {"pdf", Pdf, QString::fromStdString(text)},
        {"wmf", Wmf, QStringLiteral("Grüße ??")},
    };
    QTemporaryDir dir;
    for (const auto code : {engine::SymbologyCode::QrCode, engine::SymbologyCode::Aztec,
                            engine::SymbologyCode::DataMatrix}) {
        const ExportDocument document = export_test::HalfInchDocument(code, text);
        for (const auto& r : readers)
            EXPECT_EQ(r.read(document, dir.filePath(QString::number(int(code)))), r.shown)
                << r.surface << " " << int(code);
    }
}

} // namespace
