#include "ui/DocumentArea.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace ui {
namespace {

constexpr QSize kLogoSize(200, 200); // in the area's own (logical) pixels

} // namespace

DocumentArea::DocumentArea(QWidget* parent)
    : QMdiArea(parent), logoArt_(QStringLiteral(":/logo.svg")) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// Drawn from the vector art at the screen's device pixel ratio, so it stays sharp.
const QPixmap& DocumentArea::Logo(qreal devicePixelRatio) {
    if (logo_.isNull() || logo_.devicePixelRatio() != devicePixelRatio) {
        logo_ = QPixmap((QSizeF(kLogoSize) * devicePixelRatio).toSize());
        logo_.setDevicePixelRatio(devicePixelRatio);
        logo_.fill(Qt::transparent);
        QPainter painter(&logo_);
        logoArt_.render(&painter, QRectF(QPointF(0, 0), QSizeF(kLogoSize)));
    }
    return logo_;
}

void DocumentArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event); // the workspace background
    QPainter painter(viewport());
    const QSize area = viewport()->size();
    painter.drawPixmap((area.width() - kLogoSize.width()) / 2,
                       (area.height() - kLogoSize.height()) / 2,
                       Logo(viewport()->devicePixelRatioF()));
}

// The logo stays centred: the whole area is drawn again after any resize or scroll.
void DocumentArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    viewport()->update();
}

void DocumentArea::scrollContentsBy(int dx, int dy) {
    QMdiArea::scrollContentsBy(dx, dy);
    viewport()->update();
}

void DocumentArea::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->globalPos());
}

} // namespace ui
