#include "print/CsvRecords.h"

#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>

namespace print {

std::optional<CsvRecord> CsvReader::Next() {
    while (std::optional<DataLine> line = lines_.Next()) {
        if (!inQuotes_) {
            start_ = line->number;
            bytes_ = 0;
        }
        bytes_ += line->bytes.size();
        if (bytes_ > kMaxRecordBytes)
            throw platform::Failure(AtLine(lines_.Name(), start_, RecordTooLong()));
        Scan(line->bytes);
        if (inQuotes_) {
            field_ += line->end;
            bytes_ += line->end.size();
            continue;
        }
        // A line with nothing on it, not even "", ends no record.
        const bool blank = fields_.empty() && field_.isEmpty() && !quoted_;
        if (!blank) return TakeRecord();
    }
    if (inQuotes_)
        throw platform::Failure(
            AtLine(lines_.Name(), start_,
                   QCoreApplication::translate("CsvRecords", "a quoted field is not closed")));
    return std::nullopt;
}

// One line's characters into the record; a quote may stay open at its end.
void CsvReader::Scan(QByteArrayView line) {
    for (qsizetype at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (inQuotes_) {
            const bool doubled = c == '"' && at + 1 < line.size() && line[at + 1] == '"';
            if (doubled) ++at;
            if (c != '"' || doubled)
                field_ += c;
            else
                inQuotes_ = false;
        } else if (c == '"' && field_.isEmpty() && !quoted_) {
            inQuotes_ = quoted_ = true;
        } else if (c == ',') {
            EndField();
        } else {
            field_ += c;
        }
    }
}

void CsvReader::EndField() {
    fields_.push_back(std::move(field_));
    field_.clear();
    quoted_ = false;
}

// The fields are decoded as one text, so that all of them are UTF-8 or all Latin-1.
CsvRecord CsvReader::TakeRecord() {
    EndField();
    const bool utf8 = std::all_of(fields_.begin(), fields_.end(),
                                  [](const QByteArray& field) { return field.isValidUtf8(); });
    CsvRecord record{{}, start_};
    record.fields.reserve(fields_.size());
    for (const QByteArray& field : fields_)
        record.fields.push_back(DecodeText(field, utf8));
    fields_.clear();
    return record;
}

} // namespace print
