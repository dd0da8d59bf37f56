#pragma once
// Names for the controls of Qt's own dialogs that a screen reader would announce without one.
// The font dialog labels each of its columns (font, style, size) once, above an edit box and a
// list, and its sample box has only a group title; the print preview's zoom and page boxes and
// its pages have no label at all.

class QFontDialog;
class QPrintPreviewDialog;

namespace ui {

void NameFontDialogControls(QFontDialog& dialog);
void NamePreviewDialogControls(QPrintPreviewDialog& dialog);

} // namespace ui
