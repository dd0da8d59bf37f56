#pragma once
// Runs tallyrune-cli as a user does and keeps what it said.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace testing_support {

struct CliRun {
    int exitCode = -1; // -1 when it crashed or did not finish
    QString out;
    QString err;
};

// `through`, when given, is a program and its arguments that start the CLI (setpriv, prlimit).
CliRun RunCli(const QStringList& args,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
              const QStringList& through = {});

} // namespace testing_support
