#include "ui/ExitWatcher.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace ui {
namespace {

bool LeavesForAnotherWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

void ExitWatcher::Watch(QLineEdit* box, Handler onExit) {
    handlers_[box] = std::move(onExit);
    box->installEventFilter(this);
}

// A closed window's boxes lose the focus as the window goes: that is no exit (its other
// controls may be gone already).
bool ExitWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || returning_) return false;
    if (LeavesForAnotherWindow(static_cast<QFocusEvent*>(event)->reason())) return false;
    if (!static_cast<QWidget*>(watched)->window()->isVisible()) return false;
    const auto found = handlers_.find(watched);
    if (found == handlers_.end() || found->second()) return false;
    returning_ = true;
    static_cast<QLineEdit*>(watched)->setFocus(Qt::OtherFocusReason);
    returning_ = false;
    return false;
}

} // namespace ui
