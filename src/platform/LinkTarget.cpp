#include "platform/LinkTarget.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kMaxLinks = 40; // what Linux follows in one path before ELOOP

// The text of the link `entry`, or nullopt when it is not a link (or not there).
std::optional<QByteArray> ReadLink(const FolderEntry& entry) {
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t size = ::readlinkat(entry.folder, entry.name.constData(), text.data(),
                                      static_cast<std::size_t>(text.size()));
    if (size < 0 || size >= text.size()) return std::nullopt;
    text.truncate(size);
    return text;
}

} // namespace

std::pair<QByteArray, QByteArray> SplitFolder(const QByteArray& name) {
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0) return {QByteArrayLiteral("."), name};
    return {slash == 0 ? QByteArrayLiteral("/") : name.left(slash), name.mid(slash + 1)};
}

std::optional<FolderEntry> FollowLinks(FolderEntry entry) {
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        const std::optional<QByteArray> text = ReadLink(entry);
        if (!text) return entry;
        if (text->startsWith('/') || !entry.name.contains('/'))
            entry.name = *text; // absolute, or relative to the same folder
        else
            entry.name = SplitFolder(entry.name).first + '/' + *text;
    }
    errno = ELOOP;
    return std::nullopt;
}

} // namespace platform
