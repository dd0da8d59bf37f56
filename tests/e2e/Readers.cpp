#include "e2e/Readers.h"

#include "e2e/ChildProcess.h"
#include "e2e/Poll.h"
#include "support/Decode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace e2e {

std::string ReadCode128(const QImage& picture) {
    const auto read = testing_support::DecodeImage(
        picture, testing_support::Reader(ZXing::BarcodeFormat::Code128));
    return read.found ? read.text : std::string();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage SvgPicture(const QByteArray& svg, int dpi) {
    const QTemporaryDir folder;
    QFile file(folder.filePath("picture.svg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size()) return {};
    file.close();
    const QString resolution = QString::number(dpi);
    const CommandResult drawn = RunCommand(QStringLiteral("rsvg-convert"),
                                           {"-b", "white", "-d", resolution, "-p", resolution,
                                            file.fileName(), "-o", folder.filePath("picture.png")},
                                           QProcessEnvironment::systemEnvironment(), kPatience);
    return drawn.Ok() ? QImage(folder.filePath("picture.png")) : QImage();
}

std::vector<QImage> PdfPages(const QString& pdf, int dpi) {
    const QTemporaryDir folder;
    const CommandResult drawn =
        RunCommand(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(dpi), "-gray", "-png", pdf, folder.filePath("page")},
                   QProcessEnvironment::systemEnvironment(), kPatience);
    std::vector<QImage> pages;
    if (!drawn.Ok()) return pages;
    // pdftoppm numbers the pages page-1.png, page-2.png ... (zero-padded for long documents).
    for (const QString& name :
         QDir(folder.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name))
        pages.emplace_back(folder.filePath(name));
    return pages;
}

} // namespace e2e
