#pragma once
// The main window's shortcuts win over a line edit's own use of the same keys.

#include <QList>
#include <QObject>

class QAction;

namespace ui {

// A line edit claims Ctrl+C, Ctrl+V, Ctrl+X and the like for itself (ShortcutOverride) before
// any shortcut sees them. Installed on an edit, this lets the keys of `actions` go to the
// actions instead, whatever the edit would have done with them.
class ActionShortcutsFirst : public QObject {
  public:
    ActionShortcutsFirst(QList<QAction*> actions, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QAction*> actions_;
};

} // namespace ui
