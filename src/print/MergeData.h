#pragma once
// The texts of a data merge: one label text per record of a file, either a plain text file (one
// text per line) or a CSV file (RFC 4180: quoted fields, doubled quotes, commas and line breaks
// inside quotes, CRLF or LF) read in UTF-8, or in Latin-1 when its bytes are not UTF-8. Each
// record remembers the line it starts on, so that a failure can point at it.

#include "engine/Symbology.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace print {

// Where the texts come from. A file whose name ends in ".csv" (any letter case) is CSV; any
// other holds one text per line. Blank lines are no records in either.
struct MergeSource {
    QString path;
    std::string column;  // CSV: a number from 1, or a header name; empty: the first column
    bool header = false; // CSV: the first record names the columns (a column name implies it)
};

struct MergeRecord {
    QString text;
    int line = 0; // where the record starts in the file, from 1

    bool operator==(const MergeRecord&) const = default;
};

// The texts of `bytes` as the file `source.path` would give them (its name says CSV or not).
// Throws platform::Failure naming the file for an unknown column name, a column beyond the
// first record's, a record without the column, and a quoted field left open.
std::vector<MergeRecord> MergeRecordsOf(const QByteArray& bytes, const MergeSource& source);

// The texts of the file; throws platform::Failure ("Unable to read <path>") and as
// MergeRecordsOf.
std::vector<MergeRecord> ReadMergeFile(const MergeSource& source);

// The record's text as the Latin-1 bytes a document keeps; none when a character lies beyond.
std::optional<std::string> Latin1Of(const QString& text);

// The first record that `symbology` cannot carry whole (an empty one, one with a character
// beyond Latin-1, or one its filter would change), as a message with the file's name and the
// record's line; none when it carries them all.
std::optional<std::string> FirstRecordNotCarried(const std::vector<MergeRecord>& records,
                                                 engine::SymbologyCode symbology,
                                                 const QString& path);

} // namespace print
