#pragma once
// The lines of a data file, read a chunk at a time so that a file of any length takes no more
// memory than its longest line. A line ends with LF, CRLF or a CR alone (as some spreadsheet
// programs write), or at the end of the file; a UTF-8 byte order mark before the first line is
// dropped.

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace print {

// What a data file may hold, in bytes: a line without its end, and a record (a line of plain
// text, or a CSV record with the line ends inside it).
inline constexpr qsizetype kMaxLineBytes = 1024 * 1024;
inline constexpr qsizetype kMaxRecordBytes = 64 * 1024;
// "the line is longer than 1 MiB", "the record is longer than 64 KiB".
QString LineTooLong();
QString RecordTooLong();

// "<name>, line N: <what>", as every failure that points into a data file reads.
std::string AtLine(const QString& name, int line, const QString& what);

// A record's bytes as text: UTF-8 when the record's bytes are all valid UTF-8 (`utf8`), else
// Latin-1. The choice is made per record rather than for the whole file, so that a file is read
// once, from start to end, and standard input need not be held; a record's delimiters are ASCII,
// so no character is split between records.
QString DecodeText(QByteArrayView bytes, bool utf8);

struct DataLine {
    QByteArray bytes;   // without its end
    QByteArrayView end; // the bytes that ended it as they stand in the file; empty at the end
    int number = 0;     // from 1
};

class DataLines {
  public:
    // `name` is the file's name in messages; `in` is read from where it stands.
    DataLines(QIODevice& in, QString name) : in_(in), name_(std::move(name)) {}

    // The next line; none after the last. Throws platform::Failure for a line longer than
    // kMaxLineBytes (AtLine with kLineTooLong), without reading much beyond the limit, and for
    // a read error ("Unable to read <name>: <why>").
    std::optional<DataLine> Next();
    const QString& Name() const { return name_; }

  private:
    DataLine TakeLine(qsizetype end);
    void Fill();

    QIODevice& in_;
    QString name_;
    QByteArray buffer_;
    qsizetype at_ = 0;      // the next line's first byte in buffer_
    qsizetype scanned_ = 0; // bytes from at_ that hold no line end
    bool ended_ = false;    // the device has given its last byte
    int number_ = 0;        // of the last line taken
};

} // namespace print
