#include "export/ExportFormat.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace exporting {
namespace {

// Raster bitmaps are held whole in memory; their sides stay within what QPainter and the
// bit packing handle. JPEG, TIFF and WMF have their own limits.
constexpr int kRasterSide = 1 << 20;
constexpr int kJpegSide = 65500; // libjpeg's JPEG_MAX_DIMENSION
constexpr int kTiffSide = 65535; // ImageWidth and ImageLength are written as SHORT
constexpr int kWmfSide = 32767;  // record coordinates are signed 16-bit
// The engine's box length stops at INT_MAX: a picture that long is longer than it can draw.
constexpr int kVectorSide = INT_MAX - 1;
constexpr int kZplSide = 32000; // ^PW and ^LL stop there

// The list items and filter descriptions are shown translated (ListItemText, SaveDialogFilter).
constexpr std::array<FormatInfo, kAllFormatCount> kFormats{{
    {ExportFormat::Bitmap, QT_TRANSLATE_NOOP("ExportFormat", "Bitmap"), "bmp",
     QT_TRANSLATE_NOOP("ExportFormat", "Bitmaps (*.bmp)"), "*.bmp", "bmp", PictureKind::Raster,
     kRasterSide},
    {ExportFormat::Jpeg, QT_TRANSLATE_NOOP("ExportFormat", "JPEG"), "jpg",
     QT_TRANSLATE_NOOP("ExportFormat", "JPEG Format Files (*.jpg)"), "*.jpg", "jpeg",
     PictureKind::Raster, kJpegSide},
    {ExportFormat::Tiff, QT_TRANSLATE_NOOP("ExportFormat", "TIFF - Tagged Information File Format"),
     "tif", QT_TRANSLATE_NOOP("ExportFormat", "Tagged Information File Format (*.tif)"), "*.tif",
     "tiff", PictureKind::Raster, kTiffSide},
    {ExportFormat::Wmf, QT_TRANSLATE_NOOP("ExportFormat", "WMF - Window's Meta File"), "wmf",
     QT_TRANSLATE_NOOP("ExportFormat", "Windows Meta Files (*.wmf)"), "*.wmf", "wmf",
     PictureKind::Metafile, kWmfSide},
    {ExportFormat::Emf, QT_TRANSLATE_NOOP("ExportFormat", "EMF - Window's Enhanced Meta File"),
     "emf", QT_TRANSLATE_NOOP("ExportFormat", "Enhanced Windows Meta Files (*.emf)"), "*.emf",
     "emf", PictureKind::Metafile, kVectorSide},
    {ExportFormat::Png, QT_TRANSLATE_NOOP("ExportFormat", "PNG - Portable Network Graphics"), "png",
     QT_TRANSLATE_NOOP("ExportFormat", "Portable Network Graphics (*.png)"), "*.png", "png",
     PictureKind::Raster, kRasterSide},
    {ExportFormat::Svg, QT_TRANSLATE_NOOP("ExportFormat", "SVG - Scalable Vector Graphics"), "svg",
     QT_TRANSLATE_NOOP("ExportFormat", "Scalable Vector Graphics (*.svg)"), "*.svg", "svg",
     PictureKind::Vector, kVectorSide},
    {ExportFormat::Pdf, QT_TRANSLATE_NOOP("ExportFormat", "PDF - Portable Document Format"), "pdf",
     QT_TRANSLATE_NOOP("ExportFormat", "Portable Document Format (*.pdf)"), "*.pdf", "pdf",
     PictureKind::Vector, kVectorSide},
    {ExportFormat::Zpl, QT_TRANSLATE_NOOP("ExportFormat", "ZPL - Zebra Programming Language"),
     "zpl", QT_TRANSLATE_NOOP("ExportFormat", "ZPL II labels (*.zpl)"), "*.zpl", "zpl",
     PictureKind::Raster, kZplSide},
}};

static_assert([] {
    for (int i = 0; i < kAllFormatCount; ++i)
        if (static_cast<int>(kFormats[i].format) != i) return false;
    return true;
}());

struct Alias {
    std::string_view name;
    ExportFormat format;
};
// Other spellings of a format's name or extension.
constexpr Alias kAliases[] = {
    {"jpg", ExportFormat::Jpeg},
    {"jpeg", ExportFormat::Jpeg},
    {"tif", ExportFormat::Tiff},
    {"tiff", ExportFormat::Tiff},
};

QString Translated(std::string_view text) {
    return QCoreApplication::translate("ExportFormat", std::string(text).c_str());
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

} // namespace

std::span<const FormatInfo, kFormatCount> ExportFormats() {
    return std::span<const FormatInfo, kAllFormatCount>(kFormats).first<kFormatCount>();
}

const std::array<FormatInfo, kAllFormatCount>& AllExportFormats() {
    return kFormats;
}

const FormatInfo& InfoOf(ExportFormat format) {
    return kFormats[static_cast<std::size_t>(format)];
}

std::optional<ExportFormat> FormatAtIndex(int index) {
    if (index < 0 || index >= kFormatCount) return std::nullopt;
    return static_cast<ExportFormat>(index);
}

QString ListItemText(const FormatInfo& info) {
    return Translated(info.listItem);
}

QString SaveDialogFilter(ExportFormat format) {
    const FormatInfo& info = InfoOf(format);
    return Translated(info.filterDescription) + QLatin1Char('|') +
           QString::fromLatin1(info.filterPattern.data(), info.filterPattern.size());
}

std::optional<ExportFormat> FormatFromName(std::string_view name) {
    const std::string lower = Lower(name);
    for (const Alias& alias : kAliases)
        if (alias.name == lower) return alias.format;
    for (const FormatInfo& info : kFormats)
        if (info.cliName == lower || info.extension == lower) return info.format;
    return std::nullopt;
}

std::optional<ExportFormat> FormatFromPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty()) return std::nullopt;
    return FormatFromName(suffix.toStdString());
}

} // namespace exporting
