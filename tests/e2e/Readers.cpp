#include "e2e/Readers.h"

#include "e2e/ChildProcess.h"
#include "e2e/Poll.h"
#include "support/Decode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ZXing/ReadBarcode.h>

#include <algorithm>

namespace e2e {

namespace {

std::string ReadOne(const QImage& picture, ZXing::BarcodeFormat format) {
    const auto read = testing_support::DecodeImage(picture, testing_support::Reader(format));
    return read.found ? read.text : std::string();
}

} // namespace

std::string ReadCode128(const QImage& picture) {
    return ReadOne(picture, ZXing::BarcodeFormat::Code128);
}

std::string ReadQrCode(const QImage& picture) {
    return ReadOne(picture, ZXing::BarcodeFormat::QRCode);
}

std::vector<std::string> ReadEveryCode128(const QImage& picture) {
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    std::vector<std::string> texts;
    for (const ZXing::Result& result :
         ZXing::ReadBarcodes(view, testing_support::Reader(ZXing::BarcodeFormat::Code128)))
        texts.push_back(result.text());
    std::sort(texts.begin(), texts.end());
    return texts;
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
