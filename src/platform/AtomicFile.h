#pragma once
// Files are written beside their target and renamed over it only when complete, so a failed
// or interrupted write never leaves a half-written file or destroys the previous one.
//
// The new file has no name while it is written (O_TMPFILE), so that a process killed half way
// leaves nothing. Once complete it is named ".<name>.saving-XXXXXX", a name of its writer's own
// (see SavingFile.h), and renamed over the target: writers of one file at once each put their
// own file in place, the last one stays, and each reports the truth about its own. A process
// killed between the naming and the rename leaves that whole file; the next write into the
// same folder removes it, and every other such leftover there, but never a live writer's.
// Where the file system has no unnamed files, the new file is written under such a name from
// the start, and a leftover of a kill may then be a part of a file, removed the same way.
//
// A symbolic link (or a chain of them) is followed: its target is replaced, in the target's
// own folder, and the link stays a link. A file with other hard links is replaced all the same,
// so the other names keep the earlier contents: writing in place would keep the names together
// but lose the file whenever the write fails half way.

#include "platform/Errors.h"
#include "platform/FileDescriptor.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <string>
#include <memory>

namespace platform {

enum class Durability {
    // Exports: a file that does not exist yet is given its name when complete, without a rename;
    // an existing one is replaced by rename, so it is never lost half way.
    Renamed,
    Synced, // also flushed to the disk before the rename, and the rename after (documents)
};

// A WriteFailure once the file (or its temporary) was open: the disk filled up, an input/output
// error struck or the rename failed. What was written is removed and an earlier file kept.
class WriteFailureAfterOpen : public WriteFailure {
  public:
    using WriteFailure::WriteFailure;
};

// A file whose contents arrive over time (a print job's pages), written as above: a new file
// beside the target takes them, and Commit puts it in place. Destroyed uncommitted (a job
// cancelled or failed), it removes the new file and the target stays as it was; a process
// killed meanwhile leaves nothing where the file system has unnamed files.
class PendingFile {
  public:
    // Creates the new file; throws WriteFailure ("Unable to write to <path>").
    explicit PendingFile(const QString& path);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // A device on the file, for writers that take one; it keeps the first write error.
    QIODevice& Device();
    // Whether a write through Device() has failed (a full disk), so that a long job stops early.
    bool Failed() const;
    // The system's reason for the first failed write ("No space left on device"); empty before.
    std::string FailureReason() const;
    // Flushes Device(), syncs (Durability::Synced), gives the file the permissions of the one it
    // replaces and renames it over the target. Throws WriteFailureAfterOpen, the new file
    // removed, when this or an earlier write failed.
    void Commit(Durability durability);

  private:
    struct Parts;
    void Drop(); // closes and removes the new file
    std::unique_ptr<Parts> parts_;
};

// Writes files as above, keeping the folder of the last one open, so that a batch of files
// into one folder looks the folder up, and clears it of leftovers, once. One writer serves one
// thread, for one batch: a folder renamed while it is held would still receive the files.
class AtomicWriter {
  public:
    AtomicWriter() = default;
    AtomicWriter(const AtomicWriter&) = delete;
    AtomicWriter& operator=(const AtomicWriter&) = delete;

    // Calls `write` with a device open on the new file; when it returns true the file replaces
    // `path`. Throws WriteFailure ("Unable to write to <path>") on any failure, and then
    // removes what it wrote (WriteFailureAfterOpen once a file was open).
    void Write(const QString& path, const std::function<bool(QIODevice&)>& write,
               Durability durability);
    // The same for bytes at hand, without a device: its checks cost more than the writing of
    // a small picture.
    void Write(const QString& path, const QByteArray& contents, Durability durability);

  private:
    void Put(const QString& path, const std::function<bool(int fd)>& sink, Durability durability);
    // The open folder `folder`, held for the next file.
    int Folder(const QByteArray& folder, const QString& path);

    QByteArray heldName_;
    FileDescriptor held_;
};

// One file, with its folder looked up for it alone.
void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability = Durability::Synced);
void WriteFileAtomically(const QString& path, const QByteArray& contents,
                         Durability durability = Durability::Synced);

} // namespace platform
