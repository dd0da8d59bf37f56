#pragma once
// Where a dialog opens over its owner, and the frame it opens in.

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QWidget;

namespace ui {

// HalfEach: owner top + owner height / 2 - dialog height / 2 (left likewise), each half
// truncated. HalfDifference: owner top + (owner height - dialog height) / 2, as the print dialog
// places itself; the two differ by a pixel when the owner's size is even and the dialog's odd.
enum class Centring { HalfEach, HalfDifference };

QPoint CentredPosition(const QRect& owner, const QSize& dialog, Centring how);

// Moves `dialog`'s frame to the centred position over `owner`'s frame. The dialog is laid out
// first, so its size is the one it opens with.
void CentreOver(QWidget& dialog, const QWidget& owner, Centring how = Centring::HalfEach);

// A dialog of the size its layout gives, with a title and (when `closeBox`) a close box only:
// no minimise or maximise buttons, which window managers add to any resizable window.
void FixDialogFrame(QDialog& dialog, bool closeBox = true);

} // namespace ui
