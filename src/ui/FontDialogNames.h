#pragma once
// Qt's font dialog labels each of its columns (font, style, size) once, above an edit box and a
// list, and gives its sample box only a group title: screen readers would announce those
// controls without a name. This names them with the words shown beside them, and the sample box
// as such.

class QFontDialog;

namespace ui {

void NameFontDialogControls(QFontDialog& dialog);

} // namespace ui
