#include "ui/DialogPlacement.h"

#include <QDialog>
#include <QLayout>
#include <QWidget>

namespace ui {
namespace {

// Integer division truncates toward zero, as the placement asks.
int Centred(int start, int ownerLength, int dialogLength, Centring how) {
    return how == Centring::HalfEach ? start + ownerLength / 2 - dialogLength / 2
                                     : start + (ownerLength - dialogLength) / 2;
}

} // namespace

QPoint CentredPosition(const QRect& owner, const QSize& dialog, Centring how) {
    return {Centred(owner.left(), owner.width(), dialog.width(), how),
            Centred(owner.top(), owner.height(), dialog.height(), how)};
}

// A window's frame is not known before it is shown, so the dialog's own size stands in for it.
void CentreOver(QWidget& dialog, const QWidget& owner, Centring how) {
    dialog.ensurePolished();
    if (dialog.layout()) dialog.layout()->activate();
    dialog.move(CentredPosition(owner.frameGeometry(), dialog.size(), how));
}

void FixDialogFrame(QDialog& dialog, bool closeBox) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog.setWindowFlags(flags);
    if (dialog.layout()) dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace ui
