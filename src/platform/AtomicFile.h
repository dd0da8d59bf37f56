#pragma once
// Files are written beside their target and renamed over it only when complete, so a failed
// or interrupted write never leaves a half-written file or destroys the previous one.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace platform {

enum class Durability {
    // Exports: a file that does not exist yet is written in place (a failed write removes it);
    // an existing one is replaced by rename, so it is never lost half way.
    Renamed,
    Synced, // also flushed to the disk before the rename (documents, settings)
};

// Calls `write` with a device open on a temporary file beside `path`; when it returns true the
// file replaces `path`. Throws WriteFailure ("Unable to write to <path>") on any failure, and
// then removes the temporary file.
void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability = Durability::Synced);

void WriteFileAtomically(const QString& path, const QByteArray& contents,
                         Durability durability = Durability::Synced);

} // namespace platform
