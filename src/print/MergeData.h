#pragma once
// The texts of a data merge: one label text per record of a file, either a plain text file (one
// text per line) or a CSV file (CsvRecords.h), read a record at a time (DataLines.h: line ends,
// limits, UTF-8 or Latin-1 per record). Each record remembers the line it starts on, so that a
// failure can point at it.

#include "engine/MatrixSymbology.h"
#include "engine/Symbology.h"
#include "print/CsvRecords.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace print {

// Where the texts come from. A file whose name ends in ".csv" (any letter case) is CSV; any
// other holds one text per line. Standard input has no name to tell: it is CSV when a column or
// the header row is given, else plain text. Blank lines are no records in either.
struct MergeSource {
    QString path;        // as given; "-" for standard input
    std::string column;  // CSV: a number from 1, or a header name; empty: the first column
    bool header = false; // CSV: the first record names the columns (a column name implies it)
    bool standardInput = false; // the bytes come from standard input (MergeInput)
};

struct MergeRecord {
    QString text;
    int line = 0; // where the record starts in the file, from 1

    bool operator==(const MergeRecord&) const = default;
};

// The name a failure gives the source: the file's name, or "standard input".
QString SourceName(const MergeSource& source);
QString StandardInputName();
// "<path> has no records", the path as given.
std::string NoRecordsIn(const MergeSource& source);

// The records of one pass over a source's bytes, in file order.
class MergeReader {
  public:
    // `bytes` is read from where it stands, as `source` says (CSV or lines, column, header).
    // Throws platform::Failure naming the file for a column name given to a file of lines.
    MergeReader(QIODevice& bytes, const MergeSource& source);
    MergeReader(const MergeReader&) = delete;
    MergeReader& operator=(const MergeReader&) = delete;

    // The next record; none after the last. Throws platform::Failure naming the file for an
    // unknown column name, a column beyond the first record's, a record without the column, a
    // quoted field left open, a record longer than 64 KiB and a line longer than 1 MiB (with the
    // line, where there is one), and a read error.
    std::optional<MergeRecord> Next();

  private:
    std::optional<MergeRecord> NextCsvRecord();
    std::optional<MergeRecord> NextLineRecord();

    MergeSource source_;
    DataLines lines_;
    std::optional<CsvReader> csv_;      // for CSV, reading lines_
    std::optional<std::size_t> column_; // CSV: found in the first record
    bool skipHeader_;                   // lines: the first one is still to be skipped
};

// Every record of `bytes` as the file `source.path` would give them (its name says CSV or not);
// throws as MergeReader does. For data held in memory anyway.
std::vector<MergeRecord> MergeRecordsOf(const QByteArray& bytes, const MergeSource& source);

// The symbology the records fill and its options (error correction, size), which decide what a
// record may hold.
struct MergeSymbol {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    engine::SymbolOptions options;
};

// The text as the bytes a document keeps (UTF-8 for the symbologies that take any text, Latin-1
// for the others) when the symbol carries it whole; none for an empty text, one with a
// character the symbology's bytes cannot hold, one its filter would change, and one it cannot
// encode (too long, a bad GS1 field).
std::optional<std::string> CarriedText(const QString& text, const MergeSymbol& symbol);
// "<name>, line N: " and why, for a record CarriedText refuses: what the encoder says (the
// limit, the bad GS1 AI), or "<symbology> cannot carry the text "<text>" whole".
std::string NotCarried(const MergeRecord& record, const MergeSymbol& symbol,
                       const MergeSource& source);

} // namespace print
