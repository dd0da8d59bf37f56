#pragma once
// The fixture of the end-to-end tests: each test gets its own X session (Xvfb and openbox), a
// private home, the desktop tools, and the programs it starts, all stopped when it ends; and the
// steps a user takes with the designer. A test is skipped only when no X server can be started
// on this machine at all.

#include "e2e/ChildProcess.h"
#include "e2e/Desktop.h"
#include "e2e/XSession.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    const Desktop& desktop() const { return *desktop_; }
    // A path in the test's own folder.
    QString PathOf(const QString& name) const { return folder_.filePath(name); }

    // What the programs of the session get; SetEnvironment changes it for those started next.
    const QProcessEnvironment& Environment() const { return session_->Environment(); }
    void SetEnvironment(const QString& name, const QString& value) {
        session_->SetVariable(name, value);
    }
    // Starts a program in the session; it is stopped when the test ends.
    ChildProcess& Start(const QString& program, const QStringList& args = {});
    // Starts the built designer with `args` and waits for its main window.
    WindowId StartDesigner(const QStringList& args = {});
    // Starts the designer and types `text` into its text box, which has the focus at start;
    // empty when the main window did not come or could not be typed into.
    WindowId StartDesignerTyping(const QString& text);
    ChildProcess& Designer() { return *designer_; }

    // Keeps the picture under the build folder's e2e-shots/, named after the test and `name`,
    // for people to look at; returns it.
    const QImage& Keep(const QImage& shot, const QString& name) const;

    // Waits until the window shows a Code 128 symbol that reads as `text`; keeps the screenshot.
    ::testing::AssertionResult Shows(const WindowId& window, const std::string& text,
                                     const QString& shotName) const;
    // Presses `keys` (xdotool key names, blank-separated) in `owner` and waits for the window
    // whose name matches `title`; keeps its picture as `shotName`. Empty when none came.
    WindowId OpenDialog(const WindowId& owner, const QString& keys, const QString& title,
                        const QString& shotName) const;
    // Presses `keys` in the dialog and waits until no window matches `title`.
    ::testing::AssertionResult Dismiss(const WindowId& dialog, const QString& keys,
                                       const QString& title) const;
    // Closes the main window as a user does (the window manager's close) and waits for the
    // program to end.
    ::testing::AssertionResult CloseDesigner(const WindowId& window);

  private:
    QTemporaryDir folder_;
    std::unique_ptr<XSession> session_;
    std::unique_ptr<Desktop> desktop_;
    std::vector<std::unique_ptr<ChildProcess>> programs_;
    ChildProcess* designer_ = nullptr;
};

// The designer's main window, by its caption.
inline const QString kMainWindow = QStringLiteral("^Tallyrune v3\\.1");

} // namespace e2e
