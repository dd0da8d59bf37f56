#pragma once
// Where a chain of symbolic links leads, so that a file written "through" a link replaces the
// link's target and leaves the link in place.

#include <QByteArray>

#include <optional>

namespace platform {

// A file named relative to an open folder (AT_FDCWD: the working folder); the name may hold
// slashes, or be absolute.
struct FolderEntry {
    int folder = -1;
    QByteArray name;
};

// Follows `entry` while it is a symbolic link, each relative link read from the folder that
// holds it, and returns the first name that is not a link: an existing file or folder, or a
// name that does not exist yet (a dangling link's target). Nullopt for a loop or a chain longer
// than the system follows itself (ELOOP).
std::optional<FolderEntry> FollowLinks(FolderEntry entry);

// The folder part of a name ("." for a bare name, "/" for one in the root) and the last part.
std::pair<QByteArray, QByteArray> SplitFolder(const QByteArray& name);

} // namespace platform
