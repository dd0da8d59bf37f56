#include "export/PictureReaders.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>
#include <poppler-document.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>
#include <tiffio.h>

namespace exporting {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Qt's own readers, told the format rather than guessing it.
QImage ReadWithQt(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

// The first page drawn by poppler at the picture's resolution, without antialiasing, so bars
// keep their edges.
QImage ReadPdf(const QString& path, int dpi) {
    const std::lock_guard lock(LibraryReaderMutex());
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_file(QFile::encodeName(path).toStdString()));
    if (!document || document->pages() < 1) return {};
    const std::unique_ptr<poppler::page> page(document->create_page(0));
    if (!page) return {};
    poppler::page_renderer renderer;
    renderer.set_image_format(poppler::image::format_gray8);
    const poppler::image image = renderer.render_page(page.get(), dpi, dpi);
    if (!image.is_valid()) return {};
    return QImage(reinterpret_cast<const uchar*>(image.const_data()), image.width(), image.height(),
                  image.bytes_per_row(), QImage::Format_Grayscale8)
        .copy();
}

} // namespace

std::mutex& LibraryReaderMutex() {
    static std::mutex mutex;
    return mutex;
}

QImage ReadTiff(const QString& path) {
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff) return {};
    uint32_t width = 0;
    uint32_t height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888);
    const bool read =
        !image.isNull() &&
        TIFFReadRGBAImageOriented(tiff, width, height, reinterpret_cast<uint32_t*>(image.bits()),
                                  ORIENTATION_TOPLEFT, 0) == 1;
    TIFFClose(tiff);
    return read ? image : QImage();
}

QImage RenderSvg(const QByteArray& svg, QSize size, int zoom) {
    QSvgRenderer renderer(svg);
    if (size.isEmpty()) size = renderer.defaultSize() * zoom;
    if (!renderer.isValid() || size.isEmpty()) return {};
    QImage image(size, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage ReadExportedPicture(const QString& path, ExportFormat format,
                           const PictureGeometry& picture) {
    switch (format) {
    case ExportFormat::Bitmap:
        return ReadWithQt(path, "bmp");
    case ExportFormat::Png:
        return ReadWithQt(path, "png");
    case ExportFormat::Jpeg:
        return ReadWithQt(path, "jpeg");
    case ExportFormat::Tiff:
        return ReadTiff(path);
    case ExportFormat::Svg:
        return RenderSvg(FileBytes(path), picture.size);
    case ExportFormat::Pdf:
        return ReadPdf(path, picture.dpi);
    case ExportFormat::Emf:
        return ReadEmf(FileBytes(path));
    case ExportFormat::Wmf:
        return ReadWmf(FileBytes(path), picture.dpi);
    case ExportFormat::Zpl: // only a label printer, or a renderer of its language, reads it
        break;
    }
    return {};
}

} // namespace exporting
