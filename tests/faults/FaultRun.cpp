#include "FaultRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <dlfcn.h>

namespace fault_testing {
namespace {

constexpr const char* kFolder = "TALLYRUNE_FAULT_FOLDER";
constexpr const char* kAt = "TALLYRUNE_FAULT_AT";
constexpr const char* kError = "TALLYRUNE_FAULT_ERROR";
constexpr const char* kLog = "TALLYRUNE_FAULT_LOG";

using ArmFunction = void (*)();

ArmFunction ArmInProcess() {
    return reinterpret_cast<ArmFunction>(dlsym(RTLD_DEFAULT, "tallyrune_fault_arm"));
}

} // namespace

const char* FaultName(Fault fault) {
    static constexpr const char* kNames[] = {"ENOSPC", "EIO", "KILL"};
    return kNames[static_cast<int>(fault)];
}

FolderFiles FilesIn(const QString& folder) {
    FolderFiles files;
    const QDir dir(folder);
    QDirIterator found(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        QFile file(found.next());
        files[dir.relativeFilePath(file.fileName())] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

bool PutsBytes(const Call& call) {
    static const QStringList kNames = {"write",     "pwrite", "writev", "fsync",
                                       "fdatasync", "link",   "rename"};
    return kNames.contains(call.name);
}

FaultFolder::FaultFolder() : log_(logDir_.filePath("calls.log")), watched_(dir_.path()) {}

QString FaultFolder::Path(const QString& name) const {
    return name.isEmpty() ? dir_.path() : dir_.filePath(name);
}

QProcessEnvironment SteadyEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_HASH_SEED", "0");
    return environment;
}

QProcessEnvironment FaultFolder::Armed(long at, Fault fault) const {
    QProcessEnvironment environment = SteadyEnvironment();
    environment.insert("LD_PRELOAD", TALLYRUNE_FAULT_SHIM);
    environment.insert(kFolder, watched_);
    environment.insert(kAt, QString::number(at));
    environment.insert(kError, FaultName(fault));
    environment.insert(kLog, log_);
    return environment;
}

void FaultFolder::ArmHere(long at, Fault fault) const {
    const QProcessEnvironment armed = Armed(at, fault);
    for (const char* name : {kFolder, kAt, kError, kLog})
        qputenv(name, armed.value(name).toLocal8Bit());
    if (const ArmFunction arm = ArmInProcess()) arm();
    // The programs this one starts (desktop tools) run unarmed.
    for (const char* name : {kFolder, kAt, kError, kLog})
        qunsetenv(name);
}

void FaultFolder::DisarmHere() {
    if (const ArmFunction arm = ArmInProcess()) arm();
}

std::vector<Call> FaultFolder::TakeCalls() const {
    std::vector<Call> calls;
    QFile file(log_);
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() >= 3)
                calls.push_back(
                    {QString::fromLatin1(fields[1]),
                     QFile::decodeName(line.mid(fields[0].size() + fields[1].size() + 2))});
        }
    QFile::remove(log_);
    return calls;
}

bool FaultLibraryLoaded() {
    return ArmInProcess() != nullptr;
}

} // namespace fault_testing
