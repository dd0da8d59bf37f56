#pragma once
// A private desktop for one test: an Xvfb server on a display number of its own, openbox on it
// so that focus and dialog placement behave as on a user's desktop, and a private home
// (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_RUNTIME_DIR) under the test's folder. Both servers
// are stopped by the PIDs started here, also when the test fails or is killed.

#include "e2e/ChildProcess.h"

#include <QProcessEnvironment>
#include <QString>

#include <memory>

namespace e2e {

class XSession {
  public:
    explicit XSession(const QString& folder);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // False when no X server could be started at all (the tests then skip); `Failure` says why.
    bool HasDisplay() const { return !display_.isEmpty(); }
    // Empty when the desktop is ready: X server and window manager both running.
    const QString& Failure() const { return failure_; }
    // What every program of the session gets: the display, the private home, a fixed locale.
    const QProcessEnvironment& Environment() const { return env_; }
    // For the programs started from now on: another locale, a session bus.
    void SetVariable(const QString& name, const QString& value) { env_.insert(name, value); }
    const QString& Folder() const { return folder_; }

  private:
    void StartServer();
    void StartWindowManager();

    QString folder_;
    QString display_;
    QString failure_;
    QProcessEnvironment env_;
    std::unique_ptr<ChildProcess> server_;
    std::unique_ptr<ChildProcess> windowManager_;
};

} // namespace e2e
