#include "platform/FileLock.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace platform {
namespace {

bool SameFile(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

int LockOnce(int fd, int mode) {
    int result = 0;
    do result = ::flock(fd, mode);
    while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

FileLock::FileLock(const QString& path, LockWait wait, const std::function<void()>& waiting) {
    const QByteArray name = QFile::encodeName(path);
    bool toldWaiting = false;
    for (;;) {
        // Non-blocking, so that a named pipe at the path cannot hold the job up.
        FileDescriptor fd(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (!fd.IsOpen()) throw ReadFailure(path);
        if (LockOnce(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) throw ReadFailure(path);
            if (wait == LockWait::NoWait)
                throw Failure(QCoreApplication::translate("FileLock", "%1 is in use by another job")
                                  .arg(path));
            if (!toldWaiting && waiting) waiting();
            toldWaiting = true;
            if (LockOnce(fd.Get(), LOCK_EX) != 0) throw ReadFailure(path);
        }
        // The holder before us may have replaced the file: lock the one that is there now.
        if (SameFile(fd.Get(), name)) {
            fd_ = std::move(fd);
            return;
        }
    }
}

} // namespace platform
