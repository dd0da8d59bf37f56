#pragma once
// The values kept between runs under HKEY_CURRENT_USER\Software\Vorhelm Software\Tallyrune:
// the main window's placement and type list choice, the unit, the label sheet, the print
// dialog's last choices, the folder recorded by the file-type association, the printers' offsets
// and the recent documents.

#include "app/LabelSheet.h"
#include "app/PrintSettings.h"
#include "app/PrinterOffsets.h"
#include "app/RecentFiles.h"
#include "engine/Units.h"
#include "platform/Registry.h"

#include <QString>

namespace app {

inline constexpr int kDesignWidth = 482; // the main window's size as designed
inline constexpr int kDesignHeight = 361;

// What the main window applies to itself; kept plain so the window reads and sets it.
struct WindowSettings {
    int Left = 50;
    int Top = 50;
    int Height = kDesignHeight;
    int Width = kDesignWidth;
    int BarcodeType = 0; // index in the type list, kept as stored even when past its end

    bool operator==(const WindowSettings&) const = default;
};

// HKEY_CURRENT_USER\Software\Vorhelm Software\Tallyrune, created when missing.
platform::RegKey OpenSettingsKey(platform::Registry& registry);

struct AppSettings {
    WindowSettings Window;
    engine::Unit Unit = engine::Unit::Inch; // unit of new documents
    app::LabelSheet Labels;
    app::PrintSettings Printing; // a PrintScale of 0 is replaced by the layout, not here
    QString Path;                // program folder at the last file-type association
    app::PrinterOffsets Offsets;
    app::RecentFiles Recent;

    // Reads the groups (window, label and print, Path, offsets, recent files), each falling
    // back on its own;
    // never fails. `programFolder` is what a Path of the wrong type gives, with a trailing "/".
    void Load(platform::Registry& registry, const QString& programFolder);
    // Writes every value and flushes the registry; any failure ends it silently.
    void Save(platform::Registry& registry) const;

    bool operator==(const AppSettings&) const = default;
};

} // namespace app
