#pragma once
// A file for data that is needed again later in the same run and nowhere else.

#include "platform/FileDescriptor.h"

namespace platform {

// A new, empty file open for reading and writing in the temporary folder ($TMPDIR, else /tmp),
// which nothing can open by name: it is unnamed (O_TMPFILE), or where the file system has no
// unnamed files, its random name is removed at once. So nothing is left of it when it is closed
// or the process ends, however it ends. Not open (errno set) when it cannot be made.
FileDescriptor OpenScratchFile();

} // namespace platform
