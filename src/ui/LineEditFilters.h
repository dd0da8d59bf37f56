#pragma once
// Event filters for the main window's line edits: the window's shortcuts win over an edit's
// own use of the same keys, and a number box drops the characters it does not take.

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QChar;

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

// Discards typed printable characters that `accepts` refuses; editing keys pass.
class TypedCharacterFilter : public QObject {
  public:
    TypedCharacterFilter(std::function<bool(QChar)> accepts, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<bool(QChar)> accepts_;
};

} // namespace ui
