#pragma once
// The open and save file dialogs the dialogs ask names with.

#include <QString>

#include <optional>

class QWidget;

namespace ui {

struct FileChoice {
    const char* objectName;
    QString title{};
    QString filter{};        // Qt's form: "Label Format (*.fmt);;..."
    QString defaultSuffix{}; // without the dot
    bool save = false;       // else an existing file is opened
    bool confirmOverwrite = false;
    QString proposedName{}; // the name the dialog starts with
};

// The chosen path, or nothing when the user cancelled. Qt's own dialog, the same on every
// desktop; it starts in `folder` unless the proposed name has one (empty: the current folder).
std::optional<QString> ChooseFile(QWidget* parent, const FileChoice& choice,
                                  const QString& folder = QString());

// A filter given as "description|pattern|description|pattern" in Qt's form; each description
// already names its pattern in brackets.
QString QtFilter(const QString& barSeparated);

} // namespace ui
