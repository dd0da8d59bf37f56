#include "print/MergeData.h"

#include "platform/Errors.h"
#include "print/CsvRecords.h"
#include "print/Sequence.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace print {
namespace {

QString FileName(const MergeSource& source) {
    return QFileInfo(source.path).fileName();
}

// UTF-8 (a byte order mark is dropped) when the bytes are valid UTF-8, else Latin-1.
QString DecodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::optional<int> ColumnNumber(const std::string& column) {
    if (column.empty()) return 1;
    if (!std::all_of(column.begin(), column.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return column.size() > 9 ? 0 : std::stoi(column); // longer: beyond any record anyway
}

// The column's index in every record, checked against the first record: the header when a
// name is given.
std::size_t ColumnIndex(const MergeSource& source, const CsvRecord& first) {
    const std::string name = FileName(source).toStdString();
    if (const std::optional<int> number = ColumnNumber(source.column)) {
        if (*number < 1) throw platform::Failure(name + ": columns are numbered from 1");
        if (static_cast<std::size_t>(*number) > first.fields.size())
            throw platform::Failure(name + ": there is no column " + source.column +
                                    ", its first record has " +
                                    std::to_string(first.fields.size()));
        return static_cast<std::size_t>(*number - 1);
    }
    const QString wanted = QString::fromStdString(source.column).trimmed();
    for (std::size_t i = 0; i < first.fields.size(); ++i)
        if (first.fields[i].trimmed().compare(wanted, Qt::CaseInsensitive) == 0) return i;
    throw platform::Failure(name + ": no column is named \"" + source.column + "\"");
}

std::vector<MergeRecord> CsvTexts(QStringView text, const MergeSource& source) {
    std::vector<CsvRecord> records = ParseCsv(text, FileName(source));
    if (records.empty()) return {};
    const std::size_t index = ColumnIndex(source, records.front());
    const bool header = source.header || !ColumnNumber(source.column);
    std::vector<MergeRecord> texts;
    for (auto record = records.begin() + (header ? 1 : 0); record != records.end(); ++record) {
        if (index >= record->fields.size())
            throw platform::Failure(FileName(source).toStdString() + ", line " +
                                    std::to_string(record->line) + ": there is no column " +
                                    std::to_string(index + 1));
        texts.push_back({std::move(record->fields[index]), record->line});
    }
    return texts;
}

// One text per line, LF or CRLF; a line with nothing on it is no record.
std::vector<MergeRecord> LineTexts(QStringView text, const MergeSource& source) {
    if (ColumnNumber(source.column) != 1)
        throw platform::Failure(FileName(source).toStdString() +
                                " holds one text per line: there is no column \"" + source.column +
                                "\"");
    std::vector<MergeRecord> texts;
    int line = 0;
    for (QStringView row : text.split(u'\n')) {
        ++line;
        if (row.endsWith(u'\r')) row.chop(1);
        if (!row.isEmpty()) texts.push_back({row.toString(), line});
    }
    if (source.header && !texts.empty()) texts.erase(texts.begin());
    return texts;
}

} // namespace

std::vector<MergeRecord> MergeRecordsOf(const QByteArray& bytes, const MergeSource& source) {
    const QString text = DecodeText(bytes);
    if (source.path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return CsvTexts(text, source);
    return LineTexts(text, source);
}

std::vector<MergeRecord> ReadMergeFile(const MergeSource& source) {
    QFile file(source.path);
    if (source.path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw platform::Failure("Unable to read " + source.path.toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::Failure("Unable to read " + source.path.toStdString());
    return MergeRecordsOf(bytes, source);
}

std::optional<std::string> Latin1Of(const QString& text) {
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return std::nullopt;
    return text.toLatin1().toStdString();
}

std::optional<std::string> FirstRecordNotCarried(const std::vector<MergeRecord>& records,
                                                 engine::SymbologyCode symbology,
                                                 const QString& path) {
    for (const MergeRecord& record : records) {
        const std::optional<std::string> latin1 = Latin1Of(record.text);
        if (!record.text.isEmpty() && latin1 && CarriesWhole(symbology, *latin1)) continue;
        return QFileInfo(path).fileName().toStdString() + ", line " + std::to_string(record.line) +
               ": " + SymbologyName(symbology) + " cannot carry the text \"" +
               record.text.toStdString() + "\" whole";
    }
    return std::nullopt;
}

} // namespace print
