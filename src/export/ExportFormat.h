#pragma once
// The export formats in the order of the dialog's format list; the index is the stored
// SD_Format value, so the five original formats keep 0 to 4 and the newer ones follow.

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace exporting {

enum class ExportFormat {
    Bitmap = 0,
    Jpeg = 1,
    Tiff = 2,
    Wmf = 3,
    Emf = 4,
    Png = 5,
    Svg = 6,
    Pdf = 7,
    Zpl = 8 // a label printer's own language; written by tallyrune-cli, not offered in the dialog
};

// How a format's picture is made, which decides how its failures read.
enum class PictureKind { Raster, Metafile, Vector };

struct FormatInfo {
    ExportFormat format;
    std::string_view listItem;
    std::string_view extension; // without the dot
    std::string_view filterDescription;
    std::string_view filterPattern;
    std::string_view cliName; // --format value
    PictureKind kind;
    int maxSide; // the largest width or height the file format can carry
};

inline constexpr int kFormatCount = 8; // the dialog's
inline constexpr int kAllFormatCount = 9;

// The dialog's formats, in its list's order.
std::span<const FormatInfo, kFormatCount> ExportFormats();
// Those and the formats only tallyrune-cli writes.
const std::array<FormatInfo, kAllFormatCount>& AllExportFormats();
const FormatInfo& InfoOf(ExportFormat format);

// The format at a list index, or none for an index outside the list.
std::optional<ExportFormat> FormatAtIndex(int index);

// The dialog's list item for the format, in the user's language.
QString ListItemText(const FormatInfo& info);
// The save dialog's filter: description (in the user's language), a vertical bar, pattern.
QString SaveDialogFilter(ExportFormat format);

// A --format value ("bmp", "jpeg" or "jpg", "tiff" or "tif", ...) in any letter case.
std::optional<ExportFormat> FormatFromName(std::string_view name);
// The format a file name's extension asks for (".jpeg" and ".tiff" included).
std::optional<ExportFormat> FormatFromPath(const QString& path);

} // namespace exporting
