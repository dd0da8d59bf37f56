#pragma once
// The Windows registry as the program uses it: typed values in keys under HKEY_CURRENT_USER
// and HKEY_CLASSES_ROOT, kept per user as one "REGEDIT4" text file per root. Key and value
// names compare without regard to letter case and keep the case they were created with.

#include "platform/Errors.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace platform {

enum class RegRoot { CurrentUser, ClassesRoot }; // HKEY_CURRENT_USER, HKEY_CLASSES_ROOT

// winnt.h numbers; Other stands for every type this program does not read (REG_EXPAND_SZ,
// REG_MULTI_SZ, ...), kept as the file spelled it.
enum class RegType : std::uint32_t { Sz = 1, Binary = 3, Dword = 4, Other = 0xFFFFFFFF };

// "HKEY_CURRENT_USER" or "HKEY_CLASSES_ROOT".
QString RegRootName(RegRoot root);

// The registry's limits: a key name has 1 to 255 characters and no backslash, line break or
// NUL (those would break the file); keys nest at most 512 deep.
bool IsValidKeyName(const QString& name);
inline constexpr qsizetype kMaxKeyDepth = 512;

class RegValue {
  public:
    static RegValue Dword(std::uint32_t value);
    static RegValue Binary(QByteArray bytes);
    static RegValue Double(double value); // REG_BINARY: 8 bytes, IEEE 754, little-endian
    static RegValue String(QString text);
    // A value of another type, as its lines in the file (without their line breaks) spell it,
    // so that saving writes it back byte for byte.
    static RegValue Other(QByteArrayList lines);

    RegType Type() const;
    // Each gives the data only when the value is of that type (a double: binary of 8 bytes).
    std::optional<std::uint32_t> ToDword() const;
    std::optional<QByteArray> ToBinary() const;
    std::optional<double> ToDouble() const;
    std::optional<QString> ToString() const;
    std::optional<QByteArrayList> ToFileLines() const; // of an Other value

    bool operator==(const RegValue&) const = default; // doubles compare bit for bit

  private:
    struct FileLines {
        QByteArrayList lines;
        bool operator==(const FileLines&) const = default;
    };
    using Data = std::variant<std::uint32_t, QByteArray, QString, FileLines>; // in RegType order
    explicit RegValue(Data data) : data_(std::move(data)) {}
    Data data_;
};

struct RegNamedValue {
    QString name; // empty: the key's default value
    RegValue value;
};

// One key in memory: its values in the order they were first written, its subkeys by
// case-folded name.
struct RegistryNode {
    QString name;
    std::vector<RegNamedValue> values;
    std::map<QString, std::unique_ptr<RegistryNode>> children;

    RegistryNode* Child(const QString& childName) const;
    RegistryNode& AddChild(const QString& childName); // the existing one when present
    const RegValue* Value(const QString& valueName) const;
    void SetValue(const QString& valueName, RegValue value);
    bool RemoveValue(const QString& valueName);
};

// A write that could not be done; the text is the one Windows programs show.
class RegistryError : public Failure {
  public:
    explicit RegistryError(const QString& valueName);
};

// An open key, or a closed one when opening failed. Reads from a closed key or from one deleted
// since find nothing; writes to them fail, as with a registry handle.
class RegKey {
  public:
    RegKey() = default;
    explicit operator bool() const { return open_; }
    RegRoot Root() const { return root_; }
    const QStringList& Names() const { return names_; } // path below the root, as stored

  private:
    friend class Registry;
    RegKey(RegRoot root, QStringList names) : open_(true), root_(root), names_(std::move(names)) {}
    bool open_ = false;
    RegRoot root_ = RegRoot::CurrentUser;
    QStringList names_;
};

class Registry {
  public:
    // Loads the store in `folder`; missing or unreadable files give empty roots.
    explicit Registry(QString folder = DefaultFolder());
    ~Registry(); // flushes what is not written yet; a failure then goes unreported
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // $XDG_CONFIG_HOME/tallyrune/, or ~/.config/tallyrune/ when that is unset or relative.
    static QString DefaultFolder();
    QString FilePath(RegRoot root) const;

    // Paths are backslash-separated and relative to the root or to `parent`; empty parts are
    // skipped, so an empty path opens the root or `parent` itself. Without `canCreate` a
    // missing key gives a closed RegKey, as does a name or depth beyond the limits above.
    RegKey OpenKey(RegRoot root, const QString& path, bool canCreate);
    RegKey OpenKey(const RegKey& parent, const QString& path, bool canCreate);
    RegKey CreateKey(RegRoot root, const QString& path) { return OpenKey(root, path, true); }
    bool KeyExists(RegRoot root, const QString& path) const;
    // With its subkeys; false when absent. A root and HKEY_CURRENT_USER\Software always stay.
    bool DeleteKey(RegRoot root, const QString& path);
    QStringList SubKeyNames(const RegKey& key) const; // sorted without regard to case

    std::optional<RegValue> ReadValue(const RegKey& key, const QString& name) const;
    void WriteValue(const RegKey& key, const QString& name, RegValue value); // RegistryError
    bool DeleteValue(const RegKey& key, const QString& name);

    // Writes each root changed since loading or the last flush; throws WriteFailure.
    void Flush();

  private:
    struct Hive {
        std::unique_ptr<RegistryNode> root = std::make_unique<RegistryNode>();
        bool changed = false;
    };
    Hive& HiveOf(RegRoot root) { return hives_[static_cast<std::size_t>(root)]; }
    const Hive& HiveOf(RegRoot root) const { return hives_[static_cast<std::size_t>(root)]; }
    RegistryNode* Find(RegRoot root, const QStringList& names) const;
    RegistryNode* Find(const RegKey& key) const;
    void Load(RegRoot root);

    QString folder_;
    std::array<Hive, 2> hives_;
};

} // namespace platform
