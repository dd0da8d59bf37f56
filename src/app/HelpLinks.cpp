#include "app/HelpLinks.h"

#include <QDir>

namespace app {

QUrl HelpPageUrl(const QString& programFolder) {
    return QUrl::fromLocalFile(QDir(programFolder).filePath(QLatin1String(kHelpPageName)));
}

QUrl OnlineSupportUrl(const QString& programFolder) {
    return HelpPageUrl(programFolder).resolved(QUrl(QLatin1String(kOnlineSupportAddress)));
}

} // namespace app
