#include "platform/MetafileTestSupport.h"

#include "platform/BarcodeBitmap.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace metafile_test {
namespace {

platform::BarcodeDrawing Drawing(const BarcodeCase& c) {
    platform::BarcodeDrawing d;
    d.code = c.code;
    d.text = c.text;
    d.module = c.module;
    d.height = c.height;
    d.showText = c.showText;
    d.orientation = c.orientation;
    return d;
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QImage RenderSvg(const QTemporaryDir& dir, const QString& svg) {
    const QString png = dir.filePath("out.png");
    if (!RunReader("rsvg-convert", {"-b", "white", svg, "-o", png})) return {};
    return QImage(png);
}

} // namespace

QSize PictureSize(const BarcodeCase& c) {
    return platform::BarcodeBoxSize(Drawing(c));
}

std::unique_ptr<platform::MetafileSurface> RecordBarcode(const BarcodeCase& c, int dotsPerInch,
                                                         const platform::ReferenceScreen& screen) {
    auto surface = std::make_unique<platform::MetafileSurface>(PictureSize(c), dotsPerInch,
                                                               "Courier New", screen);
    engine::DrawBarcode(*surface, c.code, 0, 0, c.module, c.height, c.text, c.showText,
                        c.orientation, false);
    return surface;
}

std::uint16_t U16(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                      static_cast<unsigned char>(bytes[offset + 1]) << 8);
}
std::int16_t I16(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::int16_t>(U16(bytes, offset));
}
std::uint32_t U32(const QByteArray& bytes, qsizetype offset) {
    return U16(bytes, offset) | static_cast<std::uint32_t>(U16(bytes, offset + 2)) << 16;
}
std::int32_t I32(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::int32_t>(U32(bytes, offset));
}

::testing::AssertionResult RunReader(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return ::testing::AssertionFailure() << "no " << program.toStdString();
    const QByteArray errors = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 ||
        !errors.isEmpty())
        return ::testing::AssertionFailure() << program.toStdString() << " exit "
                                             << process.exitCode() << ": " << errors.toStdString();
    return ::testing::AssertionSuccess();
}

QImage RenderEmf(const QByteArray& emf, QSize picture) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.emf"), svg = dir.filePath("out.svg");
    if (!WriteAll(in, emf) || !RunReader("emf2svg-conv", {"-i", in, "-o", svg})) return {};
    QFile file(svg);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const QRegularExpressionMatch page =
        QRegularExpression(R"(width="[0-9.]+" height="[0-9.]+")").match(text);
    if (!page.hasMatch()) return {};
    text.replace(page.capturedStart(), page.capturedLength(),
                 QString(R"(width="%1" height="%2")").arg(picture.width()).arg(picture.height()));
    if (!WriteAll(svg, text.toUtf8())) return {};
    return RenderSvg(dir, svg);
}

QImage RenderWmf(const QByteArray& wmf) {
    QTemporaryDir dir;
    const QString in = dir.filePath("in.wmf"), svg = dir.filePath("out.svg");
    if (!WriteAll(in, wmf) || !RunReader("wmf2svg", {"-o", svg, in})) return {};
    return RenderSvg(dir, svg);
}

} // namespace metafile_test
