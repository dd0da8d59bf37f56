#pragma once
// Driving modal dialogs in tests: a dialog runs its own event loop, so the test's steps run from
// a timer inside it. Every wait polls with a deadline; none sleeps a fixed time.

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace dialog_testing {

// Runs `action` with the next modal window named `objectName` once it is the active modal
// window (within 10 s; the test fails otherwise).
void WhenModal(const QString& objectName, std::function<void(QWidget&)> action);

// While it lives, every message box that opens is closed with OK and its text kept.
class MessageCatcher {
  public:
    MessageCatcher();
    const QStringList& Texts() const { return texts_; }

  private:
    QTimer timer_;
    QStringList texts_;
};

// Turns the event loop until `condition` holds or 10 s have passed; true when it holds.
bool WaitFor(const std::function<bool()>& condition);

// Shows `window`, makes it the active window and waits until it is; false when it never is.
bool ShowActive(QWidget& window);

// The child of `window` named `name`, failing the test when there is none.
template <class T> T* Child(const QWidget& window, const char* name);

// Leaves `box` with Tab after typing `text` over its contents (select all, then type).
void TypeAndLeave(QWidget& box, const QString& text);

} // namespace dialog_testing

#include <QWidget>
#include <gtest/gtest.h>

template <class T> T* dialog_testing::Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no " << name << " in " << window.objectName().toStdString();
    return child;
}
