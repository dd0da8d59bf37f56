#include "app/DesignerArguments.h"

#include <QDir>
#include <QFileInfo>

namespace app {

DesignerArguments ParseDesignerArguments(const QStringList& arguments) {
    DesignerArguments parsed;
    for (const QString& argument : arguments) {
        if (argument == kNewInstanceOption)
            parsed.newInstance = true;
        else if (!argument.isEmpty())
            parsed.files.append(QDir::cleanPath(QFileInfo(argument).absoluteFilePath()));
    }
    return parsed;
}

} // namespace app
