#pragma once
// The designer's one settings store: the windows ask it to read or write the settings kept
// between runs, and never open the registry themselves. Each use reads the store as it stands
// on disk, so another instance's or the command line's writes since are not written over.

#include "app/AppSettings.h"
#include "export/ExportSettings.h"

#include <QString>

namespace ui {

class SettingsStore {
  public:
    // The application settings and the export dialog's choices; `programFolder` is where the
    // program runs from.
    void Load(app::AppSettings& settings, exporting::ExportSettings& exportChoices,
              const QString& programFolder) const;
    void Save(const app::AppSettings& settings) const;
    void SaveExport(const exporting::ExportSettings& exportChoices) const;
    // The printers' calibration offsets alone; throws when the store cannot be written.
    void SavePrinterOffsets(const app::AppSettings& settings) const;
};

} // namespace ui
