#include "support/CliRunner.h"

#include <QProcess>
#include <QRegularExpression>

namespace testing_support {

namespace {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TALLYRUNE_ADDRESS_SANITIZER
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define TALLYRUNE_ADDRESS_SANITIZER
#endif

// `input`, when given, is written to the program's standard input, which is then closed.
CliRun Run(const QStringList& command, const QProcessEnvironment& environment,
           const QByteArray* input = nullptr) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(command.front(), command.mid(1));
    if (input) {
        process.write(*input);
        process.closeWriteChannel();
    }
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

CliRun RunCli(const QStringList& args, const QProcessEnvironment& environment,
              const QStringList& through) {
    return Run(through + QStringList{QStringLiteral(TALLYRUNE_CLI)} + args, environment);
}

CliRun RunCliWithInput(const QStringList& args, const QByteArray& input) {
    return Run(QStringList{QStringLiteral(TALLYRUNE_CLI)} + args,
               QProcessEnvironment::systemEnvironment(), &input);
}

CliRun RunCliWithMemoryLimit(const QStringList& args, int megabytes) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef TALLYRUNE_ADDRESS_SANITIZER
    const QString options = environment.value("ASAN_OPTIONS");
    environment.insert("ASAN_OPTIONS", options + (options.isEmpty() ? "" : ":") +
                                           "allocator_may_return_null=1:max_allocation_size_mb=" +
                                           QString::number(megabytes));
    CliRun run = Run(QStringList{QStringLiteral(TALLYRUNE_CLI)} + args, environment);
    // The sanitizer's notice of the refused allocation, beside the program's own message.
    static const QRegularExpression notice(
        "^==\\d+==WARNING: AddressSanitizer failed to allocate 0x[0-9a-f]+ bytes\n",
        QRegularExpression::MultilineOption);
    run.err.remove(notice);
    return run;
#else
    const QString limit = QString("--as=%1").arg(qint64(megabytes) * 1000 * 1000);
    return RunCli(args, environment, {QStringLiteral("prlimit"), limit});
#endif
}

} // namespace testing_support
