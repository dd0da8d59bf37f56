#pragma once
// Which paths the designer opens as documents: a first command-line argument and dropped files
// are opened only when they name a ".TLR" file (any letter case).

#include <QString>
#include <QStringList>

namespace app {

// Whether the path ends in the extension ".TLR", in any letter case.
bool HasDocumentExtension(const QString& path);

// The first argument when it has the document extension, else empty; later arguments are
// ignored.
QString CommandLineDocument(const QStringList& arguments);

// The first dropped path that is an existing file (not a folder) with the document extension,
// else empty. This system has no short file names, so a path is its own long form.
QString FirstDroppedDocument(const QStringList& paths);

} // namespace app
