#include "shell/DesktopFiles.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace shell {
namespace {

// Compiled into the program from resources/ (the same files the package installs).
struct ResourceFile {
    const char* resource;
    const char* path;
};
constexpr ResourceFile kPlainFiles[] = {
    {":/shell/desktop/tallyrune.xml", kMimePackagePath},
    {":/shell/tallyrune.svg", "icons/hicolor/scalable/apps/tallyrune.svg"},
    {":/shell/desktop/application-x-tallyrune.svg",
     "icons/hicolor/scalable/mimetypes/application-x-tallyrune.svg"},
};
constexpr char kEntryTemplate[] = ":/shell/desktop/tallyrune.desktop";

QByteArray ResourceBytes(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Characters that an Exec argument keeps only inside double quotes, and those that need a
// backslash there.
const QString kReservedInExec = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
const QString kEscapedInQuotes = QStringLiteral("\"`$\\");

constexpr std::pair<char, char> kValueEscapes[] = {
    {'\\', '\\'}, {'\n', 'n'}, {'\t', 't'}, {'\r', 'r'}};

// The template with its Exec and TryExec lines naming `program`.
QByteArray EntryFor(const QString& program) {
    QStringList lines = QString::fromUtf8(ResourceBytes(kEntryTemplate)).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + ExecLine(program);
        else if (line.startsWith(QLatin1String("TryExec=")))
            line = QStringLiteral("TryExec=") + EscapeEntryValue(program);
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

} // namespace

QString EscapeEntryValue(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        const auto* escape = std::find_if(std::begin(kValueEscapes), std::end(kValueEscapes),
                                          [c](const auto& pair) { return c == pair.first; });
        if (escape != std::end(kValueEscapes)) {
            escaped += QLatin1Char('\\');
            escaped += QLatin1Char(escape->second);
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString UnescapeEntryValue(const QString& value) {
    QString plain;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            plain += value[i];
            continue;
        }
        const QChar code = value[++i];
        const auto* escape =
            std::find_if(std::begin(kValueEscapes), std::end(kValueEscapes),
                         [code](const auto& pair) { return code == QLatin1Char(pair.second); });
        plain += code == QLatin1Char('s')            ? QChar(' ')
                 : escape != std::end(kValueEscapes) ? QChar(QLatin1Char(escape->first))
                                                     : code;
    }
    return plain;
}

QString ExecLine(const QString& program) {
    QString argument = program;
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    const bool quoted = std::any_of(argument.begin(), argument.end(),
                                    [](QChar c) { return kReservedInExec.contains(c); });
    if (quoted) {
        QString inQuotes;
        for (const QChar c : argument)
            inQuotes += kEscapedInQuotes.contains(c) ? QString(QLatin1Char('\\')) + c : QString(c);
        argument = QLatin1Char('"') + inQuotes + QLatin1Char('"');
    }
    return EscapeEntryValue(argument) + QStringLiteral(" %f");
}

QString EntryValue(const QByteArray& entry, const QString& key) {
    bool inMainGroup = false;
    const QString prefix = key + QLatin1Char('=');
    for (const QString& line : QString::fromUtf8(entry).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line.trimmed() == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.startsWith(prefix))
            return UnescapeEntryValue(line.mid(prefix.size()).trimmed());
    }
    return {};
}

std::vector<DesktopFile> UserDesktopFiles(const QString& programPath) {
    std::vector<DesktopFile> files{{QString::fromLatin1(kDesktopEntryPath), EntryFor(programPath)}};
    for (const ResourceFile& file : kPlainFiles)
        files.push_back({QString::fromLatin1(file.path), ResourceBytes(file.resource)});
    return files;
}

} // namespace shell
