#pragma once
// CSV as RFC 4180 writes it, read a record at a time: fields split by commas, a field in double
// quotes may hold commas, line breaks and doubled quotes; records end with CRLF, LF or a CR
// alone, and a line break inside quotes stays in the field as the file has it. Lenient where the
// RFC is silent: a quote inside an unquoted field is kept as it stands, and so are characters
// after a closing quote. A blank line is no record.

#include "print/DataLines.h"

#include <QString>

#include <optional>
#include <vector>

namespace print {

struct CsvRecord {
    std::vector<QString> fields; // decoded together (DecodeText): UTF-8 or Latin-1 alike
    int line = 0;                // where the record starts, from 1

    bool operator==(const CsvRecord&) const = default;
};

class CsvReader {
  public:
    explicit CsvReader(DataLines& lines) : lines_(lines) {}

    // The next record; none after the last. Throws platform::Failure, naming the line the record
    // starts on, for a quote still open at the end ("a quoted field is not closed") and for a
    // record longer than kMaxRecordBytes; and as DataLines::Next.
    std::optional<CsvRecord> Next();

  private:
    void Scan(QByteArrayView line);
    void EndField();
    CsvRecord TakeRecord();

    DataLines& lines_;
    int start_ = 0;         // the record's first line
    qsizetype bytes_ = 0;   // the record's bytes so far
    bool inQuotes_ = false; // inside a quoted field
    bool quoted_ = false;   // the field began with a quote
    QByteArray field_;
    std::vector<QByteArray> fields_;
};

} // namespace print
