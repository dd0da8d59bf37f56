#pragma once
// What a document file on disk looked like when the designer last read or wrote it, so that a
// change by another program (a command-line job that advanced the sequence) is noticed before
// the designer writes over it or prints numbers that were printed since.

#include <QString>

#include <optional>

namespace app {

struct DiskStamp {
    long long size = -1; // -1: no file
    long long modifiedNs = 0;
    std::optional<int> current; // the file's SEQUENCE CURRENT

    bool operator==(const DiskStamp&) const = default;
};

DiskStamp StampOf(const QString& path);

} // namespace app
