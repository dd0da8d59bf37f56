#pragma once
// The start-up step that ties ".TLR" files to the designer in the desktop shell: the program's
// file type in HKEY_CLASSES_ROOT, and the same tie made real on the freedesktop desktop.

#include "shell/FileAssociate.h"

#include <QString>

#include <memory>

namespace shell {

// The program's own description: type key "Tallyrune", "Tallyrune document", the program file
// as icon file (icon 0) and in the "Open" command `<program> "%1"`, QuickView on, ShowInNew
// off. `owner` (the application object) owns it until the caller releases it.
std::unique_ptr<TFileAssociate> CreateFileAssociation(const QString& programPath,
                                                      RegistrySource registry = {},
                                                      QObject* owner = nullptr);

// The folder part of a program path, with its trailing "/".
QString ProgramFolder(const QString& programPath);

// The registry side of the start-up step, on an association made by CreateFileAssociation:
// the type key when missing, then ".TLR" when not yet tied to the program or when the program
// runs from another folder than `recordedPath` names, which then records the folder. Registry
// failures propagate.
void AssociateDocuments(TFileAssociate& association, QString& recordedPath);

// Runs once as the main window is created, after the settings are loaded; `recordedPath` is
// the setting Path, stored with the other settings at program end. The desktop side follows
// every association written, and is checked once on a start that writes none. Failures inside
// are swallowed: start-up goes on whatever happens here.
void AssociateDocuments(QString& recordedPath) noexcept;

} // namespace shell
