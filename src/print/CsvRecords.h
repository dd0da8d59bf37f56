#pragma once
// CSV as RFC 4180 writes it: fields split by commas, a field in double quotes may hold commas,
// line breaks and doubled quotes; records end with CRLF or LF. Lenient where the RFC is silent:
// a quote inside an unquoted field is kept as it stands, and so are characters after a closing
// quote. A blank line is no record.

#include <QString>
#include <QStringView>

#include <vector>

namespace print {

struct CsvRecord {
    std::vector<QString> fields;
    int line = 0; // where the record starts, from 1

    bool operator==(const CsvRecord&) const = default;
};

// Throws platform::Failure ("<name>, line N: a quoted field is not closed") for a quote open at
// the end, N being the line of the record it belongs to.
std::vector<CsvRecord> ParseCsv(QStringView text, const QString& name);

} // namespace print
