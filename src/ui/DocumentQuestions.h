#pragma once
// The standard dialogs around files: "Load Barcode", "Save Barcode" (which asks before replacing
// a file other than the document's own), the question before any file is replaced, and the
// question before a modified document closes.

#include "app/BarcodeDocument.h"

#include <QString>

#include <optional>

class QWidget;

namespace ui {

// Qt's own dialogs, the same on every desktop (object names LoadBarcodeDialog,
// SaveBarcodeDialog, ReplaceQuestion and SaveChangesQuestion).

// "<path> already exists. Do you want to replace it?" (object name ReplaceQuestion); No is the
// default.
bool MayReplace(QWidget* parent, const QString& path);

// The chosen existing file, or empty when cancelled. `folder` is where the dialog starts.
QString AskOpenPath(QWidget* parent, const QString& folder);

// The chosen path ("tlr" added when no extension is typed), or empty when cancelled.
// `proposed` is the document's file name; choosing another file that exists asks first.
QString AskSavePath(QWidget* parent, const QString& folder, const QString& proposed);

enum class CloseAnswer { Save, DontSave, Cancel };

// "Save changes to NAME?"
CloseAnswer AskSaveChanges(QWidget* parent, const QString& name);

// The document's file was changed by another program (`message` says how): take the file's
// sequence number, write over it (only when `mayOverwrite`: saving, not printing), or none when
// cancelled.
std::optional<app::DiskChange> AskDiskChange(QWidget* parent, const QString& message,
                                             bool mayOverwrite);

} // namespace ui
