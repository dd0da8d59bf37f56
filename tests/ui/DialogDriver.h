#pragma once
// Driving modal dialogs in tests: a dialog runs its own event loop, so the test's steps run from
// a timer inside it. Every wait polls with a deadline; none sleeps a fixed time.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "support/QtPrint.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace ui {
struct AppState;
}

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

// While it lives, `onPaint` runs each time a widget named `objectName` is about to paint, which
// shows that the event loop turned and the window was redrawn.
class PaintWatcher : public QObject {
  public:
    PaintWatcher(QString objectName, std::function<void(QWidget&)> onPaint);
    ~PaintWatcher() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString objectName_;
    std::function<void(QWidget&)> onPaint_;
};

// Turns the event loop until `condition` holds or 10 s have passed; true when it holds.
bool WaitFor(const std::function<bool()>& condition);

// Shows `window`, makes it the active window and waits until it is; false when it never is.
bool ShowActive(QWidget& window);

// Types `text` over the box's contents (all selected first), then leaves it with Tab.
void TypeAndLeave(QWidget& box, const QString& text);
// Puts the focus into `box`, types `text` over its contents unless none is given, then leaves
// it for `next` as a click there would.
void TypeAndClick(QWidget& box, const std::optional<QString>& text, QWidget& next);

// Chooses `path` in the file dialog `chooser` and confirms it, as typing the name and Return do.
void ChooseFileIn(QWidget& chooser, const QString& path);

// A number as this machine's locale writes it: "0.25" or "0,25".
QString LocalNumber(const char* number);

// While it lives, the settings store (the registry) is a private folder's.
class PrivateSettingsStore {
  public:
    PrivateSettingsStore();
    ~PrivateSettingsStore();
    PrivateSettingsStore(const PrivateSettingsStore&) = delete;
    PrivateSettingsStore& operator=(const PrivateSettingsStore&) = delete;

  private:
    QTemporaryDir folder_;
    QByteArray saved_;
};

// The selected printer writes `pdf` on Letter paper at 600 dpi with no border (5100 × 6600
// dots); the metrics and the current sheet's layout are read from it.
void UseLetterPdf(ui::AppState& state, const QString& pdf);

// The child of `window` named `name`, failing the test when there is none.
template <class T> T* Child(const QWidget& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no " << name << " in " << window.objectName().toStdString();
    return child;
}

} // namespace dialog_testing
