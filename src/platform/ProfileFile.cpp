#include "platform/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/NumberFormat.h"

#include <QFile>

#include <algorithm>
#include <limits>
#include <utility>

namespace platform {
namespace {

QString Fold(const QString& name) {
    return name.trimmed().toCaseFolded();
}

QString FoldBytes(const QByteArray& name) {
    return Fold(QString::fromLatin1(name));
}

bool IsBlank(const QByteArray& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
    });
}

// The text after the first "=", without blanks around it or one pair of enclosing quotes.
QByteArray ValueOf(const QByteArray& line) {
    QByteArray value = line.mid(line.indexOf('=') + 1).trimmed();
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted) value = value.mid(1, value.size() - 2);
    return value;
}

// The key as it is spelled in the file, so an update keeps the file's letter case.
QByteArray KeyOf(const QByteArray& line) {
    return line.left(line.indexOf('=')).trimmed();
}

// A name or value as it goes into one line: a line break in it would start a line of its own.
QByteArray LineBytes(const QString& text) {
    QByteArray bytes = text.toLatin1();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

// A value that reading would change (blanks at its ends, or enclosing quotes of its own) goes
// in quotes, which reading takes off again, so that every value reads back as written.
QByteArray StoredValue(const QString& value) {
    QByteArray bytes = LineBytes(value);
    if (ValueOf(QByteArray("=").append(bytes)) != bytes) bytes.prepend('"').append('"');
    return bytes;
}

} // namespace

ProfileFile::Line ProfileFile::MakeLine(QByteArray text) {
    Line line{std::move(text), LineKind::Other, {}};
    if (IsBlank(line.text)) {
        line.kind = LineKind::Blank;
        return line;
    }
    const QByteArray trimmed = line.text.trimmed();
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.indexOf(']');
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = FoldBytes(trimmed.mid(1, close - 1));
        }
        return line;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (trimmed.startsWith(';') || equals <= 0) return line; // comment or no key
    line.kind = LineKind::Key;
    line.name = FoldBytes(trimmed.left(equals));
    return line;
}

ProfileFile ProfileFile::FromBytes(const QByteArray& bytes) {
    ProfileFile profile;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        QByteArray text = bytes.mid(start, end - start);
        if (text.endsWith('\r')) text.chop(1);
        profile.lines_.push_back(MakeLine(std::move(text)));
        start = end + 1;
    }
    return profile;
}

QByteArray ProfileFile::ToBytes() const {
    QByteArray bytes;
    for (const Line& line : lines_)
        bytes.append(line.text).append("\r\n");
    return bytes;
}

ProfileFile::LoadResult ProfileFile::Load(const QString& path) {
    lines_.clear();
    QFile file(path);
    if (!file.exists()) return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return LoadResult::Unreadable;
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize)
        return LoadResult::Unreadable;
    *this = FromBytes(bytes);
    return LoadResult::Loaded;
}

void ProfileFile::Save(const QString& path) const {
    WriteFileAtomically(path, ToBytes(), Durability::Synced);
}

bool ProfileFile::Blank() const {
    return std::all_of(lines_.begin(), lines_.end(),
                       [](const Line& line) { return line.kind == LineKind::Blank; });
}

bool ProfileFile::HoldsNul() const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [](const Line& line) { return line.text.contains('\0'); });
}

std::optional<std::size_t> ProfileFile::FindSection(const QString& section) const {
    const QString folded = Fold(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == LineKind::Section && lines_[i].name == folded) return i;
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::FindKey(std::size_t sectionLine, const QString& key) const {
    const QString folded = Fold(key);
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section) break;
        if (lines_[i].kind == LineKind::Key && lines_[i].name == folded) return i;
    }
    return std::nullopt;
}

std::optional<QString> ProfileFile::Value(const QString& section, const QString& key) const {
    const auto sectionLine = FindSection(section);
    const auto keyLine = sectionLine ? FindKey(*sectionLine, key) : std::nullopt;
    if (!keyLine) return std::nullopt;
    return QString::fromLatin1(ValueOf(lines_[*keyLine].text).left(kMaxValueLength));
}

QString ProfileFile::ReadString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return Value(section, key).value_or(defaultValue);
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const auto text = Value(section, key);
    const auto number = text ? ParseInteger(*text) : std::nullopt;
    if (!number || *number < std::numeric_limits<int>::min() ||
        *number > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(*number);
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double ProfileFile::ReadReal(const QString& section, const QString& key, double defaultValue,
                             QChar decimalSeparator) const {
    const auto text = Value(section, key);
    return (text ? ParseReal(*text, decimalSeparator) : std::nullopt).value_or(defaultValue);
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QByteArray bytes = StoredValue(value);
    const auto sectionLine = FindSection(section);
    if (!sectionLine) {
        lines_.push_back(MakeLine('[' + LineBytes(section) + ']'));
        lines_.push_back(MakeLine(LineBytes(key) + '=' + bytes));
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        Line& line = lines_[*keyLine];
        line.text = KeyOf(line.text) + '=' + bytes;
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay.
    std::size_t insertAt = *sectionLine + 1;
    for (std::size_t i = insertAt; i < lines_.size() && lines_[i].kind != LineKind::Section; ++i)
        if (lines_[i].kind != LineKind::Blank) insertAt = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  MakeLine(LineBytes(key) + '=' + bytes));
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, long long value) {
    WriteString(section, key, QString::number(value));
}

void ProfileFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::WriteReal(const QString& section, const QString& key, double value,
                            QChar decimalSeparator) {
    WriteString(section, key, FormatReal(value, decimalSeparator));
}

} // namespace platform
