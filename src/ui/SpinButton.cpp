#include "ui/SpinButton.h"
#include "ui/MessageBoxes.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace ui {
namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(ArrowButton(this, Qt::UpArrow, "UpButton")),
      down_(ArrowButton(this, Qt::DownArrow, "DownButton")) {
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
