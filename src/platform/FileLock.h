#pragma once
// An exclusive advisory lock on a file that others replace by rename (documents are saved that
// way): the lock is taken on the file that stands at the path once it is held, so a writer that
// renamed a new file over the old one in the meantime is not missed. Every process that writes
// the file under this lock sees the others' writes; the kernel releases the lock when its
// holder ends, however it ends.

#include "platform/FileDescriptor.h"

#include <QString>

#include <functional>

namespace platform {

enum class LockWait {
    Wait,   // block until the holder lets go
    NoWait, // fail at once while another holds it
};

class FileLock {
  public:
    // Locks the file at `path`. `waiting` is called once, before blocking, when another process
    // holds the lock. Throws Failure ("Unable to read <path>") when there is no file to lock, and
    // with NoWait, "<path> is in use by another job" while another holds it.
    FileLock(const QString& path, LockWait wait, const std::function<void()>& waiting = {});
    FileLock(FileLock&&) = default;
    FileLock& operator=(FileLock&&) = default;

  private:
    FileDescriptor fd_; // closing it lets go
};

} // namespace platform
