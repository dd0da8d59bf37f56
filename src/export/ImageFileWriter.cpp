#include "export/ImageFileWriter.h"

#include "engine/Units.h"
#include "platform/AtomicFile.h"

#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace exporting {
namespace {

struct FormatRow {
    ImageFormat format;
    std::string_view name;
    const char* qtFormat;
};

constexpr std::array<FormatRow, 2> kFormats{{
    {ImageFormat::Bmp, "bmp", "BMP"},
    {ImageFormat::Png, "png", "PNG"},
}};

const FormatRow& RowOf(ImageFormat format) {
    return *std::ranges::find(kFormats, format, &FormatRow::format);
}

} // namespace

std::optional<ImageFormat> ImageFormatFromName(std::string_view name) {
    std::string lower(name);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto& row : kFormats)
        if (row.name == lower) return row.format;
    return std::nullopt;
}

std::optional<ImageFormat> ImageFormatFromPath(const QString& path) {
    return ImageFormatFromName(QFileInfo(path).suffix().toStdString());
}

void SetImageResolution(QImage& image, int dotsPerInch) {
    const int dotsPerMeter = engine::RoundHalfEven(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

void WriteImageFile(const QImage& image, const QString& path, ImageFormat format) {
    platform::WriteFileAtomically(
        path,
        [&](QIODevice& device) {
            QImageWriter writer(&device, RowOf(format).qtFormat);
            // The fastest zlib level: pictures of bars are long runs that compress well anyway.
            writer.setCompression(12); // of 100: zlib level 1
            return writer.write(image);
        },
        platform::Durability::Renamed);
}

} // namespace exporting
