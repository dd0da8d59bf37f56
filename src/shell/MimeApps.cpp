#include "shell/MimeApps.h"

#include <QStringList>

namespace shell {
namespace {

const QString kDefaultsGroup = QStringLiteral("[Default Applications]");

struct KeyLine {
    qsizetype groupEnd = -1; // line after the group's last key; -1 without the group
    qsizetype key = -1;      // the line of the key; -1 when absent
};

bool IsGroupHeader(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}

QString KeyOf(const QString& line) {
    return line.section(QLatin1Char('='), 0, 0).trimmed();
}

KeyLine FindKey(const QStringList& lines, const QString& mimeType) {
    KeyLine found;
    bool inGroup = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (IsGroupHeader(lines[i])) {
            inGroup = lines[i].trimmed() == kDefaultsGroup;
            if (inGroup) found.groupEnd = i + 1;
        } else if (inGroup) {
            if (!lines[i].trimmed().isEmpty()) found.groupEnd = i + 1;
            if (lines[i].contains(QLatin1Char('=')) && KeyOf(lines[i]) == mimeType) found.key = i;
        }
    }
    return found;
}

} // namespace

QString DefaultApplication(const QByteArray& list, const QString& mimeType) {
    const QStringList lines = QString::fromUtf8(list).split(QLatin1Char('\n'));
    const KeyLine found = FindKey(lines, mimeType);
    if (found.key < 0) return {};
    const QString value = lines[found.key].section(QLatin1Char('='), 1).trimmed();
    return value.section(QLatin1Char(';'), 0, 0).trimmed();
}

QByteArray WithDefaultApplication(const QByteArray& list, const QString& mimeType,
                                  const QString& desktopId) {
    QStringList lines = QString::fromUtf8(list).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast(); // the final line break
    const QString entry = mimeType + QLatin1Char('=') + desktopId;
    const KeyLine found = FindKey(lines, mimeType);
    if (found.key >= 0)
        lines[found.key] = entry;
    else if (found.groupEnd >= 0)
        lines.insert(found.groupEnd, entry);
    else {
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        if (!lines.isEmpty()) lines.append(QString());
        lines.append(kDefaultsGroup);
        lines.append(entry);
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace shell
