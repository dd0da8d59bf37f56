#pragma once
// The complete new file of a write, waiting beside its target for the rename that puts it in
// place. Its name, ".<target>.saving-XXXXXX" (six random letters and digits), is its writer's
// own: writers of one file at once never take or remove each other's, so each one's rename puts
// its own file in place, the last one stays, and each reports what became of its own.
//
// A writer holds an flock on its file while the file has that name, until the rename (or the
// removal) is done; the kernel drops the lock when the process dies. A name that nobody locks
// is thus the leftover of a writer killed between naming and renaming, which any write may
// remove, while a live writer's file stays. A lock rather than the writer's process id in the
// name: a process id means nothing in another PID namespace (a container) or on another host
// sharing the folder, and a dead writer's id may come back for another process, whereas a lock
// belongs to the open file itself. Where the file system cannot lock, nothing is a leftover.

#include "platform/FileDescriptor.h"
#include "platform/LinkTarget.h"

#include <QByteArray>

namespace platform {

// Where the file system has no unnamed files: creates the new file under a name of its own
// beside `target`, locked; `name` receives the name. Not open (errno set) on failure.
FileDescriptor CreateSavingFile(const FolderEntry& target, QByteArray& name);

// Locks the complete unnamed file `fd` and gives it a name of its own beside `target`; `name`
// receives it. False (errno set) when it could not be named.
bool NameSavingFile(int fd, const FolderEntry& target, QByteArray& name);

// Removes every leftover in `folder`, whichever file it was meant for.
void RemoveLeftovers(int folder);

} // namespace platform
