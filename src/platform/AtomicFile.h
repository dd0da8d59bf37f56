#pragma once
// Files are written beside their target and renamed over it only when complete, so a failed
// or interrupted write never leaves a half-written file or destroys the previous one.

#include "platform/Errors.h"

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

// A WriteFailure once the file (or its temporary) was open: the disk filled up, an input/output
// error struck or the rename failed. What was written is removed and an earlier file kept.
class WriteFailureAfterOpen : public WriteFailure {
  public:
    using WriteFailure::WriteFailure;
};

// Calls `write` with a device open on a temporary file beside `path`; when it returns true the
// file replaces `path`. Throws WriteFailure ("Unable to write to <path>") on any failure, and
// then removes the temporary file (WriteFailureAfterOpen once a file was open).
void WriteFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                         Durability durability = Durability::Synced);

// The same for bytes at hand; a new file is written without Qt's file device, whose checks cost
// more than the writing of a small picture.
void WriteFileAtomically(const QString& path, const QByteArray& contents,
                         Durability durability = Durability::Synced);

} // namespace platform
