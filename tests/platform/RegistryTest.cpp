#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <vector>

namespace platform {
// Readable failures: the type number and the data as the file shows it.
void PrintTo(const RegValue& value, std::ostream* os) {
    *os << static_cast<int>(value.Type()) << ':';
    if (auto dword = value.ToDword()) *os << std::hex << *dword << std::dec;
    if (auto bytes = value.ToBinary()) *os << bytes->toHex(',').toStdString();
    if (auto text = value.ToString()) *os << text->toStdString();
}
} // namespace platform

namespace {

using platform::Registry;
using platform::RegKey;
using platform::RegRoot;
using platform::RegValue;

QByteArray CrLf(std::initializer_list<const char*> lines) {
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

RegValue Bits(std::uint64_t bits) {
    return RegValue::Double(std::bit_cast<double>(bits));
}

QByteArray Counting(int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

struct NamedValue {
    const char* name;
    RegValue value;
};

TEST(Registry, ValuesComeBackBitForBitInAFreshObject) {
    const NamedValue rows[] = {
        {"Left", RegValue::Dword(50)},
        {"Max", RegValue::Dword(0xFFFFFFFF)},
        {"Quarter", RegValue::Double(0.25)},
        {"MinusZero", RegValue::Double(-0.0)},
        {"NaNPayload", Bits(0x7FF800000000ABCDull)},
        {"SignallingNaN", Bits(0xFFF0000000000001ull)},
        {"Infinity", Bits(0x7FF0000000000000ull)},
        {"Denormal", Bits(1)},
        {"NoBytes", RegValue::Binary({})},
        {"LongBinary", RegValue::Binary(Counting(200))},
        {"Empty", RegValue::String("")},
        {"Path", RegValue::String("C:\\Program Files\\Tallyrune\\")},
        {"Quotes", RegValue::String("say \"hi\"")},
        {"Breaks", RegValue::String(QString("a\nb\rc") + QChar(0) + "d")},
        {"Unicode", RegValue::String("Größe €")},
        {"", RegValue::String("default value")},
        {"@", RegValue::String("not the default")},
        {"we\"ird\\name", RegValue::Dword(7)},
    };
    QTemporaryDir dir;
    {
        Registry registry(dir.path());
        const RegKey key = registry.CreateKey(RegRoot::CurrentUser, "Software\\Test");
        for (const NamedValue& row : rows)
            registry.WriteValue(key, row.name, row.value);
        registry.Flush();
    }
    Registry fresh(dir.path());
    const RegKey key = fresh.OpenKey(RegRoot::CurrentUser, "Software\\Test", false);
    for (const NamedValue& row : rows)
        EXPECT_EQ(fresh.ReadValue(key, row.name), row.value) << row.name;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*fresh.ReadValue(key, "NaNPayload")->ToDouble()),
              0x7FF800000000ABCDull);
}

TEST(Registry, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    QTemporaryDir dir;
    Registry registry(dir.path());
    const RegKey key = registry.CreateKey(RegRoot::CurrentUser, "Software\\Vorhelm Software");
    registry.WriteValue(key, "Left", RegValue::Dword(1));
    const RegKey again =
        registry.OpenKey(RegRoot::CurrentUser, "SOFTWARE\\vorhelm SOFTWARE", false);
    ASSERT_TRUE(again);
    EXPECT_EQ(again.Names(), QStringList({"Software", "Vorhelm Software"}));
    registry.WriteValue(again, "LEFT", RegValue::Dword(2));
    EXPECT_EQ(registry.ReadValue(key, "left"), RegValue::Dword(2));
    registry.Flush();
    EXPECT_TRUE(
        Contents(registry.FilePath(RegRoot::CurrentUser)).contains("\"Left\"=dword:00000002"));
}

TEST(Registry, OpeningWithoutCreatingFindsOnlyExistingKeys) {
    QTemporaryDir dir;
    Registry registry(dir.path());
    const RegKey missing = registry.OpenKey(RegRoot::ClassesRoot, "TLRfile\\DefaultIcon", false);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(registry.KeyExists(RegRoot::ClassesRoot, "TLRfile"));
    EXPECT_EQ(registry.ReadValue(missing, ""), std::nullopt);
    try {
        registry.WriteValue(missing, "OldAssociation", RegValue::String("x"));
        FAIL() << "no failure";
    } catch (const platform::RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'OldAssociation'");
    }
    EXPECT_TRUE(registry.OpenKey(RegRoot::ClassesRoot, "TLRfile\\DefaultIcon", true));
    EXPECT_TRUE(registry.KeyExists(RegRoot::ClassesRoot, "tlrfile\\defaulticon"));
    EXPECT_TRUE(registry.KeyExists(RegRoot::CurrentUser, "Software")); // always there
}

TEST(Registry, DeletesValuesAndKeysWithTheirSubkeys) {
    QTemporaryDir dir;
    Registry registry(dir.path());
    const RegKey command =
        registry.CreateKey(RegRoot::ClassesRoot, "Tallyrune\\Shell\\Open\\Command");
    const RegKey type = registry.OpenKey(RegRoot::ClassesRoot, "Tallyrune", false);
    registry.WriteValue(type, "", RegValue::String("Tallyrune document"));
    EXPECT_TRUE(registry.DeleteValue(type, ""));
    EXPECT_FALSE(registry.DeleteValue(type, ""));
    EXPECT_TRUE(registry.DeleteKey(RegRoot::ClassesRoot, "tallyrune\\shell"));
    EXPECT_FALSE(registry.KeyExists(RegRoot::ClassesRoot, "Tallyrune\\Shell\\Open"));
    EXPECT_TRUE(registry.KeyExists(RegRoot::ClassesRoot, "Tallyrune"));
    EXPECT_THROW(registry.WriteValue(command, "", RegValue::String("x")), platform::RegistryError);
    EXPECT_FALSE(registry.DeleteKey(RegRoot::ClassesRoot, "Tallyrune\\Shell"));
    EXPECT_FALSE(registry.DeleteKey(RegRoot::ClassesRoot, ""));
    EXPECT_FALSE(registry.DeleteKey(RegRoot::CurrentUser, "software"));
}

TEST(Registry, ListsSubkeysSortedWithoutRegardToCase) {
    QTemporaryDir dir;
    Registry registry(dir.path());
    for (const char* name : {"b", "TLRfile", "A", ".TLR", "c"})
        registry.CreateKey(RegRoot::ClassesRoot, name);
    const RegKey root = registry.OpenKey(RegRoot::ClassesRoot, "", false);
    EXPECT_EQ(registry.SubKeyNames(root), QStringList({".TLR", "A", "b", "c", "TLRfile"}));
}

TEST(Registry, RefusesKeyNamesTheFileCannotHold) {
    const QString deep = QString("k\\").repeated(platform::kMaxKeyDepth + 1);
    const QString rows[] = {"a\nb", "x\r", QString("n") + QChar(0), QString(256, 'x'), deep};
    QTemporaryDir dir;
    Registry registry(dir.path());
    for (const QString& path : rows)
        EXPECT_FALSE(registry.CreateKey(RegRoot::ClassesRoot, path)) << path.size();
    EXPECT_TRUE(registry.CreateKey(RegRoot::ClassesRoot, QString(255, 'x')));
}

// A small store as written; HKEY_CLASSES_ROOT shows a default value and binary data wrapped.
TEST(Registry, WritesRegistryEditorTextByteForByte) {
    QTemporaryDir dir;
    Registry registry(dir.path());
    const RegKey settings =
        registry.CreateKey(RegRoot::CurrentUser, "Software\\Vorhelm Software\\Tallyrune");
    registry.WriteValue(settings, "Left", RegValue::Dword(50));
    registry.WriteValue(settings, "MarginTop", RegValue::Double(0.25));
    registry.WriteValue(settings, "Path", RegValue::String("C:\\Tally \"rune\"\\"));
    const RegKey ext = registry.CreateKey(RegRoot::ClassesRoot, ".TLR");
    registry.WriteValue(ext, "", RegValue::String("TLRfile"));
    const RegKey type = registry.CreateKey(RegRoot::ClassesRoot, "TLRfile");
    registry.WriteValue(type, "Data", RegValue::Binary(Counting(30)));
    const RegKey command =
        registry.CreateKey(RegRoot::ClassesRoot, "TLRfile\\Shell\\Open\\Command");
    registry.WriteValue(command, "", RegValue::String("/opt/tallyrune/tallyrune \"%1\""));
    registry.Flush();

    EXPECT_EQ(Contents(dir.filePath("HKEY_CURRENT_USER.reg")),
              CrLf({"REGEDIT4", "", "[HKEY_CURRENT_USER\\Software]", "",
                    "[HKEY_CURRENT_USER\\Software\\Vorhelm Software]", "",
                    "[HKEY_CURRENT_USER\\Software\\Vorhelm Software\\Tallyrune]",
                    "\"Left\"=dword:00000032", "\"MarginTop\"=hex:00,00,00,00,00,00,d0,3f",
                    "\"Path\"=\"C:\\\\Tally \\\"rune\\\"\\\\\"", ""}));
    EXPECT_EQ(Contents(dir.filePath("HKEY_CLASSES_ROOT.reg")),
              CrLf({"REGEDIT4", "", "[HKEY_CLASSES_ROOT\\.TLR]", "@=\"TLRfile\"", "",
                    "[HKEY_CLASSES_ROOT\\TLRfile]",
                    "\"Data\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,"
                    "15,\\",
                    "  16,17,18,19,1a,1b,1c,1d", "", "[HKEY_CLASSES_ROOT\\TLRfile\\Shell]", "",
                    "[HKEY_CLASSES_ROOT\\TLRfile\\Shell\\Open]", "",
                    "[HKEY_CLASSES_ROOT\\TLRfile\\Shell\\Open\\Command]",
                    "@=\"/opt/tallyrune/tallyrune \\\"%1\\\"\"", ""}));
}

struct GarbledCase {
    const char* what;
    QByteArray text;
    std::optional<RegValue> a; // "A" in HKEY_CURRENT_USER\Software\K
    std::optional<RegValue> b; // "B" there
};

TEST(Registry, GarbledFilesLoadWhatParsesCleanly) {
    const char* key = "[HKEY_CURRENT_USER\\Software\\K]";
    const GarbledCase rows[] = {
        {"binary junk", QByteArray("\x89PNG\r\n\x1a\n\0\0\xff\xfe[\"A\"=", 17), {}, {}},
        {"empty", "", {}, {}},
        {"good", CrLf({"REGEDIT4", key, "\"A\"=dword:1", "\"B\"=\"x\""}), RegValue::Dword(1),
         RegValue::String("x")},
        {"no header", CrLf({key, "\"A\"=dword:00000002"}), RegValue::Dword(2), {}},
        {"other root", CrLf({"[HKEY_CLASSES_ROOT\\Software\\K]", "\"A\"=dword:1"}), {}, {}},
        {"value before any key", CrLf({"\"A\"=dword:1", key}), {}, {}},
        {"unknown escape",
         CrLf({key, "\"A\"=\"C:\\x\"", "\"B\"=\"ok\""}),
         {},
         RegValue::String("ok")},
        {"dword too long", CrLf({key, "\"A\"=dword:000000001"}), {}, {}},
        {"bad hex digit",
         CrLf({key, "\"A\"=hex:0g", "\"B\"=hex:ab"}),
         {},
         RegValue::Binary("\xab")},
        {"hex ends in comma", CrLf({key, "\"A\"=hex:01,02,"}), {}, {}},
        {"continuation never ends", CrLf({key, "\"A\"=hex:01,\\"}), {}, {}},
        {"continued hex", CrLf({key, "\"A\"=hex:01,\\", "  02"}), RegValue::Binary("\x01\x02"), {}},
        {"invalid UTF-8",
         CrLf({key, "\"A\"=\"\xc3\x28\"", "\"B\"=\"\xc3\xa9\""}),
         {},
         RegValue::String("é")},
        {"unterminated string", CrLf({key, "\"A\"=\"abc", "\"B\"=\"abc\" x"}), {}, {}},
        {"last line cut off",
         CrLf({key, "\"A\"=dword:1"}) + "\"B\"=dword:000",
         RegValue::Dword(1),
         {}},
        {"LF line ends", QByteArray(key) + "\n\"A\"=dword:3\n", RegValue::Dword(3), {}},
    };
    for (const GarbledCase& row : rows) {
        QTemporaryDir dir;
        Store(dir.filePath("HKEY_CURRENT_USER.reg"), row.text);
        Registry registry(dir.path());
        const RegKey k = registry.OpenKey(RegRoot::CurrentUser, "Software\\K", false);
        EXPECT_EQ(registry.ReadValue(k, "A"), row.a) << row.what;
        EXPECT_EQ(registry.ReadValue(k, "B"), row.b) << row.what;
    }
}

TEST(Registry, ACutFileNeverGivesAWrongValueAndTheNextSaveIsGood) {
    QTemporaryDir dir;
    const QString file = dir.filePath("HKEY_CURRENT_USER.reg");
    const NamedValue values[] = {{"Left", RegValue::Dword(0x12345678)},
                                 {"Long", RegValue::Binary(Counting(60))},
                                 {"Path", RegValue::String("/opt/x/")}};
    {
        Registry registry(dir.path());
        const RegKey key = registry.CreateKey(RegRoot::CurrentUser, "Software\\K");
        for (const NamedValue& v : values)
            registry.WriteValue(key, v.name, v.value);
    }
    const QByteArray good = Contents(file);
    for (qsizetype cut = 0; cut < good.size(); ++cut) {
        Store(file, good.left(cut));
        {
            Registry registry(dir.path());
            const RegKey key = registry.CreateKey(RegRoot::CurrentUser, "Software\\K");
            for (const NamedValue& v : values) {
                const std::optional<RegValue> read = registry.ReadValue(key, v.name);
                EXPECT_TRUE(!read || *read == v.value) << v.name << " cut at " << cut;
                registry.WriteValue(key, v.name, v.value);
            }
        }
        EXPECT_EQ(Contents(file), good) << "cut at " << cut;
    }
}

TEST(Registry, WritesOnlyChangedRootsAndFlushesWhenDestroyed) {
    QTemporaryDir dir;
    { Registry untouched(dir.path()); }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    {
        Registry registry(dir.filePath("new/folder"));
        registry.WriteValue(registry.CreateKey(RegRoot::ClassesRoot, ".TLR"), "",
                            RegValue::String("TLRfile"));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("new/folder/HKEY_CURRENT_USER.reg")));
    Registry fresh(dir.filePath("new/folder"));
    EXPECT_EQ(fresh.ReadValue(fresh.OpenKey(RegRoot::ClassesRoot, ".tlr", false), ""),
              RegValue::String("TLRfile"));
}

