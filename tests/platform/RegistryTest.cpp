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
    if (auto lines = value.ToFileLines()) *os << lines->join("|").toStdString();
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
        {"unterminated string", CrLf({key, "\"A\"=\"abc", "\"B\"=\"abc\" x"}), {}, {}},
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

// Where the value's lines, continued ones included, end in `file`, past their line break.
qsizetype EntryEnd(const QByteArray& file, const char* name) {
    qsizetype end = file.indexOf(QByteArray("\"") + name + "\"=");
    do
        end = file.indexOf("\r\n", end) + 2;
    while (file.mid(end - 4, 2) == ",\\");
    return end;
}

// The last line counts even without its line break, so a cut may leave a shorter value on it;
// every value before it comes back whole, none after it, and the next save is good.
TEST(Registry, ACutFileKeepsEveryWholeLineAndTheNextSaveIsGood) {
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
                const qsizetype start = good.indexOf(QByteArray("\"") + v.name + "\"=");
                if (cut >= EntryEnd(good, v.name)) {
                    EXPECT_EQ(read, v.value) << v.name << " cut at " << cut;
                } else if (cut <= start) {
                    EXPECT_EQ(read, std::nullopt) << v.name << " cut at " << cut;
                }
                registry.WriteValue(key, v.name, v.value);
            }
        }
        EXPECT_EQ(Contents(file), good) << "cut at " << cut;
    }
}

struct KeptCase {
    const char* what;
    QByteArray file;                          // HKEY_CURRENT_USER.reg as found
    const char* name;                         // a value in HKEY_CURRENT_USER\Software\K
    std::optional<RegValue> read;             // that value as read
    std::initializer_list<const char*> saved; // the lines of K's values once saved
};

