#pragma once
// The process-wide values of the designer, owned by the application and handed by reference to
// the windows and dialogs that need them: the settings kept between runs (whose label sheet is
// the current one that new documents copy, and whose unit new documents take), the cached
// printer and screen metrics with the layout results, the selected printer and the export
// dialog's choices.

#include "app/AppSettings.h"
#include "app/PrinterMetrics.h"
#include "export/ExportSettings.h"
#include "ui/SettingsStore.h"

#include <QPrinter>

namespace ui {

struct AppState {
    app::AppSettings Settings; // Settings.Labels: the current label sheet; Settings.Unit: the unit
    app::PrinterMetrics Metrics;
    exporting::ExportSettings Export;
    SettingsStore Store; // where Settings and Export are kept between runs
    // The printer that Print Setup chose; printing and the test page use it, at the printer's
    // own resolution (Qt's default would be the screen's).
    QPrinter Printer{QPrinter::HighResolution};
};

} // namespace ui
