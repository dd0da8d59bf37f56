// The export dialog's five SD_ values in the settings key: first run, round trip, partial and
// mistyped stores, out-of-range values, and saving that stops at the first failure.

#include "export/ExportSettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using exporting::DpiKind;
using exporting::ExportSettings;
using platform::Registry;
using platform::RegValue;

const QString kKey = QStringLiteral("Software\\Vorhelm Software\\Tallyrune");

class ExportSettingsStore : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Registry registry{dir.path()};

    void Put(const char* name, RegValue value) {
        registry.WriteValue(registry.CreateKey(platform::RegRoot::CurrentUser, kKey), name,
                            std::move(value));
    }
    std::optional<RegValue> Get(const char* name) {
        return registry.ReadValue(registry.OpenKey(platform::RegRoot::CurrentUser, kKey, false),
                                  name);
    }
    ExportSettings Loaded() {
        ExportSettings settings;
        exporting::LoadExportSettings(registry, settings);
        return settings;
    }
};

TEST_F(ExportSettingsStore, FirstRunKeepsTheInitialState) {
    EXPECT_EQ(Loaded(), ExportSettings());
}

TEST_F(ExportSettingsStore, SavedValuesComeBackInANewSession) {
    const ExportSettings saved{DpiKind::Other, "1200", false, "17", 6};
    exporting::SaveExportSettings(registry, saved);
    for (const char* name : {"SD_Print_Width", "SD_Scale", "SD_DPI_Type", "SD_DPI", "SD_Format"})
        EXPECT_EQ(Get(name).value_or(RegValue::String("")).Type(), platform::RegType::Dword)
            << name;
    EXPECT_EQ(Get("SD_Scale"), RegValue::Dword(17));
    Registry reopened(dir.path());
    ExportSettings loaded;
    exporting::LoadExportSettings(reopened, loaded);
    EXPECT_EQ(loaded, saved);
}

TEST_F(ExportSettingsStore, ReadingStopsAtTheFirstMissingOrMistypedValue) {
    Put("SD_Print_Width", RegValue::Dword(1));
    Put("SD_Scale", RegValue::Dword(12));
    Put("SD_DPI_Type", RegValue::String("2")); // not a REG_DWORD
    Put("SD_DPI", RegValue::Dword(600));
    Put("SD_Format", RegValue::Dword(3));
    ExportSettings expected;
    expected.AutoSize = false;
    expected.ScaleText = "12";
    EXPECT_EQ(Loaded(), expected);
}

TEST_F(ExportSettingsStore, ValuesOutsideTheirRange) {
    const struct {
        int printWidth;
        int dpiType;
        int dpi;
        int format;
        bool autoSize;
        DpiKind kind;
        const char* dpiText;
        int formatIndex;
    } cases[] = {
        {0, 0, 96, 0, true, DpiKind::Screen, "96", 0},
        {7, 9, -12, 5, true, DpiKind::Screen, "-12", 5},   // 5 is PNG since the list grew
        {1, 1, 600, 8, false, DpiKind::Printer, "600", 4}, // above the list: EMF
        {1, 2, 300, 2000000, false, DpiKind::Other, "300", 4},
        {0, -1, 0, -1, true, DpiKind::Screen, "0", -1}, // negative: no format
    };
    for (const auto& c : cases) {
        Put("SD_Print_Width", RegValue::Dword(std::uint32_t(c.printWidth)));
        Put("SD_Scale", RegValue::Dword(8));
        Put("SD_DPI_Type", RegValue::Dword(std::uint32_t(c.dpiType)));
        Put("SD_DPI", RegValue::Dword(std::uint32_t(c.dpi)));
        Put("SD_Format", RegValue::Dword(std::uint32_t(c.format)));
        const ExportSettings loaded = Loaded();
        EXPECT_EQ(loaded.AutoSize, c.autoSize) << c.printWidth;
        EXPECT_EQ(loaded.DpiType, c.kind) << c.dpiType;
        EXPECT_EQ(loaded.DpiText, c.dpiText);
        EXPECT_EQ(loaded.Format, c.formatIndex) << c.format;
    }
}

TEST_F(ExportSettingsStore, SavingStopsSilentlyAtAnEmptyNumberBox) {
    ExportSettings settings{DpiKind::Printer, "600", false, "", 2};
    exporting::SaveExportSettings(registry, settings);
    EXPECT_EQ(Get("SD_Print_Width"), RegValue::Dword(1));
    for (const char* name : {"SD_Scale", "SD_DPI_Type", "SD_DPI", "SD_Format"})
        EXPECT_FALSE(Get(name)) << name;
    // A negative format is written as it is and read back as none.
    settings = {DpiKind::Screen, "", true, "8", -1};
    exporting::SaveExportSettings(registry, settings);
    EXPECT_EQ(Get("SD_DPI_Type"), RegValue::Dword(0));
    EXPECT_FALSE(Get("SD_DPI"));
}

TEST_F(ExportSettingsStore, AStoreThatCannotBeWrittenIsNotReported) {
    Registry unwritable(QStringLiteral("/proc/tallyrune-no-such-folder"));
    EXPECT_NO_THROW(exporting::SaveExportSettings(unwritable, ExportSettings()));
}

} // namespace
