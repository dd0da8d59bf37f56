#pragma once
// Writes a rendered barcode picture to a file in one of the export formats.

#include <QImage>
#include <QString>

#include <optional>
#include <string_view>

namespace exporting {

enum class ImageFormat { Bmp, Png };

// "bmp", "png" (any letter case) to a format.
std::optional<ImageFormat> ImageFormatFromName(std::string_view name);
// The format a file name's extension asks for.
std::optional<ImageFormat> ImageFormatFromPath(const QString& path);

// Records the resolution in the image so that the file carries it.
void SetImageResolution(QImage& image, int dotsPerInch);

// Writes beside the target and renames on success, so a failed write never leaves a partial
// file; throws platform::WriteFailure.
void WriteImageFile(const QImage& image, const QString& path, ImageFormat format);

} // namespace exporting
