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
