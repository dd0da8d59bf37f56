#pragma once
// A program the end-to-end tests start: it dies with the test (even when the test is killed on a
// timeout) and is stopped by its own PID when its holder goes. Its output goes to files, so a
// chatty program never blocks on a full pipe while the test waits for something else.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>

namespace e2e {

class ChildProcess {
  public:
    // Output goes to `logBase`.out and `logBase`.err.
    ChildProcess(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                 const QString& logBase);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    // Why it could not be started ("No such file or directory"), or empty.
    QString StartError() const;
    qint64 Pid() const { return process_.processId(); }
    // Waits for the program to end by itself; false when it still runs at the deadline.
    bool WaitForExit(std::chrono::milliseconds deadline);
    int ExitCode() const { return process_.exitCode(); }
    // Everything it wrote to stdout up to now.
    QString Output() const;
    // Everything it wrote to stderr up to now, for failure messages.
    QString Errors() const;
    // The program, whether it runs or how it ended, and what it wrote to stderr.
    QString Describe();
    // SIGTERM, then SIGKILL when it does not end soon.
    void Stop();

  private:
    QProcess process_;
    QString logBase_;
};

struct CommandResult {
    bool finished = false; // false when it ran past its deadline and was killed
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool Ok() const { return finished && exitCode == 0; }
    // stdout as text, without surrounding blanks.
    QString Text() const { return QString::fromUtf8(out).trimmed(); }
};

// Runs a short command to its end, killing it at the deadline; `input` is its stdin.
CommandResult RunCommand(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, std::chrono::milliseconds deadline,
                         const QByteArray& input = {});

} // namespace e2e
