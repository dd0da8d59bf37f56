#include "platform/RegistryFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

const QString kHeader = QStringLiteral("REGEDIT4");
const QString kEol = QStringLiteral("\r\n");
constexpr qsizetype kHexWrapColumn = 77; // binary data goes on to the next line past this

struct Escape {
    char16_t character;
    char16_t code; // written after a backslash
};
constexpr Escape kEscapes[] = {
    {u'\\', u'\\'}, {u'"', u'"'}, {u'\n', u'n'}, {u'\r', u'r'}, {u'\0', u'0'},
};

// ---- writing ----

QString Quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [&](const Escape& e) { return e.character == c; });
        if (escape != std::end(kEscapes))
            out += QLatin1Char('\\') + QChar(escape->code);
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString HexByte(char byte) {
    return QStringLiteral("%1").arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'));
}

// `column` is where the data starts on its line.
QString HexData(const QByteArray& bytes, qsizetype column) {
    QString out = QStringLiteral("hex:");
    column += out.size();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out += HexByte(bytes[i]);
        if (i + 1 == bytes.size()) break;
        out += QLatin1Char(',');
        column += 3;
        if (column >= kHexWrapColumn) {
            out += QLatin1Char('\\') + kEol + QStringLiteral("  ");
            column = 2;
        }
    }
    return out;
}

QString ValueLine(const RegNamedValue& named) {
    QString line = (named.name.isEmpty() ? QStringLiteral("@") : Quoted(named.name)) + '=';
    const RegValue& value = named.value;
    switch (value.Type()) {
    case RegType::Dword:
        return line + QStringLiteral("dword:%1").arg(*value.ToDword(), 8, 16, QLatin1Char('0'));
    case RegType::Binary:
        return line + HexData(*value.ToBinary(), line.size());
    case RegType::Sz:
        return line + Quoted(*value.ToString());
    case RegType::Other:
        break;
    }
    return line;
}

// A value of a type this program does not read goes back as it came, byte for byte.
QByteArray ValueLines(const RegNamedValue& named) {
    if (std::optional<QByteArrayList> lines = named.value.ToFileLines())
        return lines->join(kEol.toLatin1());
    return ValueLine(named).toUtf8();
}

void AppendBlock(QByteArray& out, const QString& path, const RegistryNode& node) {
    out += (QLatin1Char('[') + path + QLatin1Char(']') + kEol).toUtf8();
    for (const RegNamedValue& named : node.values)
        out += ValueLines(named) + kEol.toLatin1();
    out += kEol.toLatin1();
}

void AppendSubKeys(QByteArray& out, const QString& path, const RegistryNode& node) {
    for (const auto& [folded, child] : node.children) {
        const QString childPath = path + QLatin1Char('\\') + child->name;
        AppendBlock(out, childPath, *child);
        AppendSubKeys(out, childPath, *child);
    }
}

// ---- reading ----

// One value or section, over one line or several continued ones.
struct LogicalLine {
    QString text;        // trimmed, continued lines joined
    QByteArrayList file; // the lines as the file has them, without their line breaks
};

// A line as text, trimmed; nothing when it holds a NUL byte. Registry editors export in the
// system's 8-bit code page: a line that is not UTF-8 is read as Latin-1.
std::optional<QString> DecodeLine(const QByteArray& raw) {
    if (raw.contains('\0')) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString line = decoder(raw);
    return (decoder.hasError() ? QString::fromLatin1(raw) : line).trimmed();
}

// Lines with binary data continued over ",\" joined; a continuation that never ends is passed
// over, as is a line holding a NUL byte.
std::vector<LogicalLine> LogicalLines(const QByteArray& text) {
    QList<QByteArray> physical = text.split('\n');
    if (physical.last().isEmpty()) physical.removeLast(); // the last line break ends no line
    std::vector<LogicalLine> lines;
    LogicalLine pending;
    bool continuing = false;
    for (QByteArray& raw : physical) {
        if (raw.endsWith('\r')) raw.chop(1);
        const std::optional<QString> line = DecodeLine(raw);
        if (!continuing) pending = {};
        if (!line) {
            continuing = false;
            continue;
        }
        pending.text += *line;
        pending.file.append(raw);
        continuing = pending.text.endsWith(QStringLiteral(",\\"));
        if (continuing)
            pending.text.chop(1);
        else
            lines.push_back(std::move(pending));
    }
    return lines;
}

