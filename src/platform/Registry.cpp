#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/RegistryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <bit>

namespace platform {
namespace {

struct RootInfo {
    const char* name;
    const char* fileName;
};
constexpr std::array<RootInfo, 2> kRoots = {{
    {"HKEY_CURRENT_USER", "HKEY_CURRENT_USER.reg"},
    {"HKEY_CLASSES_ROOT", "HKEY_CLASSES_ROOT.reg"},
}};

constexpr RegType kTypeOfData[] = {RegType::Dword, RegType::Binary, RegType::Sz, RegType::Other};

// Windows always has HKEY_CURRENT_USER\Software; settings are opened below it without creating.
constexpr QLatin1String kStandingKey("Software");

// Our own files; anything much larger is not one of them.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

const RootInfo& InfoOf(RegRoot root) {
    return kRoots[static_cast<std::size_t>(root)];
}

QStringList SplitPath(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <class Values> auto FindValue(Values& values, const QString& name) {
    return std::find_if(values.begin(), values.end(),
                        [&](const RegNamedValue& v) { return SameName(v.name, name); });
}

} // namespace

QString RegRootName(RegRoot root) {
    return QString::fromLatin1(InfoOf(root).name);
}

bool IsValidKeyName(const QString& name) {
    constexpr qsizetype kMaxNameLength = 255;
    return !name.isEmpty() && name.size() <= kMaxNameLength &&
           std::none_of(name.begin(), name.end(), [](QChar c) {
               return c == QLatin1Char('\\') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
                      c == QChar(0);
           });
}

RegValue RegValue::Dword(std::uint32_t value) {
    return RegValue(Data(value));
}
RegValue RegValue::Binary(QByteArray bytes) {
    return RegValue(Data(std::move(bytes)));
}
RegValue RegValue::String(QString text) {
    return RegValue(Data(std::move(text)));
}
RegValue RegValue::Other(QByteArrayList lines) {
    return RegValue(Data(FileLines{std::move(lines)}));
}

RegValue RegValue::Double(double value) {
    QByteArray bytes(sizeof(double), '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), bytes.data());
    return Binary(std::move(bytes));
}

RegType RegValue::Type() const {
    return kTypeOfData[data_.index()];
}

std::optional<std::uint32_t> RegValue::ToDword() const {
    if (const auto* value = std::get_if<std::uint32_t>(&data_)) return *value;
    return std::nullopt;
}

std::optional<QByteArray> RegValue::ToBinary() const {
    if (const auto* value = std::get_if<QByteArray>(&data_)) return *value;
    return std::nullopt;
}

std::optional<double> RegValue::ToDouble() const {
    const auto* bytes = std::get_if<QByteArray>(&data_);
    if (bytes == nullptr || bytes->size() != sizeof(double)) return std::nullopt;
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes->constData()));
}

std::optional<QString> RegValue::ToString() const {
    if (const auto* value = std::get_if<QString>(&data_)) return *value;
    return std::nullopt;
}

std::optional<QByteArrayList> RegValue::ToFileLines() const {
    if (const auto* value = std::get_if<FileLines>(&data_)) return value->lines;
    return std::nullopt;
}

RegistryNode* RegistryNode::Child(const QString& childName) const {
    const auto found = children.find(childName.toCaseFolded());
    return found == children.end() ? nullptr : found->second.get();
}

RegistryNode& RegistryNode::AddChild(const QString& childName) {
    auto& slot = children[childName.toCaseFolded()];
    if (!slot) {
        slot = std::make_unique<RegistryNode>();
        slot->name = childName;
    }
    return *slot;
}

const RegValue* RegistryNode::Value(const QString& valueName) const {
    const auto found = FindValue(values, valueName);
    return found == values.end() ? nullptr : &found->value;
}

void RegistryNode::SetValue(const QString& valueName, RegValue value) {
    // Overwriting keeps the name as first written, as the registry does.
    if (const auto found = FindValue(values, valueName); found != values.end())
        found->value = std::move(value);
    else
        values.push_back({valueName, std::move(value)});
}

bool RegistryNode::RemoveValue(const QString& valueName) {
    return std::erase_if(values,
                         [&](const RegNamedValue& v) { return SameName(v.name, valueName); }) > 0;
}

Registry::Registry(QString folder) : folder_(std::move(folder)) {
    Load(RegRoot::CurrentUser);
    Load(RegRoot::ClassesRoot);
    HiveOf(RegRoot::CurrentUser).root->AddChild(kStandingKey);
}

Registry::~Registry() {
    try {
        Flush();
    } catch (const Failure&) {
        // Nobody is left to tell; the previous files are intact.
    }
}

QString Registry::DefaultFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
    return base + "/tallyrune/";
}

