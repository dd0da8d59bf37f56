#include "app/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <ostream>
#include <vector>

namespace app {
// Readable failures.
void PrintTo(const AppSettings& s, std::ostream* os) {
    *os << "window " << s.Window.Left << ',' << s.Window.Top << ' ' << s.Window.Width << 'x'
        << s.Window.Height << " type " << s.Window.BarcodeType << " cm "
        << engine::MetricFlagOf(s.Unit) << " sheet " << s.Labels.LabelHeight << 'x'
        << s.Labels.LabelWidth << " margins " << s.Labels.MarginTop << ',' << s.Labels.MarginLeft
        << " gaps " << s.Labels.GapHeight << ',' << s.Labels.GapWidth << " label cm "
        << engine::MetricFlagOf(s.Labels.Unit) << " print " << s.Printing.Pages << ','
        << s.Printing.PrintScale << ',' << s.Printing.Copies << ',' << s.Printing.BP << ','
        << s.Printing.PR << ',' << s.Printing.HAlign << ',' << s.Printing.VAlign << " path \""
        << s.Path.toStdString() << '"';
}
} // namespace app

namespace {

using app::AppSettings;
using platform::Registry;
using platform::RegKey;
using platform::RegRoot;
using platform::RegValue;

const QString kProgramFolder = "/opt/tallyrune";
const char* const kKey = "Software\\Vorhelm Software\\Tallyrune";

// Every setting away from its default.
AppSettings Stored() {
    AppSettings s;
    s.Window = {120, -8, 400, 600, 5};
    s.Unit = engine::Unit::Centimetre;
    s.Labels = {3.81, 5.08, 1.27, 0.5, 0.25, 0.125, engine::Unit::Centimetre};
    s.Printing = {3, 6, 2, 1, 1, false, true};
    s.Path = "/usr/local/bin/";
    return s;
}

QByteArray CrLf(std::initializer_list<const char*> lines) {
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

// What saving Stored() writes.
const QByteArray kStoredText = CrLf({
    "REGEDIT4",
    "",
    "[HKEY_CURRENT_USER\\Software]",
    "",
    "[HKEY_CURRENT_USER\\Software\\Vorhelm Software]",
    "",
    "[HKEY_CURRENT_USER\\Software\\Vorhelm Software\\Tallyrune]",
    "\"Left\"=dword:00000078",
    "\"Top\"=dword:fffffff8",
    "\"Height\"=dword:00000190",
    "\"Width\"=dword:00000258",
    "\"BarcodeType\"=dword:00000005",
    "\"Metric\"=dword:00000001",
    "\"MarginTop\"=hex:52,b8,1e,85,eb,51,f4,3f",
    "\"MarginLeft\"=hex:00,00,00,00,00,00,e0,3f",
    "\"LabelHeight\"=hex:7b,14,ae,47,e1,7a,0e,40",
    "\"LabelWidth\"=hex:52,b8,1e,85,eb,51,14,40",
    "\"GapHeight\"=hex:00,00,00,00,00,00,d0,3f",
    "\"GapWidth\"=hex:00,00,00,00,00,00,c0,3f",
    "\"Pages\"=dword:00000003",
    "\"PrintScale\"=dword:00000006",
    "\"Copies\"=dword:00000002",
    "\"MetricLabel\"=dword:00000001",
    "\"HAlign\"=dword:00000000",
    "\"VAlign\"=dword:00000001",
    "\"BP\"=dword:00000001",
    "\"PR\"=dword:00000001",
    "\"Path\"=\"/usr/local/bin/\"",
    "",
});

class AppSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", saved_); }
    QString StoreFile() const { return dir_.filePath("tallyrune/HKEY_CURRENT_USER.reg"); }
    QByteArray StoreText() const {
        QFile file(StoreFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void WriteStore(const QByteArray& text) {
        ASSERT_TRUE(QDir().mkpath(dir_.filePath("tallyrune")));
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir_;
    QByteArray saved_;
};

TEST_F(AppSettingsTest, FirstRunGivesEveryDefault) {
    Registry registry;
    AppSettings settings = Stored();
    settings.Load(registry, kProgramFolder);
    EXPECT_EQ(settings.Window, (app::WindowSettings{50, 50, 361, 482, 0}));
    EXPECT_EQ(settings.Unit, engine::Unit::Inch);
    EXPECT_EQ(settings.Labels,
              (app::LabelSheet{1.5, 2.0, 0.25, 0.25, 0.0, 0.0, engine::Unit::Inch}));
    EXPECT_EQ(settings.Printing, (app::PrintSettings{1, 0, 1, 0, 0, true, true}));
    EXPECT_EQ(settings.Path, "");
    EXPECT_TRUE(registry.KeyExists(RegRoot::CurrentUser, kKey));
}

struct StoredCase {
    const char* what;
    const char* name;               // the value changed from what Stored() saves
    std::optional<RegValue> value;  // nothing: removed
    void (*expect)(AppSettings& s); // turns Stored() into what loads
};

const StoredCase kStoredCases[] = {
    {"all present", "Left", RegValue::Dword(120), [](AppSettings&) {}},
    {"LabelHeight as a dword", "LabelHeight", RegValue::Dword(2),
     [](AppSettings& s) {
         s.Labels = {};
         s.Printing = {};
     }},
    {"last of the label group missing", "VAlign", std::nullopt,
     [](AppSettings& s) {
         s.Labels = {};
         s.Printing = {};
     }},
    {"MarginTop of four bytes", "MarginTop", RegValue::Binary("\0\0\0\0"),
     [](AppSettings& s) {
         s.Labels = {};
         s.Printing = {};
     }},
    {"Metric absent", "Metric", std::nullopt, [](AppSettings& s) { s.Unit = engine::Unit::Inch; }},
    {"Metric 2 is true", "Metric", RegValue::Dword(2), [](AppSettings&) {}},
    {"Metric of the wrong type", "Metric", RegValue::Double(1),
     [](AppSettings& s) {
         s.Window = {50, 50, 400, 600, 0};
         s.Unit = engine::Unit::Inch;
     }},
    {"Width of the wrong type", "Width", RegValue::String("600"),
     [](AppSettings& s) {
         s.Window = {50, 50, 400, 482, 0};
         s.Unit = engine::Unit::Inch;
     }},
    {"Left missing", "Left", std::nullopt,
     [](AppSettings& s) {
         s.Window = {50, 50, 361, 482, 0};
         s.Unit = engine::Unit::Inch;
     }},
    {"BarcodeType past the list", "BarcodeType", RegValue::Dword(18),
     [](AppSettings& s) { s.Window.BarcodeType = 18; }},
    {"Path of the wrong type", "Path", RegValue::Dword(1),
     [](AppSettings& s) { s.Path = "/opt/tallyrune/"; }},
    {"Path missing", "Path", std::nullopt, [](AppSettings& s) { s.Path = ""; }},
};

TEST_F(AppSettingsTest, EachGroupFallsBackOnItsOwn) {
    for (const StoredCase& row : kStoredCases) {
        Registry registry(dir_.filePath(row.what));
        Stored().Save(registry);
        const RegKey key = registry.OpenKey(RegRoot::CurrentUser, kKey, false);
        if (row.value)
            registry.WriteValue(key, row.name, *row.value);
        else
            registry.DeleteValue(key, row.name);
        AppSettings loaded;
        loaded.Load(registry, kProgramFolder);
        AppSettings expected = Stored();
        row.expect(expected);
        EXPECT_EQ(loaded, expected) << row.what;
    }
}

TEST_F(AppSettingsTest, SaveWritesEveryValueInItsOrder) {
    Registry registry;
    Stored().Save(registry);
    EXPECT_EQ(StoreText(), kStoredText);
}

TEST_F(AppSettingsTest, ValuesRoundTripThroughAFreshRegistry) {
    {
        Registry registry;
        Stored().Save(registry);
    }
    Registry fresh;
    AppSettings loaded;
    loaded.Load(fresh, kProgramFolder);
    EXPECT_EQ(loaded, Stored());
}

TEST_F(AppSettingsTest, AGarbledOrCutStoreLoadsDefaultsAndTheNextSaveIsGood) {
    static const char elf[] = "\x7f"
                              "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\n\n[\"\xff";
    const QByteArray rows[] = {
        QByteArray(elf, sizeof(elf) - 1),
        kStoredText.left(kStoredText.indexOf("\"Left\"") + 12), // cut inside the first value
        QByteArray("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Vorhelm Software\\Tallyrune]\r\n"
                   "\"Left\"=dword:zz\r\n\"Top\"=hex:0g\r\n\"Path\"=\"C:\\q\"\r\n"),
    };
    for (const QByteArray& text : rows) {
        WriteStore(text);
        Registry registry;
        AppSettings loaded;
        loaded.Load(registry, "");
        EXPECT_EQ(loaded, AppSettings()) << text.toStdString();
        Stored().Save(registry);
        EXPECT_EQ(StoreText(), kStoredText);
    }
}

TEST_F(AppSettingsTest, SavingIntoAStoreThatCannotBeWrittenFailsSilently) {
    QFile blocker(dir_.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Registry registry(blocker.fileName());
    EXPECT_NO_THROW(Stored().Save(registry));
    AppSettings loaded;
    loaded.Load(registry, kProgramFolder); // what was written stays in the registry
    EXPECT_EQ(loaded, Stored());
}

} // namespace
