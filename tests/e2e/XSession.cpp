#include "e2e/XSession.h"

#include "e2e/Poll.h"

#include <QDir>
#include <QFile>

namespace e2e {
namespace {

QProcessEnvironment PrivateEnvironment(const QString& folder) {
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // A sanitized build's settings (leak suppressions) hold for the programs it starts too.
    for (const char* sanitizer : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(sanitizer))
            env.insert(QString::fromLatin1(sanitizer), qEnvironmentVariable(sanitizer));
    const struct {
        const char* variable;
        const char* subfolder;
    } homes[] = {{"HOME", "home"},
                 {"XDG_CONFIG_HOME", "home/.config"},
                 {"XDG_DATA_HOME", "home/.local/share"},
                 {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto& home : homes) {
        const QString path = folder + '/' + home.subfolder;
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QString::fromLatin1(home.variable), path);
    }
    return env;
}

} // namespace

XSession::XSession(const QString& folder) : folder_(folder), env_(PrivateEnvironment(folder)) {
    StartServer();
    if (HasDisplay()) StartWindowManager();
}

XSession::~XSession() {
    windowManager_.reset();
    server_.reset();
}

// Xvfb picks a free display itself and writes its number to -displayfd once it accepts
// connections, so tests running side by side never race for a number.
void XSession::StartServer() {
    server_ =
        std::make_unique<ChildProcess>(QStringLiteral("Xvfb"),
                                       QStringList{"-displayfd", "1", "-screen", "0",
                                                   "1280x1024x24", "-nolisten", "tcp", "-noreset"},
                                       env_, folder_ + "/xvfb");
    Eventually([&] { return !server_->Output().trimmed().isEmpty() || !server_->Running(); });
    const QString number = server_->Output().trimmed();
    if (number.isEmpty() || !server_->Running()) {
        failure_ = "Xvfb did not start: " + server_->StartError() + server_->Errors().trimmed();
        return;
    }
    display_ = ':' + number;
    env_.insert(QStringLiteral("DISPLAY"), display_);
}

// openbox runs its start-up command only once it manages windows: a window mapped earlier, while
// it is still starting, can be left unmanaged and never shown.
void XSession::StartWindowManager() {
    const QString ready = folder_ + "/openbox-ready";
    windowManager_ = std::make_unique<ChildProcess>(
        QStringLiteral("openbox"),
        QStringList{"--sm-disable", "--startup", "touch '" + ready + "'"}, env_,
        folder_ + "/openbox");
    Eventually([&] { return QFile::exists(ready) || !windowManager_->Running(); });
    if (!QFile::exists(ready))
        failure_ = "openbox did not start on " + display_ + ": " + windowManager_->StartError() +
                   windowManager_->Errors();
}

} // namespace e2e
