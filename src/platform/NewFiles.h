#pragma once
// How a write creates the new file that takes the place of its target: unnamed (O_TMPFILE)
// where the file system allows it, so that a process killed while writing leaves nothing, and
// named only once the file is complete.

#include "platform/FileDescriptor.h"

#include <QByteArray>

#include <fcntl.h>
#include <sys/types.h>

namespace platform {

// A named new file, created only where its name is free.
inline constexpr int kNewFileFlags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
inline constexpr mode_t kNewFileMode = 0666; // less the umask

// An unnamed file in `folder`, or none where the file system has none or where it could not be
// named once written: that goes through /proc, which a container may lack.
FileDescriptor OpenUnnamed(int folder);

// Gives the unnamed file `fd` the name `name` in `folder`; fails with EEXIST when it is taken.
bool LinkUnnamed(int fd, int folder, const QByteArray& name);

} // namespace platform