TEST(Registry, AStoreThatCannotBeWrittenReportsItsFile) {
    QTemporaryDir dir;
    Store(dir.filePath("occupied"), "a file, not a folder");
    Registry registry(dir.filePath("occupied"));
    registry.CreateKey(RegRoot::CurrentUser, "Software\\K");
    try {
        registry.Flush();
        FAIL() << "no failure";
    } catch (const platform::WriteFailure& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Unable to write to " +
                      dir.filePath("occupied/HKEY_CURRENT_USER.reg").toStdString());
    }
}

struct FolderCase {
    const char* xdgConfigHome; // null: unset
    const char* expected;      // below the temporary home
};

TEST(Registry, DefaultFolderFollowsXdgConfigHome) {
    const FolderCase rows[] = {
        {nullptr, "/home/.config/tallyrune/"},
        {"", "/home/.config/tallyrune/"},
        {"relative/conf", "/home/.config/tallyrune/"},
        {"@/xdg", "/xdg/tallyrune/"},
    };
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME"); // unset and empty mean the same
    QTemporaryDir dir;
    qputenv("HOME", QFile::encodeName(dir.filePath("home")));
    for (const FolderCase& row : rows) {
        if (row.xdgConfigHome == nullptr)
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME",
                    QString(row.xdgConfigHome).replace("@", dir.path()).toUtf8());
        EXPECT_EQ(Registry::DefaultFolder(), dir.path() + row.expected) << row.expected;
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedXdg);
}

} // namespace
