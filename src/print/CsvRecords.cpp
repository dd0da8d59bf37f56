#include "print/CsvRecords.h"

#include "platform/Errors.h"

namespace print {
namespace {

class CsvParser {
  public:
    explicit CsvParser(QStringView text) : text_(text) {}

    // Every record; the line of a quote still open at the end, or 0.
    int Parse() {
        for (at_ = 0; at_ < text_.size(); ++at_) {
            if (inQuotes_)
                Quoted(text_[at_]);
            else
                Unquoted(text_[at_]);
        }
        if (inQuotes_) return record_.line;
        EndRecord();
        return 0;
    }

    std::vector<CsvRecord> records;

  private:
    QChar Next() const { return at_ + 1 < text_.size() ? text_[at_ + 1] : QChar(); }

    void Quoted(QChar c) {
        if (c == u'"' && Next() == u'"') {
            field_ += c;
            ++at_;
        } else if (c == u'"') {
            inQuotes_ = false;
        } else {
            if (c == u'\n') ++line_;
            field_ += c;
        }
    }

    void Unquoted(QChar c) {
        if (!started_) record_.line = line_;
        started_ = true;
        if (c == u'"' && field_.isEmpty() && !quoted_) {
            inQuotes_ = quoted_ = true;
        } else if (c == u',') {
            EndField();
        } else if (c == u'\n') {
            EndRecord();
            ++line_;
        } else if (!(c == u'\r' && Next() == u'\n')) {
            field_ += c;
        }
    }

    void EndField() {
        record_.fields.push_back(field_);
        field_.clear();
        quoted_ = false;
    }

    // A line with nothing on it, not even "", ends no record.
    void EndRecord() {
        const bool blank = record_.fields.empty() && field_.isEmpty() && !quoted_;
        if (!blank) {
            EndField();
            records.push_back(std::move(record_));
        }
        record_ = {};
        started_ = false;
    }

    QStringView text_;
    qsizetype at_ = 0;
    int line_ = 1;
    bool started_ = false;  // the record has begun
    bool inQuotes_ = false; // inside a quoted field
    bool quoted_ = false;   // the field began with a quote
    QString field_;
    CsvRecord record_;
};

} // namespace

std::vector<CsvRecord> ParseCsv(QStringView text, const QString& name) {
    CsvParser parser(text);
    if (const int open = parser.Parse())
        throw platform::Failure(name.toStdString() + ", line " + std::to_string(open) +
                                ": a quoted field is not closed");
    return std::move(parser.records);
}

} // namespace print
