#include "ui/SettingsStore.h"

#include "platform/Registry.h"

namespace ui {

void SettingsStore::Load(app::AppSettings& settings, exporting::ExportSettings& exportChoices,
                         const QString& programFolder) const {
    platform::Registry registry;
    settings.Load(registry, programFolder);
    exporting::LoadExportSettings(registry, exportChoices);
}

void SettingsStore::Save(const app::AppSettings& settings) const {
    platform::Registry registry;
    settings.Save(registry);
}

void SettingsStore::SaveExport(const exporting::ExportSettings& exportChoices) const {
    platform::Registry registry;
    exporting::SaveExportSettings(registry, exportChoices);
}

void SettingsStore::SavePrinterOffsets(const app::AppSettings& settings) const {
    platform::Registry registry;
    settings.Offsets.Save(registry, app::OpenSettingsKey(registry));
    registry.Flush();
}

} // namespace ui
