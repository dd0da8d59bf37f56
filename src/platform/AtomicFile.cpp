#include "platform/AtomicFile.h"

#include "platform/LinkTarget.h"
#include "platform/NewFiles.h"
#include "platform/SavingFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

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

void Remove(const FolderEntry& entry) {
    if (!entry.name.isEmpty()) ::unlinkat(entry.folder, entry.name.constData(), 0);
}

// Runs `steps` on a file just created as `entry` (an unnamed file has no name to remove);
// removes it when they fail or throw, and then throws WriteFailureAfterOpen (or what they threw).
template <class Steps>
void OrRemove(const FolderEntry& entry, const QString& path, const Steps& steps) {
    bool done = false;
    try {
        done = steps();
    } catch (...) {
        Remove(entry);
        throw;
    }
    if (done) return;
    Remove(entry);
    throw WriteFailureAfterOpen(path.toStdString());
}

// A file being written. It has no name until it is complete (O_TMPFILE), so that a process
// killed while writing leaves nothing behind; where the file system has no unnamed files, it
// is written under its own name beside the target from the start (see SavingFile.h).
struct NewFile {
    FileDescriptor fd = FileDescriptor();
    QByteArray name; // the temporary name; empty while the file has none
};

NewFile CreateNewFile(const FolderEntry& target) {
    NewFile file{OpenUnnamed(target.folder), {}};
    if (!file.fd.IsOpen()) file.fd = CreateSavingFile(target, file.name);
    return file;
}

// Writes the new file; false when the sink or the flush to the disk fails.
bool Fill(const NewFile& file, const Sink& sink, Durability durability) {
    return sink(file.fd.Get()) && (durability != Durability::Synced || ::fsync(file.fd.Get()) == 0);
}

// The file a write to `name` in `folder` replaces: the last of a chain of symbolic links, its
// folder opened (and cleared of leftovers) when it lies elsewhere; and its permissions when it
// exists.
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
            RemoveLeftovers(target.ownFolder.Get());
            target.entry = {target.ownFolder.Get(), linkName};
        }
        if (::fstatat(target.entry.folder, target.entry.name.constData(), &info, 0) != 0)
            return target;
    }
    target.mode = info.st_mode & 07777;
    return target;
}

// Puts the complete `file` in place of the target by rename.
void Rename(NewFile& file, const Target& target, const QString& path, Durability durability) {
    const int folder = target.entry.folder;
    if (target.mode) ::fchmod(file.fd.Get(), *target.mode); // a replaced file keeps its own
    if (file.name.isEmpty() && !NameSavingFile(file.fd.Get(), target.entry, file.name))
        throw WriteFailureAfterOpen(path.toStdString());
    // Closed before the rename, which a failed write-back must stop; this copy keeps the
    // writer's lock on the name until the rename is done.
    const FileDescriptor lock(::fcntl(file.fd.Get(), F_DUPFD_CLOEXEC, 0));
    OrRemove({folder, file.name}, path, [&] {
        return file.fd.Close() && ::renameat(folder, file.name.constData(), folder,
                                             target.entry.name.constData()) == 0;
    });
    if (durability == Durability::Synced) ::fsync(folder); // the rename itself, on the disk
}

// Writes a new file beside the target and renames it over the target. `written`, when open, is
// an unnamed file already written in `file`'s folder.
void ReplaceFile(const QString& path, const FolderEntry& file, const Sink& sink,
                 Durability durability, NewFile written = {}) {
    const Target target = TargetOf(file.folder, file.name, path);
    if (!written.fd.IsOpen() || target.ownFolder.IsOpen()) {
        written = CreateNewFile(target.entry);
        if (!written.fd.IsOpen()) throw WriteFailure(path.toStdString());
        OrRemove({target.entry.folder, written.name}, path,
                 [&] { return Fill(written, sink, durability); });
    }
    Rename(written, target, path, durability);
}

