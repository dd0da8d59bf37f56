#include "app/RecentFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

const QString kRecentKey = QStringLiteral("Recent Files");

QString ValueName(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

QString Absolute(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString RecentFileMissingNote(const QString& path) {
    return QCoreApplication::translate("RecentFiles", "%1 is gone: removed from Recent Files")
        .arg(path);
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = Absolute(path);
    if (absolute.isEmpty()) return;
    paths_.removeAll(absolute);
    removed_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kMaxRecentFiles)
        paths_.removeLast();
}

void RecentFiles::Remove(const QString& path) {
    const QString absolute = Absolute(path);
    paths_.removeAll(absolute);
    if (!removed_.contains(absolute)) removed_.append(absolute);
}

bool RecentFiles::Choose(const QString& path) {
    if (QFileInfo(path).isFile()) return true;
    Remove(path);
    return false;
}

void RecentFiles::Load(platform::Registry& registry, const platform::RegKey& settings) {
    paths_.clear();
    const platform::RegKey key = registry.OpenKey(settings, kRecentKey, false);
    if (!key) return;
    QStringList read;
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::optional<platform::RegValue> value = registry.ReadValue(key, ValueName(i));
        const std::optional<QString> path = value ? value->ToString() : std::nullopt;
        if (!path) break;
        if (!path->isEmpty() && !read.contains(*path)) read.append(*path);
    }
    paths_ = read;
}

void RecentFiles::Save(platform::Registry& registry, const platform::RegKey& settings) const {
    RecentFiles stored;
    stored.Load(registry, settings);
    QStringList merged = paths_;
    for (const QString& path : stored.paths_)
        if (merged.size() < kMaxRecentFiles && !merged.contains(path) && !removed_.contains(path))
            merged.append(path);
    registry.DeleteKey(settings.Root(), settings.Names().join('\\') + '\\' + kRecentKey);
    if (merged.isEmpty()) return;
    const platform::RegKey key = registry.OpenKey(settings, kRecentKey, true);
    for (int i = 0; i < merged.size(); ++i)
        registry.WriteValue(key, ValueName(i), platform::RegValue::String(merged[i]));
}

} // namespace app