// "[ROOT\a\b]": the key it names, created as needed; null for another root or a bad name.
RegistryNode* SectionKey(const QString& line, const QString& rootName, RegistryNode& root) {
    if (!line.endsWith(QLatin1Char(']'))) return nullptr;
    const QStringList parts = line.mid(1, line.size() - 2).split(QLatin1Char('\\'));
    if (parts.first().compare(rootName, Qt::CaseInsensitive) != 0 ||
        parts.size() - 1 > kMaxKeyDepth ||
        !std::all_of(parts.begin() + 1, parts.end(), IsValidKeyName))
        return nullptr;
    RegistryNode* node = &root;
    for (auto part = parts.begin() + 1; part != parts.end(); ++part)
        node = &node->AddChild(*part);
    return node;
}

// A quoted text starting at `pos`; `pos` ends past the closing quote.
std::optional<QString> ParseQuoted(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++pos == line.size()) return std::nullopt;
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [&](const Escape& e) { return e.code == line[pos]; });
        if (escape == std::end(kEscapes)) return std::nullopt;
        text += QChar(escape->character);
    }
    return std::nullopt;
}

bool IsHex(const QString& digits, qsizetype maxLength) {
    const auto isHexDigit = [](QChar c) {
        const char16_t u = c.toLower().unicode();
        return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f');
    };
    return !digits.isEmpty() && digits.size() <= maxLength &&
           std::all_of(digits.begin(), digits.end(), isHexDigit);
}

std::optional<RegValue> ParseHex(const QString& data) {
    QByteArray bytes;
    if (data.trimmed().isEmpty()) return RegValue::Binary(bytes);
    for (const QString& item : data.split(QLatin1Char(','))) {
        const QString digits = item.trimmed();
        if (!IsHex(digits, 2)) return std::nullopt;
        bytes.append(static_cast<char>(digits.toUInt(nullptr, 16)));
    }
    return RegValue::Binary(bytes);
}

std::optional<RegValue> ParseData(const QString& data) {
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        std::optional<QString> text = ParseQuoted(data, pos);
        if (!text || pos != data.size()) return std::nullopt;
        return RegValue::String(*text);
    }
    const QString lower = data.toLower();
    if (lower.startsWith(QStringLiteral("dword:"))) {
        const QString digits = data.mid(6);
        if (!IsHex(digits, 8)) return std::nullopt;
        return RegValue::Dword(digits.toUInt(nullptr, 16));
    }
    if (lower.startsWith(QStringLiteral("hex:"))) return ParseHex(data.mid(4));
    return std::nullopt;
}

// Data of a type this reader does not know: a type word other than "dword" and "hex", with a
// type number or without ("hex(2):", "hex(7):", "hex(b):", "str(2):").
bool IsOtherType(const QString& data) {
    const auto isLetter = [](QChar c) { return c.isLetter() && c.unicode() < 0x80; };
    const qsizetype word = std::find_if_not(data.begin(), data.end(), isLetter) - data.begin();
    qsizetype end = word;
    if (end < data.size() && data[end] == QLatin1Char('(')) {
        const qsizetype close = data.indexOf(QLatin1Char(')'), end);
        if (close < 0 || !IsHex(data.mid(end + 1, close - end - 1), 8)) return false;
        end = close + 1;
    }
    const QString type = data.left(end).toLower();
    return word > 0 && end < data.size() && data[end] == QLatin1Char(':') &&
           type != QStringLiteral("dword") && type != QStringLiteral("hex");
}

// `"name"=data` or `@=data` into `key`; anything malformed is passed over.
void ParseValueLine(const LogicalLine& line, RegistryNode& key) {
    qsizetype pos = 1;
    std::optional<QString> name = QString();
    if (line.text[0] != QLatin1Char('@')) {
        pos = 0;
        name = ParseQuoted(line.text, pos);
    }
    if (!name) return;
    const QString rest = line.text.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) return;
    const QString data = rest.mid(1).trimmed();
    if (std::optional<RegValue> value = ParseData(data))
        key.SetValue(*name, std::move(*value));
    else if (IsOtherType(data))
        key.SetValue(*name, RegValue::Other(line.file));
}

} // namespace

QByteArray FormatRegistryText(const QString& rootName, const RegistryNode& root) {
    QByteArray out = (kHeader + kEol + kEol).toLatin1();
    if (!root.values.empty()) AppendBlock(out, rootName, root); // the root has a block only then
    AppendSubKeys(out, rootName, root);
    return out;
}

void ParseRegistryText(const QByteArray& text, const QString& rootName, RegistryNode& root) {
    RegistryNode* key = nullptr; // values before the first good section belong nowhere
    for (const LogicalLine& line : LogicalLines(text)) {
        if (line.text.startsWith(QLatin1Char('[')))
            key = SectionKey(line.text, rootName, root);
        else if (key != nullptr &&
                 (line.text.startsWith(QLatin1Char('"')) || line.text.startsWith(QLatin1Char('@'))))
            ParseValueLine(line, *key);
    }
}

} // namespace platform
