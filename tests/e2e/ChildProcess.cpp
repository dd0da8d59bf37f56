#include "e2e/ChildProcess.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/prctl.h>

namespace e2e {
namespace {

constexpr int kStopPatienceMs = 5000;

// The child gets SIGTERM when the test process ends in any way, so no X server outlives it.
void DieWithParent(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

} // namespace

ChildProcess::ChildProcess(const QString& program, const QStringList& args,
                           const QProcessEnvironment& env, const QString& logBase)
    : logBase_(logBase) {
    process_.setProcessEnvironment(env);
    // Started from its home, as from a desktop: file dialogs open there, not in the build folder.
    process_.setWorkingDirectory(env.value(QStringLiteral("HOME"), QDir::homePath()));
    process_.setStandardOutputFile(logBase + ".out");
    process_.setStandardErrorFile(logBase + ".err");
    DieWithParent(process_);
    process_.start(program, args);
    process_.waitForStarted();
}

ChildProcess::~ChildProcess() {
    Stop();
}

bool ChildProcess::Running() {
    // Without an event loop QProcess learns of an exit only when asked to wait.
    if (process_.state() == QProcess::Running) process_.waitForFinished(0);
    return process_.state() != QProcess::NotRunning;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds deadline) {
    return !Running() || process_.waitForFinished(static_cast<int>(deadline.count()));
}

QString ChildProcess::StartError() const {
    return process_.error() == QProcess::FailedToStart ? process_.errorString() : QString();
}

QString ChildProcess::Output() const {
    return ReadText(logBase_ + ".out");
}

QString ChildProcess::Errors() const {
    return ReadText(logBase_ + ".err");
}

QString ChildProcess::Describe() {
    const QString state = Running() ? QStringLiteral("running")
                          : !StartError().isEmpty()
                              ? "not started: " + StartError()
                              : QStringLiteral("ended with %1").arg(process_.exitCode());
    return process_.program() + " (" + state + "):\n" + Errors();
}

void ChildProcess::Stop() {
    if (!Running()) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopPatienceMs)) {
        process_.kill();
        process_.waitForFinished(kStopPatienceMs);
    }
}

CommandResult RunCommand(const QString& program, const QStringList& args,
                         const QProcessEnvironment& env, std::chrono::milliseconds deadline,
                         const QByteArray& input) {
    QProcess process;
    process.setProcessEnvironment(env);
    DieWithParent(process);
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    CommandResult result;
    result.finished = process.waitForFinished(static_cast<int>(deadline.count()));
    if (!result.finished) {
        process.kill();
        process.waitForFinished(kStopPatienceMs);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace e2e
