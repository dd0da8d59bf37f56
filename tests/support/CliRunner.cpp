#include "support/CliRunner.h"

#include <QProcess>

namespace testing_support {

CliRun RunCli(const QStringList& args, const QProcessEnvironment& environment,
              const QStringList& through) {
    QProcess process;
    process.setProcessEnvironment(environment);
    const QStringList command = through + QStringList{QStringLiteral(TALLYRUNE_CLI)} + args;
    process.start(command.front(), command.mid(1));
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace testing_support
