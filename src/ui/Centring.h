#pragma once
// Where the main window's dialogs open: centred over their owner's outer bounds, each half
// truncated toward zero as the designer always placed them.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// Export, label settings and sequence settings: owner top + owner height / 2 − dialog
// height / 2, and likewise across.
QPoint CentredOver(const QRect& owner, const QSize& dialog);

// The print dialog: owner top + (owner height − dialog height) / 2, and likewise across.
QPoint PrintDialogPosition(const QRect& owner, const QSize& dialog);

// Moves `dialog` to CentredOver its owner's frame.
void CentreOver(QWidget& dialog, const QWidget& owner);

} // namespace ui