// Files written by hand or by registry editors: every value is read and saved again, values of
// other types line for line as they came. Saving adds "Z" to K; saving what was saved changes
// nothing.
TEST(Registry, LastLinesLatin1AndOtherTypesSurviveLoadAndSave) {
    const char* key = "[HKEY_CURRENT_USER\\Software\\K]";
    const QByteArray head = "REGEDIT4\r\n\r\n" + QByteArray(key) + "\r\n";
    const auto other = [](std::initializer_list<const char*> lines) {
        QByteArrayList list;
        for (const char* line : lines)
            list.append(line);
        return RegValue::Other(list);
    };
    const char* multi[] = {"\"A\"=hex(7):41,00,00,00,42,00,00,00,43,00,00,00,44,00,00,00,45,00,00,"
                           "00,46,00,\\",
                           "  00,00,00,00"};
    const KeptCase rows[] = {
        {"last line without its line break",
         head + "\"A\"=dword:00000001",
         "A",
         RegValue::Dword(1),
         {"\"A\"=dword:00000001"}},
        {"last line without its line break, LF",
         QByteArray(key) + "\n\"A\"=\"x\"",
         "A",
         RegValue::String("x"),
         {"\"A\"=\"x\""}},
        {"a Latin-1 export",
         head + "\"A\"=\"Gr\xf6\xdf\x65 \xb5m\"\r\n",
         "A",
         RegValue::String("Größe µm"),
         {"\"A\"=\"Größe µm\""}},
        {"a Latin-1 line among UTF-8 ones",
         CrLf({key, "\"B\"=\"\xc3\xa9\"", "\"A\"=\"\xc3\x28\""}),
         "A",
         RegValue::String("Ã("),
         {"\"B\"=\"é\"", "\"A\"=\"Ã(\""}},
        {"an expandable string",
         head + "\"A\"=hex(2):25,00,50,00,00,00\r\n",
         "A",
         other({"\"A\"=hex(2):25,00,50,00,00,00"}),
         {"\"A\"=hex(2):25,00,50,00,00,00"}},
        {"a multi-string over two lines",
         CrLf({key, multi[0], multi[1]}),
         "A",
         other({multi[0], multi[1]}),
         {multi[0], multi[1]}},
        {"continued over LF lines",
         QByteArray(key) + "\n\"A\"=hex(7):41,00,\\\n  00,00\n",
         "A",
         other({"\"A\"=hex(7):41,00,\\", "  00,00"}),
         {"\"A\"=hex(7):41,00,\\", "  00,00"}},
        {"a quad word",
         head + "\"A\"=hex(b):01,00,00,00,00,00,00,00\r\n",
         "A",
         other({"\"A\"=hex(b):01,00,00,00,00,00,00,00"}),
         {"\"A\"=hex(b):01,00,00,00,00,00,00,00"}},
        {"no data", head + "\"A\"=hex(0):\r\n", "A", other({"\"A\"=hex(0):"}), {"\"A\"=hex(0):"}},
        {"a type word without a number",
         head + "\"A\"=str(2):\"%HOME%\"\r\n",
         "A",
         other({"\"A\"=str(2):\"%HOME%\""}),
         {"\"A\"=str(2):\"%HOME%\""}},
        {"spaces kept",
         head + "  \"A\" = hex(2): 41,00 \t\r\n",
         "A",
         other({"  \"A\" = hex(2): 41,00 \t"}),
         {"  \"A\" = hex(2): 41,00 \t"}},
        {"the default value",
         head + "@=hex(2):41,00,00,00\r\n",
         "",
         other({"@=hex(2):41,00,00,00"}),
         {"@=hex(2):41,00,00,00"}},
        {"in Latin-1, continued, the last line",
         head + "\"Gr\xf6\xdf\x65\"=hex(7):41,00,\\\r\n  00",
         "Größe",
         other({"\"Gr\xf6\xdf\x65\"=hex(7):41,00,\\", "  00"}),
         {"\"Gr\xf6\xdf\x65\"=hex(7):41,00,\\", "  00"}},
        {"in its place among others",
         CrLf({key, "\"B\"=dword:1", "\"A\"=hex(2):41,00", "\"C\"=\"c\""}),
         "A",
         other({"\"A\"=hex(2):41,00"}),
         {"\"B\"=dword:00000001", "\"A\"=hex(2):41,00", "\"C\"=\"c\""}},
        {"a garbled value of a known type", head + "\"A\"=dword:xyz\r\n", "A", {}, {}},
    };
    for (const KeptCase& row : rows) {
        QTemporaryDir dir;
        const QString file = dir.filePath("HKEY_CURRENT_USER.reg");
        Store(file, row.file);
        QByteArray expected = CrLf({"REGEDIT4", "", "[HKEY_CURRENT_USER\\Software]", "", key});
        for (const char* line : row.saved)
            expected += QByteArray(line) + "\r\n";
        expected += CrLf({"\"Z\"=dword:00000000", ""});
        for (int round = 0; round < 2; ++round) {
            Registry registry(dir.path());
            const RegKey k = registry.OpenKey(RegRoot::CurrentUser, "Software\\K", false);
            EXPECT_EQ(registry.ReadValue(k, row.name), row.read) << row.what << " " << round;
            registry.WriteValue(k, "Z", RegValue::Dword(0));
            registry.Flush();
            EXPECT_EQ(Contents(file), expected) << row.what << " " << round;
        }
    }
}

// A value of another type is one value like any other: written over or deleted by its name.
TEST(Registry, AValueOfAnotherTypeGoesByItsName) {
    QTemporaryDir dir;
    Store(dir.filePath("HKEY_CURRENT_USER.reg"),
          CrLf({"[HKEY_CURRENT_USER\\Software\\K]", "\"A\"=hex(2):41,00", "\"B\"=hex(7):00"}));
    Registry registry(dir.path());
    const RegKey k = registry.OpenKey(RegRoot::CurrentUser, "Software\\K", false);
    EXPECT_EQ(registry.ReadValue(k, "a")->Type(), platform::RegType::Other);
    registry.WriteValue(k, "a", RegValue::Dword(5));
    EXPECT_TRUE(registry.DeleteValue(k, "b"));
    registry.Flush();
    EXPECT_EQ(Contents(dir.filePath("HKEY_CURRENT_USER.reg")),
              CrLf({"REGEDIT4", "", "[HKEY_CURRENT_USER\\Software]", "",
                    "[HKEY_CURRENT_USER\\Software\\K]", "\"A\"=dword:00000005", ""}));
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
