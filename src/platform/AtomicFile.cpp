#include "platform/AtomicFile.h"

#include "platform/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// A new file gets the usual permissions (0666 less the umask); a replaced one keeps its own.
void SetFinalPermissions(const QString& temporary, const QString& target) {
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::chmod(QFile::encodeName(temporary).constData(), mode);
}

} // namespace

namespace {

// QFile::remove does nothing when closing fails to flush, so close first and remove by name.
void Discard(QFile& file, const QString& path) {
    file.close();
    QFile::remove(path);
}

// Nothing to protect when the target does not exist yet: write it in place, and remove what
// was written if anything fails. Returns false when the file appeared meanwhile.
bool WriteNewFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(path)) return false;
        throw WriteFailure(path.toStdString());
    }
    bool written = false;
    try {
        written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    } catch (...) {
        Discard(file, path); // a writer that throws must not leave half a file behind either
        throw;
    }
    if (!written) {
        Discard(file, path);
        throw WriteFailure(path.toStdString());
    }
    return true;
}

void ReplaceFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                 Durability durability) {
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    file.setAutoRemove(true);
    const bool written = file.open() && write(file) && file.flush() &&
                         (durability == Durability::Renamed || ::fsync(file.handle()) == 0);
    if (!written || file.error() != QFileDevice::NoError) throw WriteFailure(path.toStdString());
    file.close();
    SetFinalPermissions(file.fileName(), path);
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw WriteFailure(path.toStdString());
    file.setAutoRemove(false); // renamed: nothing left to remove
}

} // namespace

void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability) {
    if (durability == Durability::Renamed && !QFileInfo::exists(path) && WriteNewFile(path, write))
        return;
    ReplaceFile(path, write, durability);
}

void WriteFileAtomically(const QString& path, const QByteArray& contents, Durability durability) {
    WriteFileAtomically(
        path, [&](QIODevice& device) { return device.write(contents) == contents.size(); },
        durability);
}

} // namespace platform
