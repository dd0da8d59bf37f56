#pragma once
// A dialog taller or wider than the screen would put its buttons out of reach (a small laptop
// screen, or twice the scale): its body then scrolls, and its button row stays in view.

#include <QSize>

class QDialog;

namespace ui {

// When the dialog's size exceeds `room`, everything in its main layout but the last item (the
// button row) moves into a scroll area, and the dialog takes at most `room`. Nothing changes
// for a dialog that fits.
void KeepWithin(QDialog& dialog, QSize room);

// KeepWithin the available area of the dialog's screen, less a margin for the window frame.
void KeepWithinScreen(QDialog& dialog);

} // namespace ui
