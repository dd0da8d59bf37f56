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
    }
    return line;
}

void AppendBlock(QString& out, const QString& path, const RegistryNode& node) {
    out += QLatin1Char('[') + path + QLatin1Char(']') + kEol;
    for (const RegNamedValue& named : node.values)
        out += ValueLine(named) + kEol;
    out += kEol;
}

void AppendSubKeys(QString& out, const QString& path, const RegistryNode& node) {
    for (const auto& [folded, child] : node.children) {
        const QString childPath = path + QLatin1Char('\\') + child->name;
        AppendBlock(out, childPath, *child);
        AppendSubKeys(out, childPath, *child);
    }
}

// ---- reading ----

// A line as text, trimmed; nothing when it is not clean UTF-8 or holds a NUL byte.
std::optional<QString> DecodeLine(QByteArray raw) {
    if (raw.endsWith('\r')) raw.chop(1);
    if (raw.contains('\0')) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString line = decoder(raw);
    if (decoder.hasError()) return std::nullopt;
    return line.trimmed();
}

// Lines with binary data continued over ",\" joined; a last line without its line break is
// taken as cut off and dropped, as is a continuation that never ends.
QStringList LogicalLines(const QByteArray& text) {
    QList<QByteArray> physical = text.split('\n');
    physical.removeLast();
    QStringList lines;
    QString pending;
    bool continuing = false;
    for (const QByteArray& raw : physical) {
        const std::optional<QString> line = DecodeLine(raw);
        if (!line) {
            continuing = false;
            continue;
        }
        if (!continuing) pending.clear();
        pending += *line;
        continuing = pending.endsWith(QStringLiteral(",\\"));
        if (continuing)
            pending.chop(1);
        else
            lines.append(pending);
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

// `"name"=data` or `@=data` into `key`; anything malformed is passed over.
void ParseValueLine(const QString& line, RegistryNode& key) {
    qsizetype pos = 1;
    std::optional<QString> name = QString();
    if (line[0] != QLatin1Char('@')) {
        pos = 0;
        name = ParseQuoted(line, pos);
    }
    if (!name) return;
    const QString rest = line.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) return;
    if (std::optional<RegValue> value = ParseData(rest.mid(1).trimmed()))
        key.SetValue(*name, std::move(*value));
}

} // namespace

QByteArray FormatRegistryText(const QString& rootName, const RegistryNode& root) {
    QString out = kHeader + kEol + kEol;
    if (!root.values.empty()) AppendBlock(out, rootName, root); // the root has a block only then
    AppendSubKeys(out, rootName, root);
    return out.toUtf8();
}

void ParseRegistryText(const QByteArray& text, const QString& rootName, RegistryNode& root) {
    RegistryNode* key = nullptr; // values before the first good section belong nowhere
    for (const QString& line : LogicalLines(text)) {
        if (line.startsWith(QLatin1Char('[')))
            key = SectionKey(line, rootName, root);
        else if (key != nullptr &&
                 (line.startsWith(QLatin1Char('"')) || line.startsWith(QLatin1Char('@'))))
            ParseValueLine(line, *key);
    }
}

} // namespace platform
