#include "export/Exporter.h"

#include "export/ExportFile.h"
#include "export/RasterWriters.h"
#include "export/VectorWriters.h"
#include "platform/ZplLabel.h"

#include <QFileInfo>

#include <new>

namespace exporting {
namespace {

using RasterEncoder = QByteArray (*)(const QImage& mono, int dpi);

// A label printer takes the picture at its own dots: the resolution is the label's already.
QByteArray EncodeZpl(const QImage& mono, int) {
    return platform::ZplLabel(mono);
}

struct RasterRow {
    ExportFormat format;
    RasterEncoder encode;
};
constexpr RasterRow kRasterEncoders[] = {
    {ExportFormat::Bitmap, EncodeBmp},
    {ExportFormat::Jpeg, EncodeJpeg},
    {ExportFormat::Tiff, EncodeTiff},
    {ExportFormat::Png, EncodePng},
    {ExportFormat::Zpl, EncodeZpl},
};

RasterEncoder RasterEncoderOf(ExportFormat format) {
    for (const RasterRow& row : kRasterEncoders)
        if (row.format == format) return row.encode;
    return nullptr;
}

} // namespace

ExportFormat WrittenFormat(ExportFormat chosen, const QString& path) {
    const bool metafile = InfoOf(chosen).kind == PictureKind::Metafile;
    if (metafile &&
        QFileInfo(path).suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0)
        return ExportFormat::Wmf;
    return chosen;
}

QByteArray Exporter::Encode(const ExportDocument& document, const PictureGeometry& picture,
                            ExportFormat format) {
    if (const RasterEncoder encode = RasterEncoderOf(format))
        return encode(canvas_.Draw(document, picture), picture.dpi);
    switch (format) {
    case ExportFormat::Svg:
        return EncodeSvg(document, picture, fonts_);
    case ExportFormat::Pdf:
        return EncodePdf(document, picture, fonts_);
    default:
        return EncodeMetafile(document, picture, format == ExportFormat::Wmf, fonts_);
    }
}

void Exporter::Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
                      const QString& path) {
    platform::AtomicWriter files;
    Export(document, module, dpi, format, path, files);
}

void Exporter::Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
                      const QString& path, platform::AtomicWriter& files) {
    format = WrittenFormat(format, path);
    const QByteArray file = Encoded(document, module, dpi, format);
    WriteExportFile(files, path, file, InfoOf(format).kind == PictureKind::Raster);
}

QByteArray Exporter::Encoded(const ExportDocument& document, int module, int dpi,
                             ExportFormat format) {
    const PictureGeometry picture = PictureFor(document, module, dpi);
    CheckPicture(picture, format);
    try {
        return Encode(document, picture, format);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(picture.size);
    }
}

void Export(const ExportDocument& document, int module, int dpi, ExportFormat format,
            const QString& path) {
    Exporter().Export(document, module, dpi, format, path);
}

QByteArray ExportBytes(const ExportDocument& document, int module, int dpi, ExportFormat format) {
    return Exporter().Encoded(document, module, dpi, format);
}

} // namespace exporting
