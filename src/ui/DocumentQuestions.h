#pragma once
// The standard dialogs around document files: "Load Barcode", "Save Barcode" (which asks before
// replacing a file other than the document's own), and the question before a modified document
// closes.

#include <QString>

class QWidget;

namespace ui {

// Qt's own dialogs, the same on every desktop (object names LoadBarcodeDialog,
// SaveBarcodeDialog, ReplaceQuestion and SaveChangesQuestion).

// The chosen existing file, or empty when cancelled. `folder` is where the dialog starts.
QString AskOpenPath(QWidget* parent, const QString& folder);

// The chosen path ("tlr" added when no extension is typed), or empty when cancelled.
// `proposed` is the document's file name; choosing another file that exists asks first.
QString AskSavePath(QWidget* parent, const QString& folder, const QString& proposed);

enum class CloseAnswer { Save, DontSave, Cancel };

// "Save changes to NAME?"
CloseAnswer AskSaveChanges(QWidget* parent, const QString& name);

} // namespace ui
