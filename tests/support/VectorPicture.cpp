#include "support/VectorPicture.h"

#include "support/PdfPage.h"

#include <QFile>
#include <QProcess>

namespace testing_support {
namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

QImage RenderSvg(const QByteArray& svg, int dpi, const QString& scratch) {
    if (!Write(scratch + ".svg", svg)) return {};
    const QString resolution = QString::number(dpi);
    QProcess::execute("rsvg-convert", {"-b", "white", "-d", resolution, "-p", resolution,
                                       scratch + ".svg", "-o", scratch + ".png"});
    return QImage(scratch + ".png");
}

QImage RenderPdf(const QByteArray& pdf, int dpi, const QString& scratch) {
    if (!Write(scratch + ".pdf", pdf)) return {};
    return RenderPdfPage(scratch + ".pdf", 1, dpi, scratch);
}

} // namespace testing_support
