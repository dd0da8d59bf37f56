#include "app/DocumentPaths.h"

#include <QFileInfo>

namespace app {

bool HasDocumentExtension(const QString& path) {
    return path.endsWith(QLatin1String(".tlr"), Qt::CaseInsensitive);
}

QString CommandLineDocument(const QStringList& arguments) {
    if (arguments.isEmpty() || !HasDocumentExtension(arguments.front())) return {};
    return arguments.front();
}

QString FirstDroppedDocument(const QStringList& paths) {
    for (const QString& path : paths)
        if (QFileInfo(path).isFile() && HasDocumentExtension(path)) return path;
    return {};
}

} // namespace app
