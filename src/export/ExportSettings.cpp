#include "export/ExportSettings.h"

#include "export/ExportFormat.h"
#include "platform/NumberFormat.h"

#include <QCoreApplication>

#include <cstdint>
#include <limits>

namespace exporting {
namespace {

using platform::Registry;
using platform::RegKey;
using platform::RegValue;

void ApplyPrintWidth(int value, ExportSettings& s) {
    if (value == 0 || value == 1) s.AutoSize = value == 0; // other values leave the choice
}
int StoredPrintWidth(const ExportSettings& s) {
    return s.AutoSize ? 0 : 1;
}
void ApplyScale(int value, ExportSettings& s) {
    s.ScaleText = QString::number(value);
}
int StoredScale(const ExportSettings& s) {
    return ReadInteger(s.ScaleText);
}
void ApplyDpiType(int value, ExportSettings& s) {
    s.DpiType = value == 1 ? DpiKind::Printer : value == 2 ? DpiKind::Other : DpiKind::Screen;
}
int StoredDpiType(const ExportSettings& s) {
    return static_cast<int>(s.DpiType);
}
void ApplyDpi(int value, ExportSettings& s) {
    s.DpiText = QString::number(value);
}
int StoredDpi(const ExportSettings& s) {
    return ReadInteger(s.DpiText);
}
void ApplyFormat(int value, ExportSettings& s) {
    s.Format = FormatIndexFromStored(value);
}
int StoredFormat(const ExportSettings& s) {
    return s.Format;
}

struct Field {
    const char* name;
    void (*apply)(int, ExportSettings&);
    int (*stored)(const ExportSettings&); // may throw ConversionError
};
// In the order they are read and written.
constexpr Field kFields[] = {
    {"SD_Print_Width", ApplyPrintWidth, StoredPrintWidth},
    {"SD_Scale", ApplyScale, StoredScale},
    {"SD_DPI_Type", ApplyDpiType, StoredDpiType},
    {"SD_DPI", ApplyDpi, StoredDpi},
    {"SD_Format", ApplyFormat, StoredFormat},
};

RegKey OpenSettingsKey(Registry& registry) {
    RegKey key = registry.OpenKey(platform::RegRoot::CurrentUser, "Software", false);
    for (const char* name : {"Vorhelm Software", "Tallyrune"})
        key = registry.OpenKey(key, name, true);
    return key;
}

} // namespace

ConversionError::ConversionError(const QString& text)
    : Failure(QCoreApplication::translate("ExportSettings", "'%1' is not a valid integer value")
                  .arg(text)) {}

int ReadInteger(const QString& text) {
    const std::optional<long long> value = platform::ParseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        throw ConversionError(text);
    return static_cast<int>(*value);
}

int FormatIndexFromStored(int stored) {
    if (stored < 0) return -1;
    return stored < kFormatCount ? stored : static_cast<int>(ExportFormat::Emf);
}

void LoadExportSettings(Registry& registry, ExportSettings& settings) {
    const RegKey key = OpenSettingsKey(registry);
    for (const Field& field : kFields) {
        const std::optional<RegValue> value = registry.ReadValue(key, field.name);
        const std::optional<std::uint32_t> dword = value ? value->ToDword() : std::nullopt;
        if (!dword) {
            settings.Format = 0;
            return;
        }
        field.apply(static_cast<std::int32_t>(*dword), settings);
    }
}

void SaveExportSettings(Registry& registry, const ExportSettings& settings) {
    try {
        const RegKey key = OpenSettingsKey(registry);
        for (const Field& field : kFields)
            registry.WriteValue(
                key, field.name,
                RegValue::Dword(static_cast<std::uint32_t>(field.stored(settings))));
    } catch (const platform::Failure&) {
        // Saving never reports; what was written before the failure stays.
    }
    try {
        registry.Flush();
    } catch (const platform::Failure&) {
    }
}

} // namespace exporting
