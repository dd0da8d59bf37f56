#include "shell/DesktopIntegration.h"

#include "platform/AtomicFile.h"
#include "shell/DesktopFiles.h"
#include "shell/MimeApps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace shell {
namespace {

constexpr int kToolTimeoutMs = 10000;
const QString kMimeAppsList = QStringLiteral("mimeapps.list");

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& contents) {
    if (!QDir().mkpath(QFileInfo(path).path())) throw platform::WriteFailure(path.toStdString());
    platform::WriteFileAtomically(path, contents, platform::Durability::Renamed);
}

// Runs a tool found on PATH, quietly and for a bounded time; false when it is not there.
bool RunTool(const QString& name, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty()) return false;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString SameFile(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// The packaged desktop entry (the first in XDG_DATA_DIRS) when it starts the program at
// `programPath`: its TryExec, looked up on PATH, is that file.
bool PackagedEntryStarts(const DesktopPlaces& places, const QString& programPath) {
    for (const QString& folder : places.systemData) {
        const QString entry = QDir(folder).filePath(QString::fromLatin1(kDesktopEntryPath));
        if (!QFileInfo::exists(entry)) continue;
        const QString tryExec = EntryValue(FileBytes(entry), QStringLiteral("TryExec"));
        const QString found =
            QDir::isAbsolutePath(tryExec) ? tryExec : QStandardPaths::findExecutable(tryExec);
        return !found.isEmpty() && SameFile(found) == SameFile(programPath);
    }
    return false;
}

// The user's files that are missing or differ, written; the databases they feed, refreshed.
void WriteUserFiles(const QString& programPath, const QString& dataHome, DesktopSync& sync) {
    const QDir data(dataHome);
    for (const DesktopFile& file : UserDesktopFiles(programPath)) {
        const QString path = data.filePath(file.path);
        if (FileBytes(path) == file.contents) continue;
        WriteFile(path, file.contents);
        sync.written.append(file.path);
    }
    const bool mimeStale = sync.written.contains(QString::fromLatin1(kMimePackagePath)) ||
                           !QFileInfo::exists(data.filePath(kCompiledMimeTypePath));
    if (mimeStale && RunTool(QStringLiteral("update-mime-database"), {data.filePath("mime")}))
        sync.refreshed.append(QStringLiteral("update-mime-database"));
    if (sync.written.contains(QString::fromLatin1(kDesktopEntryPath)) &&
        RunTool(QStringLiteral("update-desktop-database"), {data.filePath("applications")}))
        sync.refreshed.append(QStringLiteral("update-desktop-database"));
}

// The program becomes the type's default when the association was just (re)made, or when the
// user has no default for the type; a default the user chose otherwise is left alone.
void SetDefaultApplication(const QString& configHome, DesktopSync& sync) {
    const QString path = QDir(configHome).filePath(kMimeAppsList);
    const QByteArray list = FileBytes(path);
    const QString mimeType = QString::fromLatin1(kMimeType);
    const QString current = DefaultApplication(list, mimeType);
    if (current == QLatin1String(kDesktopFileId) || (!current.isEmpty() && sync.written.isEmpty()))
        return;
    WriteFile(path, WithDefaultApplication(list, mimeType, QString::fromLatin1(kDesktopFileId)));
    sync.written.append(kMimeAppsList);
}

} // namespace

DesktopPlaces DesktopPlaces::Current() {
    QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    data.removeAll(home);
    return {home, data, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

DesktopSync SyncDesktop(const QString& programPath, const DesktopPlaces& places) {
    DesktopSync sync;
    try {
        const bool ownEntry = QFileInfo::exists(QDir(places.dataHome).filePath(kDesktopEntryPath));
        if (ownEntry || !PackagedEntryStarts(places, programPath))
            WriteUserFiles(programPath, places.dataHome, sync);
        SetDefaultApplication(places.configHome, sync);
    } catch (const std::exception&) {
        // A desktop that cannot be told keeps its earlier state; the program starts anyway.
    }
    return sync;
}

} // namespace shell
