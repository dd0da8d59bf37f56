#include "shell/InstanceChannel.h"

#include "platform/Errors.h"
#include "platform/FileLock.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <unistd.h>

#include <optional>

namespace shell {
namespace {

constexpr quint32 kMagic = 0x544C5231; // "TLR1": what a designer of this build sends
constexpr char kTaken = 'T';
constexpr int kConnectMs = 2000;
// A designer that has just come to listen answers once its window is up: on a loaded machine
// that takes seconds. One that does not answer by then is taken for hung.
constexpr int kAnswerMs = 15000;

QString DisplayName() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) return qEnvironmentVariable("WAYLAND_DISPLAY");
    // ":0" and ":0.0" are the same server.
    const qsizetype screen = display.lastIndexOf('.');
    if (screen > display.lastIndexOf(':')) display.truncate(screen);
    return display;
}

// Starts of designers take turns, so that of several started at once (a file manager opening
// many files) exactly one comes to listen and the others find it. Where no lock file can be
// made, starts go without one.
std::optional<platform::FileLock> TakeTurn(const QString& name) {
    const QString path = name + QStringLiteral(".lock");
    QFile file(path);
    if (!file.open(QIODevice::Append)) return std::nullopt;
    try {
        return platform::FileLock(path, platform::LockWait::Wait);
    } catch (const platform::Failure&) {
        return std::nullopt;
    }
}

} // namespace

QString InstanceChannelName() {
    QString name = QStringLiteral("tallyrune-%1-%2").arg(::getuid()).arg(DisplayName());
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return (QDir(runtime).exists() && !runtime.isEmpty() ? runtime : QDir::tempPath()) + '/' + name;
}

InstanceChannel::InstanceChannel(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)), server_(new QLocalServer(this)) {
    // No access options: with them Qt binds elsewhere and renames the socket over one that a
    // running designer listens on. $XDG_RUNTIME_DIR is the user's alone anyway.
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::Accept);
}

InstanceChannel::~InstanceChannel() = default;

InstanceRole InstanceChannel::Claim(StartMode mode, const QStringList& paths) {
    const auto turn = TakeTurn(name_);
    if (mode == StartMode::Shared && HandOver(paths)) return InstanceRole::HandedOver;
    return Listen() ? InstanceRole::Listening : InstanceRole::Alone;
}

bool InstanceChannel::HandOver(const QStringList& paths) const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectMs)) return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << paths;
    socket.write(message);
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    while (socket.bytesAvailable() == 0)
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}

bool InstanceChannel::Listen() {
    if (server_->listen(name_)) return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectMs)) return false;
    // Nobody answers: the socket file of a designer that died.
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void InstanceChannel::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Receive(*socket); });
        if (socket->bytesAvailable() > 0) Receive(*socket);
    }
}

// The sender learns that its files are taken before they open, so it ends without waiting on
// documents being loaded or on a message box about one.
void InstanceChannel::Receive(QLocalSocket& socket) {
    QDataStream in(&socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    quint32 magic = 0;
    QStringList paths;
    in >> magic >> paths;
    if (!in.commitTransaction() && in.status() == QDataStream::ReadPastEnd)
        return; // the rest is still on its way
    if (in.status() != QDataStream::Ok || magic != kMagic) {
        socket.abort();
        return;
    }
    socket.putChar(kTaken);
    socket.flush();
    emit handedOver(paths);
}

} // namespace shell
