#include "ui/Centring.h"

#include <QWidget>

namespace ui {

QPoint CentredOver(const QRect& owner, const QSize& dialog) {
    return {owner.left() + owner.width() / 2 - dialog.width() / 2,
            owner.top() + owner.height() / 2 - dialog.height() / 2};
}

QPoint PrintDialogPosition(const QRect& owner, const QSize& dialog) {
    return {owner.left() + (owner.width() - dialog.width()) / 2,
            owner.top() + (owner.height() - dialog.height()) / 2};
}

void CentreOver(QWidget& dialog, const QWidget& owner) {
    dialog.move(CentredOver(owner.frameGeometry(), dialog.frameGeometry().size()));
}

} // namespace ui
