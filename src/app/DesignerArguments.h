#pragma once
// The designer's command line: "tallyrune [--new-instance] [FILE...]".

#include <QString>
#include <QStringList>

namespace app {

inline const QString kNewInstanceOption = QStringLiteral("--new-instance");

struct DesignerArguments {
    bool newInstance = false; // a designer of its own, even when one runs already
    QStringList files;        // absolute, in the order given, so another process can open them
};

DesignerArguments ParseDesignerArguments(const QStringList& arguments);

} // namespace app
