#include "ui/ActionShortcutsFirst.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

namespace ui {
namespace {

QKeySequence SequenceOf(const QKeyEvent& key) {
    return QKeySequence(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
}

} // namespace

ActionShortcutsFirst::ActionShortcutsFirst(QList<QAction*> actions, QObject* parent)
    : QObject(parent), actions_(std::move(actions)) {}

bool ActionShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
    const QKeySequence pressed = SequenceOf(static_cast<const QKeyEvent&>(*event));
    const bool ours = std::any_of(actions_.begin(), actions_.end(), [&](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
    if (!ours) return false;
    event->ignore(); // not overridden: the shortcut fires
    return true;
}

} // namespace ui
