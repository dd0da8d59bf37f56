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

CliRun RunCli(const QStringList& args,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

} // namespace testing_support
