#include "app/HelpLinks.h"

#include <QDir>
#include <QFileInfo>

namespace app {

// Beside the program in the build folder; an installation keeps it in <prefix>/share/tallyrune
// beside <prefix>/bin. When neither is there, the page beside the program is asked for anyway.
QUrl HelpPageUrl(const QString& programFolder) {
    const QDir folder(programFolder);
    const QString page = QLatin1String(kHelpPageName);
    const QString beside = folder.filePath(page);
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral("../share/tallyrune/") + page));
    return QUrl::fromLocalFile(
        !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside);
}

QUrl OnlineSupportUrl(const QString& programFolder) {
    return HelpPageUrl(programFolder).resolved(QUrl(QLatin1String(kOnlineSupportAddress)));
}

} // namespace app
