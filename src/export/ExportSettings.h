#pragma once
// The export dialog's choices, kept between runs as five REG_DWORD values (SD_...) in the
// settings key.

#include "platform/Errors.h"
#include "platform/Registry.h"

#include <QString>

namespace exporting {

enum class DpiKind { Screen = 0, Printer = 1, Other = 2 }; // the stored SD_DPI_Type values

// The dialog's state in the first run; the number boxes hold text as typed.
struct ExportSettings {
    DpiKind DpiType = DpiKind::Screen;
    QString DpiText = QStringLiteral("300"); // eDPI
    bool AutoSize = true;                    // false: "Custom"
    QString ScaleText = QStringLiteral("8"); // eScale, narrow bar in dots
    int Format = 0;                          // index in the format list; -1 none chosen

    bool operator==(const ExportSettings&) const = default;
};

// A number box whose text is not a whole number: "'<text>' is not a valid integer value".
class ConversionError : public platform::Failure {
  public:
    explicit ConversionError(const QString& text);
};

// A number box's text as a 32-bit integer (blanks around it and a sign allowed).
int ReadInteger(const QString& text);

// The list index an SD_Format value chooses: 0..7 itself, above the list EMF, as before the
// list grew; a negative value chooses nothing (-1).
int FormatIndexFromStored(int stored);

// Reads the values in order into `settings`; at the first value that is missing or not a
// REG_DWORD it stops, keeping what was read, and chooses the first format.
void LoadExportSettings(platform::Registry& registry, ExportSettings& settings);
// Writes the values in order; the first failure (a number box that is not a number, a write
// the registry refuses) ends it silently, keeping what was written.
void SaveExportSettings(platform::Registry& registry, const ExportSettings& settings);

} // namespace exporting
