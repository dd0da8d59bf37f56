#include "export/ImageFileWriter.h"

#include "engine/Units.h"
#include "platform/Errors.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw platform::WriteFailure(path.toStdString());
    QImageWriter writer(&file, RowOf(format).qtFormat);
    if (!writer.write(image) || !file.commit()) {
        file.cancelWriting();
        throw platform::WriteFailure(path.toStdString());
    }
}

} // namespace exporting
