#include "ui/ScreenFit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace ui {
namespace {

// The title bar and borders that a window manager adds around the dialog.
constexpr QSize kFrame{16, 48};

// Moves every item but the last out of `main` into a new widget's layout, reparenting widgets.
QWidget* TakeBody(QBoxLayout& main) {
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    while (main.count() > 1) {
        QLayoutItem* item = main.takeAt(0);
        if (QWidget* widget = item->widget()) {
            layout->addWidget(widget);
            delete item;
        } else if (QLayout* inner = item->layout()) {
            layout->addLayout(inner);
        } else {
            layout->addItem(item);
        }
    }
    return body;
}

} // namespace

void KeepWithin(QDialog& dialog, QSize room) {
    auto* main = qobject_cast<QBoxLayout*>(dialog.layout());
    if (!main || main->count() < 2) return;
    const QSize wanted = dialog.sizeHint();
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) return;
    QWidget* body = TakeBody(*main);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName(QStringLiteral("BodyScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    main->insertWidget(0, scroll, 1);
    main->setSizeConstraint(QLayout::SetDefaultConstraint);
    const int bar = scroll->verticalScrollBar()->sizeHint().width();
    dialog.setMaximumSize(room);
    dialog.resize(std::min(wanted.width() + bar, room.width()),
                  std::min(wanted.height() + bar, room.height()));
}

void KeepWithinScreen(QDialog& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (screen) KeepWithin(dialog, screen->availableGeometry().size() - kFrame);
}

} // namespace ui
