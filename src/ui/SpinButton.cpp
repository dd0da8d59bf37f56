#include "ui/SpinButton.h"
#include "ui/MessageBoxes.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ui {
namespace {

// Out of the tab order, as the keyboard types the number into the box beside; named for screen
// readers all the same.
QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name,
                         const QString& accessibleName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(ArrowButton(this, Qt::UpArrow, "UpButton", tr("Up"))),
      down_(ArrowButton(this, Qt::DownArrow, "DownButton", tr("Down"))) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ConnectCommand(up_, &QToolButton::clicked, this, &SpinButton::upClick);
    ConnectCommand(down_, &QToolButton::clicked, this, &SpinButton::downClick);
}

} // namespace ui