// A file that does not exist yet, written unnamed and then linked under its name, so that the
// name never shows a part of it (or written in place where the file system has no unnamed
// files: a failure removes it, and nothing else is lost). When the name is taken, returns the
// file to put in its place by rename: the unnamed file already written, or none.
std::optional<NewFile> WriteNewFile(const QString& path, const FolderEntry& file,
                                    const Sink& sink) {
    NewFile written{OpenUnnamed(file.folder), {}};
    if (!written.fd.IsOpen()) {
        FileDescriptor fd(
            ::openat(file.folder, file.name.constData(), kNewFileFlags, kNewFileMode));
        if (!fd.IsOpen() && errno == EEXIST) return NewFile{};
        if (!fd.IsOpen()) throw WriteFailure(path.toStdString());
        OrRemove(file, path, [&] { return sink(fd.Get()) && fd.Close(); });
        return std::nullopt;
    }
    if (!Fill(written, sink, Durability::Renamed)) throw WriteFailureAfterOpen(path.toStdString());
    if (!LinkUnnamed(written.fd.Get(), file.folder, file.name)) {
        if (errno == EEXIST) return written;
        throw WriteFailureAfterOpen(path.toStdString());
    }
    OrRemove(file, path, [&] { return written.fd.Close(); });
    return std::nullopt;
}

} // namespace

struct PendingFile::Parts {
    QString path;
    FileDescriptor ownFolder; // the path's folder
    Target target;
    NewFile file;
    QFile device;
    bool finished = false; // put in place or dropped
};

PendingFile::PendingFile(const QString& path) : parts_(std::make_unique<Parts>()) {
    Parts& p = *parts_;
    const auto [folder, name] = SplitFolder(QFile::encodeName(path));
    p.path = path;
    p.ownFolder = FileDescriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!p.ownFolder.IsOpen()) throw WriteFailure(path.toStdString());
    RemoveLeftovers(p.ownFolder.Get());
    p.target = TargetOf(p.ownFolder.Get(), name, path);
    p.file = CreateNewFile(p.target.entry);
    if (!p.file.fd.IsOpen()) throw WriteFailure(path.toStdString());
}

PendingFile::~PendingFile() {
    if (!parts_->finished) Drop();
}

QIODevice& PendingFile::Device() {
    QFile& device = parts_->device;
    if (!device.isOpen())
        device.open(parts_->file.fd.Get(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return device;
}

bool PendingFile::Failed() const {
    return parts_->device.error() != QFileDevice::NoError;
}

// Qt keeps the system's reason for most failed writes; where it has none it says "Unknown
// error", which tells the user nothing, so it is left out.
std::string PendingFile::FailureReason() const {
    if (!Failed()) return {};
    const QString reason = parts_->device.errorString();
    return reason == QLatin1String("Unknown error") ? std::string() : reason.toStdString();
}

void PendingFile::Commit(Durability durability) {
    Parts& p = *parts_;
    // Asked before closing the device: a close that goes well forgets an earlier write error.
    const bool written = !p.device.isOpen() || (p.device.flush() && !Failed());
    std::string reason = written ? std::string() : FailureReason();
    p.device.close(); // the descriptor stays open
    if (written && durability == Durability::Synced && ::fsync(p.file.fd.Get()) != 0)
        reason = std::strerror(errno);
    if (!written || !reason.empty()) {
        Drop();
        throw WriteFailureAfterOpen(p.path.toStdString(), reason);
    }
    p.finished = true; // the rename removes what it named when it fails
    Rename(p.file, p.target, p.path, durability);
}

void PendingFile::Drop() {
    Parts& p = *parts_;
    p.finished = true;
    if (p.device.isOpen()) p.device.close();
    Remove({p.target.entry.folder, p.file.name}); // while the writer's lock still holds it
    p.file.fd.Close();                            // an unnamed file goes with its descriptor
}

int AtomicWriter::Folder(const QByteArray& folder, const QString& path) {
    if (held_.IsOpen() && heldName_ == folder) return held_.Get();
    held_ = FileDescriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    heldName_ = folder;
    if (!held_.IsOpen()) throw WriteFailure(path.toStdString());
    RemoveLeftovers(held_.Get());
    return held_.Get();
}

void AtomicWriter::Put(const QString& path, const Sink& sink, Durability durability) {
    const auto [folderName, name] = SplitFolder(QFile::encodeName(path));
    const int folder = Folder(folderName, path);
    if (durability == Durability::Renamed) {
        // A file that does not exist yet needs no rename. Asking first whether it exists would
        // cost a call per file and still race with others: linking the new file fails instead.
        std::optional<NewFile> written = WriteNewFile(path, {folder, name}, sink);
        if (written) ReplaceFile(path, {folder, name}, sink, durability, std::move(*written));
        return;
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