QString Registry::FilePath(RegRoot root) const {
    return QDir(folder_).filePath(QString::fromLatin1(InfoOf(root).fileName));
}

void Registry::Load(RegRoot root) {
    QFile file(FilePath(root));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return;
    ParseRegistryText(file.readAll(), RegRootName(root), *HiveOf(root).root);
}

RegistryNode* Registry::Find(RegRoot root, const QStringList& names) const {
    RegistryNode* node = HiveOf(root).root.get();
    for (const QString& name : names) {
        node = node->Child(name);
        if (node == nullptr) return nullptr;
    }
    return node;
}

RegistryNode* Registry::Find(const RegKey& key) const {
    return key ? Find(key.Root(), key.Names()) : nullptr;
}

RegKey Registry::OpenKey(RegRoot root, const QString& path, bool canCreate) {
    return OpenKey(RegKey(root, {}), path, canCreate);
}

RegKey Registry::OpenKey(const RegKey& parent, const QString& path, bool canCreate) {
    RegistryNode* node = Find(parent);
    const QStringList parts = SplitPath(path);
    QStringList names = parent.Names();
    if (node == nullptr || names.size() + parts.size() > kMaxKeyDepth ||
        !std::all_of(parts.begin(), parts.end(), IsValidKeyName))
        return {};
    for (const QString& part : parts) {
        RegistryNode* child = node->Child(part);
        if (child == nullptr) {
            if (!canCreate) return {};
            child = &node->AddChild(part);
            HiveOf(parent.Root()).changed = true;
        }
        names.append(child->name);
        node = child;
    }
    return RegKey(parent.Root(), names);
}

bool Registry::KeyExists(RegRoot root, const QString& path) const {
    return Find(root, SplitPath(path)) != nullptr;
}

bool Registry::DeleteKey(RegRoot root, const QString& path) {
    QStringList names = SplitPath(path);
    if (names.isEmpty()) return false; // the root itself stays
    if (root == RegRoot::CurrentUser && names.size() == 1 && SameName(names[0], kStandingKey))
        return false;
    const QString last = names.takeLast();
    RegistryNode* parent = Find(root, names);
    if (parent == nullptr || parent->children.erase(last.toCaseFolded()) == 0) return false;
    HiveOf(root).changed = true;
    return true;
}

QStringList Registry::SubKeyNames(const RegKey& key) const {
    QStringList names;
    if (const RegistryNode* node = Find(key))
        for (const auto& [folded, child] : node->children)
            names.append(child->name);
    return names;
}

std::optional<RegValue> Registry::ReadValue(const RegKey& key, const QString& name) const {
    const RegistryNode* node = Find(key);
    const RegValue* value = node ? node->Value(name) : nullptr;
    return value ? std::optional<RegValue>(*value) : std::nullopt;
}

void Registry::WriteValue(const RegKey& key, const QString& name, RegValue value) {
    RegistryNode* node = Find(key);
    if (node == nullptr) throw RegistryError(name);
    node->SetValue(name, std::move(value));
    HiveOf(key.Root()).changed = true;
}

bool Registry::DeleteValue(const RegKey& key, const QString& name) {
    RegistryNode* node = Find(key);
    if (node == nullptr || !node->RemoveValue(name)) return false;
    HiveOf(key.Root()).changed = true;
    return true;
}

void Registry::Flush() {
    for (RegRoot root : {RegRoot::CurrentUser, RegRoot::ClassesRoot}) {
        Hive& hive = HiveOf(root);
        if (!hive.changed) continue;
        const QString path = FilePath(root);
        if (!QDir().mkpath(folder_)) throw WriteFailure(path.toStdString());
        WriteFileAtomically(path, FormatRegistryText(RegRootName(root), *hive.root),
                            Durability::Synced);
        hive.changed = false;
    }
}

RegistryError::RegistryError(const QString& valueName)
    : Failure(
          QCoreApplication::translate("Registry", "Failed to set data for '%1'").arg(valueName)) {}

} // namespace platform
