#pragma once
// A profile (initialisation) file in memory, read and written with the rules of the Windows
// profile-string functions, so documents and label formats stay exchangeable with files made
// there: section and key names match without regard to letter case; values lose the blanks
// around them and one pair of enclosing quotes on reading and are cut to 2047 characters;
// writing updates a key in its place, appends a new key at the end of its section and a new
// section at the end of the file, and leaves every other line (comments, junk) as it was.
// Text is Latin-1 both ways: every byte reads as one character and writes back unchanged.

#include <QByteArray>
#include <QChar>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace platform {

class ProfileFile {
  public:
    enum class LoadResult {
        Loaded,
        Missing,    // no file at the path: the profile is empty
        Unreadable, // a folder, no permission, a read error or over kMaxFileSize: empty too
    };

    static constexpr qsizetype kMaxValueLength = 2047;
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    // Lines may end in LF or CRLF; any bytes are accepted.
    static ProfileFile FromBytes(const QByteArray& bytes);
    // Every line ends in CRLF.
    QByteArray ToBytes() const;

    // Replaces the contents with the file's; never throws.
    LoadResult Load(const QString& path);
    // Throws WriteFailure ("Unable to write to <path>"); the previous file survives a failure.
    void Save(const QString& path) const;

    // Whether the section is there (letter case aside), and whether any line holds more than
    // blanks.
    bool HasSection(const QString& section) const { return FindSection(section).has_value(); }
    bool HasKey(const QString& section, const QString& key) const {
        return Value(section, key).has_value();
    }
    bool Blank() const;
    // Whether some line holds a NUL byte, which no text file does: such a file is binary.
    bool HoldsNul() const;

    // The value, or `defaultValue` when the section or key is missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; a value that is no integer or does not fit
    // an int gives `defaultValue`.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer; any value but 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    double ReadReal(const QString& section, const QString& key, double defaultValue,
                    QChar decimalSeparator) const;

    // Written as KEY=value. Line breaks in the names and `value` become blanks, so that neither
    // can start a line of its own; characters beyond Latin-1 become "?". A value with blanks at
    // its ends or in quotes of its own is written in quotes, so that it reads back as it was.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, long long value);
    void WriteBool(const QString& section, const QString& key, bool value); // "1" or "0"
    // The 15-digit general form of FormatReal.
    void WriteReal(const QString& section, const QString& key, double value,
                   QChar decimalSeparator);

  private:
    enum class LineKind { Blank, Other, Section, Key };
    struct Line {
        QByteArray text; // as found, without its line end
        LineKind kind = LineKind::Other;
        QString name; // case-folded name of a section or key
    };

    static Line MakeLine(QByteArray text);
    std::optional<std::size_t> FindSection(const QString& section) const;
    std::optional<std::size_t> FindKey(std::size_t sectionLine, const QString& key) const;
    std::optional<QString> Value(const QString& section, const QString& key) const;

    std::vector<Line> lines_;
};

} // namespace platform
