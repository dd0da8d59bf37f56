#include "platform/SavingFile.h"

#include "platform/NewFiles.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>

namespace platform {
namespace {

constexpr char kInfix[] = ".saving-";
constexpr std::string_view kNameLetters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kRandomLength = 6;
constexpr int kNameTries = 100;

QByteArray SavingName(const QByteArray& target) {
    QByteArray name = '.' + target + kInfix;
    for (std::size_t i = 0; i < kRandomLength; ++i)
        name += kNameLetters[QRandomGenerator::global()->bounded(
            static_cast<quint32>(kNameLetters.size()))];
    return name;
}

// Whether `name` is one that SavingName gives.
bool IsSavingName(std::string_view name) {
    constexpr std::string_view infix = kInfix;
    const std::size_t tail = infix.size() + kRandomLength;
    if (name.size() <= tail + 1 || name.front() != '.') return false;
    const std::string_view random = name.substr(name.size() - kRandomLength);
    return name.substr(name.size() - tail, infix.size()) == infix &&
           std::ranges::all_of(random,
                               [](char c) { return kNameLetters.find(c) != kNameLetters.npos; });
}

// Whether `name` in `folder` is still the open file `fd`, and not gone or another file since.
bool StillNamed(int fd, int folder, const char* name) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// Removes `name` when no writer holds it. Checked again under the lock: a writer that held it
// may have renamed it, and another taken the name, since it was opened.
void RemoveIfLeftover(int folder, const char* name) {
    const FileDescriptor fd(
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.IsOpen() && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 &&
        StillNamed(fd.Get(), folder, name))
        ::unlinkat(folder, name, 0);
}

} // namespace

FileDescriptor CreateSavingFile(const FolderEntry& target, QByteArray& name) {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        name = SavingName(target.name);
        FileDescriptor fd(::openat(target.folder, name.constData(), kNewFileFlags, kNewFileMode));
        if (!fd.IsOpen()) {
            if (errno == EEXIST) continue;
            break;
        }
        // Named before it is locked: another write may just have taken it for a leftover, and
        // then holds the lock or has removed the name. A file system without locks locks nothing.
        const bool locked = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (locked && StillNamed(fd.Get(), target.folder, name.constData())) return fd;
    }
    name.clear();
    return FileDescriptor();
}

bool NameSavingFile(int fd, const FolderEntry& target, QByteArray& name) {
    ::flock(fd, LOCK_EX | LOCK_NB); // nobody else can reach a file without a name
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        name = SavingName(target.name);
        if (LinkUnnamed(fd, target.folder, name)) return true;
        if (errno != EEXIST) break;
    }
    name.clear();
    return false;
}

void RemoveLeftovers(int folder) {
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) return;
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::fdopendir(listed), ::closedir);
    if (!entries) {
        ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(entries.get()))
        if (IsSavingName(entry->d_name)) RemoveIfLeftover(folder, entry->d_name);
}

} // namespace platform
