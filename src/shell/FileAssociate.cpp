#include "shell/FileAssociate.h"

#include <algorithm>

namespace shell {
namespace {

using platform::RegKey;

const QString kDefaultIcon = QStringLiteral("\\DefaultIcon");
const QString kQuickView = QStringLiteral("\\QuickView");
const QString kShellNew = QStringLiteral("\\ShellNew");
const QString kOldAssociation = QStringLiteral("OldAssociation");
// AssociatedExtensions asks for this verb whatever ShellCmd holds.
const QString kOpenCommand = QStringLiteral("\\Shell\\Open\\Command");

bool IsExtension(const QString& name) {
    return name.startsWith(QLatin1Char('.'));
}

// What a type that is taken over had survives under "OldAssociation".
void Replace(ClassesRoot& root, const RegKey& key, const QString& data) {
    root.WriteString(key, kOldAssociation, root.ReadString(key, QString()));
    root.WriteString(key, QString(), data);
}

// The shell's "New" menu makes an empty file of the extension.
void OfferInNewMenu(ClassesRoot& root, const QString& extension) {
    root.WriteString(root.Open(extension + kShellNew, true), QStringLiteral("NullFile"), QString());
}

// The program's file name and what follows it in a command line: everything after the last
// folder separator (a Windows or a POSIX one) or drive colon.
QString ProgramFilePart(const QString& command) {
    qsizetype last = -1;
    for (const char separator : {'\\', '/', ':'})
        last = std::max(last, command.lastIndexOf(QLatin1Char(separator)));
    return command.mid(last + 1);
}

} // namespace

TFileAssociate::TFileAssociate(RegistrySource registry, QObject* owner)
    : QObject(owner), registry_(std::move(registry)) {}

QString TFileAssociate::NormalizeExtension(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    return dot < 0 ? QLatin1Char('.') + text : text.mid(dot);
}

QString TFileAssociate::StripExtensionDot(const QString& text) {
    return IsExtension(text) ? text.mid(1) : text;
}

QString TFileAssociate::IconReference() const {
    return IconPath + QLatin1Char(',') + QString::number(Icon);
}

QString TFileAssociate::CommandKey(const QString& type) const {
    return type + QStringLiteral("\\Shell\\") + ShellCmd + QStringLiteral("\\Command");
}

void TFileAssociate::WriteQuickView(ClassesRoot& root, const QString& type,
                                    QuickViewOff off) const {
    if (QuickView)
        root.SetDefault(type + kQuickView, QStringLiteral("*"));
    else if (off == QuickViewOff::DeleteKey)
        root.DeleteKey(type + kQuickView);
}

void TFileAssociate::DescribeType(ClassesRoot& root, const QString& type, QuickViewOff off) const {
    root.SetDefault(type, TypeName);
    root.SetDefault(type + kDefaultIcon, IconReference());
    root.SetDefault(CommandKey(type), Shell);
    WriteQuickView(root, type, off);
}

// A type key without DefaultIcon cannot be opened, so the first write into it fails.
void TFileAssociate::TakeOverType(ClassesRoot& root, const QString& type) const {
    const RegKey key = root.Open(type, false);
    if (root.ReadString(key, QString()).isEmpty()) root.WriteString(key, QString(), TypeName);
    Replace(root, root.Open(type + kDefaultIcon, false), IconReference());
    Replace(root, root.Open(CommandKey(type), true), Shell);
    WriteQuickView(root, type, QuickViewOff::DeleteKey);
}

void TFileAssociate::AssociateKnownExtension(ClassesRoot& root, const QString& extension) const {
    const QString type = root.ReadString(root.Open(extension, true), QString());
    if (ShowInNew)
        OfferInNewMenu(root, extension);
    else
        root.DeleteKey(type + kShellNew); // the type's, not the extension's
    if (root.KeyExists(type))
        TakeOverType(root, type);
    else
        DescribeType(root, type, QuickViewOff::LeaveAlone);
}

void TFileAssociate::AssociateNewExtension(ClassesRoot& root, const QString& extension) const {
    const QString type = StripExtensionDot(extension) + QStringLiteral("file");
    root.WriteString(root.Open(extension, true), QString(), type);
    if (ShowInNew) OfferInNewMenu(root, extension);
    DescribeType(root, type, QuickViewOff::LeaveAlone);
}

void TFileAssociate::Finish(ClassesRoot& root) {
    root.Release();
    emit AssociationsChanged();
}

void TFileAssociate::WriteTypeKey() {
    ClassesRoot root = registry_.Open();
    DescribeType(root, KeyName, QuickViewOff::DeleteKey);
    Finish(root);
}

// An extension key whose default value is empty names no type: it is given its own, as an
// extension that was not there.
void TFileAssociate::AssociateExtension(const QString& extension) {
    const QString normal = NormalizeExtension(extension);
    ClassesRoot root = registry_.Open();
    if (root.KeyExists(normal) && !root.ReadDefault(normal).isEmpty())
        AssociateKnownExtension(root, normal);
    else
        AssociateNewExtension(root, normal);
    Finish(root);
}

QStringList TFileAssociate::AssociatedExtensions() const {
    ClassesRoot root = registry_.Open();
    const QStringList names = root.SubKeyNames();
    const QString program = ProgramFilePart(Shell);
    QStringList found;
    if (program.isEmpty()) return found; // an empty command names no program
    for (const QString& type : names) {
        if (IsExtension(type) || !root.ReadDefault(type + kOpenCommand).contains(program)) continue;
        for (const QString& extension : names)
            if (IsExtension(extension) && root.ReadDefault(extension) == type)
                found.append(extension);
    }
    return found;
}

} // namespace shell
