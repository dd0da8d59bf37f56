#pragma once
// What a user does on the desktop, done through the X tools: find windows by name, focus them,
// type and press keys (xdotool), drag with the mouse, take screenshots (ImageMagick's import)
// and read the clipboard (xclip). Every call has a deadline; none waits on the clock.

#include "e2e/Poll.h"

#include <QImage>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace e2e {

// An X window id as xdotool prints it (decimal); empty for none.
using WindowId = QString;

class Desktop {
  public:
    explicit Desktop(QProcessEnvironment env) : env_(std::move(env)) {}

    // The first visible window whose name matches the regular expression, once one appears.
    WindowId WaitForWindow(const QString& namePattern,
                           std::chrono::milliseconds deadline = kPatience) const;
    // The same, among the windows of the process `pid` only.
    WindowId WaitForWindowOf(qint64 pid, const QString& namePattern) const;
    // True once no visible window matches the pattern.
    bool WaitUntilGone(const QString& namePattern) const;
    // The window's name (its title) as the window manager reads it.
    QString Name(const WindowId& window) const;
    // The window's position and size on the screen (client area, without the frame).
    QRect Geometry(const WindowId& window) const;

    // Raises and focuses the window and waits until the window manager says it is active and
    // it has the keyboard focus.
    bool Activate(const WindowId& window) const;
    // The window the window manager has made active; empty for none.
    WindowId ActiveWindow() const;
    // Iconifies the window and waits until it is no longer shown.
    bool Minimize(const WindowId& window) const;
    // Closes the window as a user does, with the window manager's Alt+F4, until `closed` holds.
    // The press is repeated while nothing happens: on a loaded machine openbox can lose one
    // that comes just after an activation.
    bool Close(const WindowId& window, const std::function<bool()>& closed) const;
    bool Type(const QString& text) const;
    // Puts the text on the clipboard and pastes it with Ctrl+V. Into a box that completes file
    // names (Qt's file and printer dialogs) a path is pasted, not typed: a completion list that
    // pops up while the letters arrive takes the Return meant for the dialog.
    bool Paste(const QString& text) const;
    // xdotool key names separated by blanks, pressed one after the other, e.g. "ctrl+s",
    // "alt+o s", "Tab Tab space".
    bool Key(const QString& keys) const;
    bool MoveAndResize(const WindowId& window, const QRect& bounds) const;
    // A left click at a point of the window, counted from its top left corner.
    bool Click(const WindowId& window, const QPoint& at) const;
    // Presses the left button in the middle of `from` and moves a little until `started` says
    // the drag has begun; then moves straight to the middle of `to`, so that no window on the
    // way can take the drop, waits there (nudging the pointer) until `accepted` says the target
    // would take it, and releases the button.
    bool Drag(const WindowId& from, const WindowId& to, const std::function<bool()>& started,
              const std::function<bool()>& accepted) const;

    // The screen, or one window of it, as it is shown now; a null image when it cannot be taken.
    QImage Screenshot(const WindowId& window = QStringLiteral("root")) const;
    // Every window on the screen with its name, size and place (xwininfo), for failure reports.
    QString WindowTree() const;
    // The clipboard's formats (TARGETS) or its content in one of them.
    QByteArray Clipboard(const QString& target = QStringLiteral("TARGETS")) const;

  private:
    bool Xdotool(const QStringList& args) const;
    QString XdotoolOutput(const QStringList& args) const;
    bool MovePointer(const QPoint& to) const;

    QProcessEnvironment env_;
};

} // namespace e2e
