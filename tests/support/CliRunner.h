#pragma once
// Runs tallyrune-cli as a user does and keeps what it said.

#include <QByteArray>
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

// Runs tallyrune-cli with `input` on its standard input, a pipe closed after it.
CliRun RunCliWithInput(const QStringList& args, const QByteArray& input);

// Runs tallyrune-cli where no allocation gets more than `megabytes`: under an address-space
// limit, or, under AddressSanitizer, whose shadow memory alone needs terabytes of address
// space, with the sanitizer's own allocation limit, failed allocations returning null.
CliRun RunCliWithMemoryLimit(const QStringList& args, int megabytes);

} // namespace testing_support
