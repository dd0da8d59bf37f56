#include "platform/AtomicFile.h"

#include "platform/LinkTarget.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
constexpr mode_t kNewFileMode = 0666; // less the umask
constexpr int kTemporaryNameTries = 100;

using Sink = std::function<bool(int fd)>; // writes the whole file to `fd`

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

// Runs `steps` on a file just created as `entry`; removes it when they fail or throw, and then
// throws WriteFailureAfterOpen (or what they threw).
template <class Steps>
void OrRemove(const FolderEntry& entry, const QString& path, const Steps& steps) {
    bool done = false;
    try {
        done = steps();
    } catch (...) {
        ::unlinkat(entry.folder, entry.name.constData(), 0);
        throw;
    }
    if (done) return;
    ::unlinkat(entry.folder, entry.name.constData(), 0);
    throw WriteFailureAfterOpen(path.toStdString());
}

// ".name.XXXXXX" in the target's folder, created only if no such file is there.
FileDescriptor CreateTemporary(const FolderEntry& target, QByteArray& name) {
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        name = '.' + target.name + '.' +
               QByteArray::number(QRandomGenerator::global()->generate64(), 36).right(6);
        FileDescriptor fd(::openat(target.folder, name.constData(), kNewFileFlags, kNewFileMode));
        if (fd.IsOpen() || errno != EEXIST) return fd;
    }
    return FileDescriptor();
}

// The file a write to `name` in `folder` replaces: the last of a chain of symbolic links, its
// folder opened when it lies elsewhere; and its permissions when it exists.
struct Target {
    FolderEntry entry;
    FileDescriptor ownFolder;
    std::optional<mode_t> mode;
};

Target TargetOf(int folder, const QByteArray& name, const QString& path) {
    Target target{{folder, name}, FileDescriptor(), std::nullopt};
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) return target;
    if (S_ISLNK(info.st_mode)) {
        const std::optional<FolderEntry> last = FollowLinks(target.entry);
        if (!last) throw WriteFailure(path.toStdString());
        target.entry = *last;
        if (target.entry.name.contains('/')) {
            const auto [linkFolder, linkName] = SplitFolder(target.entry.name);
            target.ownFolder = FileDescriptor(::openat(target.entry.folder, linkFolder.constData(),
                                                       O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (!target.ownFolder.IsOpen()) throw WriteFailure(path.toStdString());
            target.entry = {target.ownFolder.Get(), linkName};
        }
        if (::fstatat(target.entry.folder, target.entry.name.constData(), &info, 0) != 0)
            return target;
    }
    target.mode = info.st_mode & 07777;
    return target;
}

// Writes a temporary file beside the target and renames it over the target.
void ReplaceFile(const QString& path, const FolderEntry& file, const Sink& sink,
                 Durability durability) {
    const Target target = TargetOf(file.folder, file.name, path);
    const int folder = target.entry.folder;
    QByteArray temporary;
    FileDescriptor fd = CreateTemporary(target.entry, temporary);
    if (!fd.IsOpen()) throw WriteFailure(path.toStdString());
    const bool synced = durability == Durability::Synced;
    OrRemove({folder, temporary}, path, [&] {
        if (!sink(fd.Get()) || (synced && ::fsync(fd.Get()) != 0)) return false;
        if (target.mode) ::fchmod(fd.Get(), *target.mode); // a replaced file keeps its own
        return fd.Close() && ::renameat(folder, temporary.constData(), folder,
                                        target.entry.name.constData()) == 0;
    });
    if (synced) ::fsync(folder); // the rename itself, on the disk
}

} // namespace

int AtomicWriter::Folder(const QByteArray& folder, const QString& path) {
    if (held_.IsOpen() && heldName_ == folder) return held_.Get();
    held_ = FileDescriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    heldName_ = folder;
    if (!held_.IsOpen()) throw WriteFailure(path.toStdString());
    return held_.Get();
}

void AtomicWriter::Put(const QString& path, const Sink& sink, Durability durability) {
    const auto [folderName, name] = SplitFolder(QFile::encodeName(path));
    const int folder = Folder(folderName, path);
    if (durability == Durability::Renamed) {
        // Nothing to protect when the file does not exist yet: write it in place. Asking first
        // whether it exists would cost a call per file and still race with others.
        FileDescriptor fd(::openat(folder, name.constData(), kNewFileFlags, kNewFileMode));
        if (fd.IsOpen())
            return OrRemove({folder, name}, path, [&] { return sink(fd.Get()) && fd.Close(); });
        if (errno != EEXIST) throw WriteFailure(path.toStdString());
    }
    ReplaceFile(path, {folder, name}, sink, durability);
}

void AtomicWriter::Write(const QString& path, const QByteArray& contents, Durability durability) {
    Put(
        path, [&](int fd) { return WriteAll(fd, contents.constData(), contents.size()); },
        durability);
}

void AtomicWriter::Write(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability) {
    Put(
        path,
        [&](int fd) {
            QFile file;
            file.setFileName(path);
            if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
            const bool written = write(file) && file.flush();
            file.close();
            return written && file.error() == QFileDevice::NoError;
        },
        durability);
}

void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability) {
    AtomicWriter().Write(path, write, durability);
}

void WriteFileAtomically(const QString& path, const QByteArray& contents, Durability durability) {
    AtomicWriter().Write(path, contents, durability);
}

} // namespace platform
