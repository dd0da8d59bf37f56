#include "print/MergeData.h"

#include "app/EngineTexts.h"
#include "app/MatrixControls.h"
#include "app/ScanCheck.h"
#include "engine/Barcode.h"

#include "platform/Errors.h"
#include "print/Sequence.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace print {
namespace {

bool IsCsv(const MergeSource& source) {
    if (source.standardInput) return !source.column.empty() || source.header;
    return source.path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

std::optional<int> ColumnNumber(const std::string& column) {
    if (column.empty()) return 1;
    if (!std::all_of(column.begin(), column.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return column.size() > 9 ? 0 : std::stoi(column); // longer: beyond any record anyway
}

// The column's index in every record, checked against the first record: the header when a
// name is given, which must name one column only (the names compare as the lookup does).
std::size_t ColumnIndex(const MergeSource& source, const CsvRecord& first) {
    const QString name = SourceName(source);
    const QString column = QString::fromStdString(source.column);
    if (const std::optional<int> number = ColumnNumber(source.column)) {
        if (*number < 1)
            throw platform::Failure(
                QCoreApplication::translate("MergeData", "%1: columns are numbered from 1")
                    .arg(name));
        if (static_cast<std::size_t>(*number) > first.fields.size())
            throw platform::Failure(
                QCoreApplication::translate("MergeData",
                                            "%1: there is no column %2, its first record has %3")
                    .arg(name, column, QString::number(first.fields.size())));
        return static_cast<std::size_t>(*number - 1);
    }
    const QString wanted = QString::fromStdString(source.column).trimmed();
    const auto named = [&](const QString& field) {
        return field.trimmed().compare(wanted, Qt::CaseInsensitive) == 0;
    };
    const auto found = std::find_if(first.fields.begin(), first.fields.end(), named);
    if (found == first.fields.end())
        throw platform::Failure(
            QCoreApplication::translate("MergeData", "%1: no column is named \"%2\"")
                .arg(name, column));
    if (std::find_if(found + 1, first.fields.end(), named) != first.fields.end())
        throw platform::Failure(
            QCoreApplication::translate("MergeData", "%1: more than one column is named \"%2\"")
                .arg(name, column));
    return static_cast<std::size_t>(found - first.fields.begin());
}

} // namespace

QString SourceName(const MergeSource& source) {
    return source.standardInput ? StandardInputName() : QFileInfo(source.path).fileName();
}

QString StandardInputName() {
    return QCoreApplication::translate("MergeData", "standard input");
}

std::string NoRecordsIn(const MergeSource& source) {
    return QCoreApplication::translate("MergeData", "%1 has no records")
        .arg(source.path)
        .toStdString();
}

MergeReader::MergeReader(QIODevice& bytes, const MergeSource& source)
    : source_(source), lines_(bytes, SourceName(source)), skipHeader_(source.header) {
    if (IsCsv(source))
        csv_.emplace(lines_);
    else if (ColumnNumber(source.column) != 1)
        throw platform::Failure(
            QCoreApplication::translate("MergeData",
                                        "%1 holds one text per line: there is no column \"%2\"")
                .arg(lines_.Name(), QString::fromStdString(source.column)));
}

std::optional<MergeRecord> MergeReader::Next() {
    return csv_ ? NextCsvRecord() : NextLineRecord();
}

// The first record gives the column; it is the header row when asked for or named.
std::optional<MergeRecord> MergeReader::NextCsvRecord() {
    std::optional<CsvRecord> record = csv_->Next();
    if (record && !column_) {
        column_ = ColumnIndex(source_, *record);
        if (source_.header || !ColumnNumber(source_.column)) record = csv_->Next();
    }
    if (!record) return std::nullopt;
    if (*column_ >= record->fields.size())
        throw platform::Failure(AtLine(
            lines_.Name(), record->line,
            QCoreApplication::translate("MergeData", "there is no column %1").arg(*column_ + 1)));
    return MergeRecord{std::move(record->fields[*column_]), record->line};
}

// One text per line; a line with nothing on it is no record.
std::optional<MergeRecord> MergeReader::NextLineRecord() {
    while (std::optional<DataLine> line = lines_.Next()) {
        if (line->bytes.isEmpty()) continue;
        if (line->bytes.size() > kMaxRecordBytes)
            throw platform::Failure(AtLine(lines_.Name(), line->number, RecordTooLong()));
        if (std::exchange(skipHeader_, false)) continue;
        return MergeRecord{DecodeText(line->bytes, line->bytes.isValidUtf8()), line->number};
    }
    return std::nullopt;
}

std::vector<MergeRecord> MergeRecordsOf(const QByteArray& bytes, const MergeSource& source) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    MergeReader reader(buffer, source);
    std::vector<MergeRecord> records;
    while (std::optional<MergeRecord> record = reader.Next())
        records.push_back(std::move(*record));
    return records;
}

namespace {

// The bytes a document keeps for the text, when they hold all of it and the filter keeps them.
std::optional<std::string> StoredWhole(const QString& text, engine::SymbologyCode symbology) {
    std::string stored = app::StoredText(symbology, text);
    if (text.isEmpty() || app::ShownText(symbology, stored) != text ||
        !CarriesWhole(symbology, stored))
        return std::nullopt;
    return stored;
}

} // namespace

std::optional<std::string> CarriedText(const QString& text, const MergeSymbol& symbol) {
    std::optional<std::string> stored = StoredWhole(text, symbol.code);
    if (stored && !engine::BarcodeProblem(symbol.code, *stored, symbol.options).empty())
        return std::nullopt;
    return stored;
}

std::string NotCarried(const MergeRecord& record, const MergeSymbol& symbol,
                       const MergeSource& source) {
    const std::optional<std::string> stored = StoredWhole(record.text, symbol.code);
    const std::string problem =
        stored ? engine::BarcodeProblem(symbol.code, *stored, symbol.options) : std::string();
    return AtLine(SourceName(source), record.line,
                  !problem.empty()
                      ? app::InUsersLanguage(problem)
                      : QCoreApplication::translate("MergeData",
                                                    "%1 cannot carry the text \"%2\" whole")
                            .arg(QString::fromStdString(SymbologyName(symbol.code)),
                                 app::PrintableText(record.text)));
}

} // namespace print
