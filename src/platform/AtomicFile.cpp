#include "platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

// Opens `name` for writing only if nothing is there yet, with the usual permissions. Returns the
// descriptor, or -1 when something is (errno EEXIST); throws for any other failure. Asking
// first whether the file exists would cost a call per file and still race with others.
int CreateNew(const QString& path, const QByteArray& name) {
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) throw WriteFailure(path.toStdString());
    return fd;
}

bool WriteAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<std::size_t>(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// Nothing to protect when the target does not exist yet: write it in place, and remove what
// was written if anything fails (closing included). Returns false when the file exists.
bool WriteNewFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = CreateNew(path, name);
    if (fd < 0) return false;
    QFile file;
    file.setFileName(path);
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(name.constData());
        throw WriteFailureAfterOpen(path.toStdString());
    }
    bool written = false;
    try {
        written = write(file) && file.flush();
    } catch (...) {
        // A writer that throws must not leave half a file behind either.
        file.close();
        ::unlink(name.constData());
        throw;
    }
    file.close(); // a failure to close shows in error()
    if (!written || file.error() != QFileDevice::NoError) {
        ::unlink(name.constData());
        throw WriteFailureAfterOpen(path.toStdString());
    }
    return true;
}

bool WriteNewFile(const QString& path, const QByteArray& contents) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = CreateNew(path, name);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, contents.constData(), contents.size());
    if (::close(fd) != 0 || !written) {
        ::unlink(name.constData());
        throw WriteFailureAfterOpen(path.toStdString());
    }
    return true;
}

void ReplaceFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                 Durability durability) {
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    file.setAutoRemove(true);
    if (!file.open()) throw WriteFailure(path.toStdString());
    const bool written = write(file) && file.flush() &&
                         (durability == Durability::Renamed || ::fsync(file.handle()) == 0);
    if (!written || file.error() != QFileDevice::NoError)
        throw WriteFailureAfterOpen(path.toStdString());
    file.close();
    SetFinalPermissions(file.fileName(), path);
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        throw WriteFailureAfterOpen(path.toStdString());
    file.setAutoRemove(false); // renamed: nothing left to remove
}

} // namespace

void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability) {
    if (durability == Durability::Renamed && WriteNewFile(path, write)) return;
    ReplaceFile(path, write, durability);
}

void WriteFileAtomically(const QString& path, const QByteArray& contents, Durability durability) {
    if (durability == Durability::Renamed && WriteNewFile(path, contents)) return;
    ReplaceFile(
        path, [&](QIODevice& device) { return device.write(contents) == contents.size(); },
        durability);
}

} // namespace platform
