#include "app/DiskStamp.h"

#include "app/DocumentFile.h"
#include "platform/ProfileFile.h"

#include <QFile>

#include <sys/stat.h>

namespace app {

DiskStamp StampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    DiskStamp stamp{static_cast<long long>(info.st_size),
                    static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL +
                        info.st_mtim.tv_nsec,
                    std::nullopt};
    platform::ProfileFile file;
    if (file.Load(path) == platform::ProfileFile::LoadResult::Loaded)
        stamp.current = StoredSequenceCurrent(file);
    return stamp;
}

} // namespace app
