#pragma once
// The start-up step that ties ".TLR" files to the designer in the desktop shell.

#include <QString>

namespace shell {

// Runs once as the main window is created, after the settings are loaded; `recordedPath` is
// the program folder the settings recorded at the last association, updated when the step
// associates again. Failures inside are swallowed: start-up goes on whatever happens here.
// The desktop side (MIME type, .desktop entry) is not written yet, so nothing is tied.
void AssociateDocuments(QString& recordedPath) noexcept;

} // namespace shell
