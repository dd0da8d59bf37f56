#include "print/DataLines.h"

#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>

namespace print {
namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The line end at the start of `rest`: LF, CRLF, a CR alone, or none at the end of the file.
QByteArrayView LineEndAt(QByteArrayView rest) {
    if (rest.startsWith("\r\n")) return "\r\n";
    if (rest.startsWith('\n')) return "\n";
    if (rest.startsWith('\r')) return "\r";
    return {};
}

} // namespace

QString LineTooLong() {
    return QCoreApplication::translate("DataLines", "the line is longer than 1 MiB");
}

QString RecordTooLong() {
    return QCoreApplication::translate("DataLines", "the record is longer than 64 KiB");
}

std::string AtLine(const QString& name, int line, const QString& what) {
    return QCoreApplication::translate("DataLines", "%1, line %2: %3")
        .arg(name, QString::number(line), what)
        .toStdString();
}

QString DecodeText(QByteArrayView bytes, bool utf8) {
    return utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

std::optional<DataLine> DataLines::Next() {
    for (;;) {
        const char* const data = buffer_.constData();
        const qsizetype size = buffer_.size();
        const qsizetype end = std::find_if(data + at_ + scanned_, data + size, IsLineEnd) - data;
        // A CR last in the buffer may be the first half of a CRLF: read on before deciding.
        if (end < size && (end + 1 < size || ended_ || data[end] == '\n')) return TakeLine(end);
        scanned_ = end - at_;
        if (scanned_ > kMaxLineBytes)
            throw platform::Failure(AtLine(name_, number_ + 1, LineTooLong()));
        if (ended_) return at_ < buffer_.size() ? std::optional(TakeLine(end)) : std::nullopt;
        Fill();
    }
}

// The line from at_ to `end`, and the line end there if any.
DataLine DataLines::TakeLine(qsizetype end) {
    DataLine line{buffer_.mid(at_, end - at_), {}, ++number_};
    if (line.bytes.size() > kMaxLineBytes)
        throw platform::Failure(AtLine(name_, number_, LineTooLong()));
    if (number_ == 1 && line.bytes.startsWith(kByteOrderMark))
        line.bytes.remove(0, kByteOrderMark.size());
    line.end = LineEndAt(QByteArrayView(buffer_).sliced(end));
    at_ = end + line.end.size();
    scanned_ = 0;
    return line;
}

// Appends the next chunk, keeping only the line being read.
void DataLines::Fill() {
    buffer_.remove(0, at_);
    at_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + kChunkBytes);
    const qint64 read = in_.read(buffer_.data() + kept, kChunkBytes);
    if (read < 0) throw platform::ReadFailure(name_, in_.errorString());
    buffer_.resize(kept + read);
    ended_ = read == 0;
}

} // namespace print
