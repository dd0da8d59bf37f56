#pragma once
// One designer per user and display: the first designer listens on a local socket, and a later
// one hands its files to it over that socket and ends. A socket file left by a designer that
// died answers nobody and is replaced.

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace shell {

// The socket of this user's designer on this display ($DISPLAY, else $WAYLAND_DISPLAY), in
// $XDG_RUNTIME_DIR when that is set, else in the temporary folder.
QString InstanceChannelName();

enum class StartMode {
    Shared,   // hand the files to the designer listening, if there is one
    Separate, // a designer of its own (--new-instance), listening only when nobody else does
};

enum class InstanceRole {
    Listening,  // this designer is the one later designers hand their files to
    HandedOver, // a running designer took the files: this one has nothing left to do
    Alone,      // no socket could be had: this designer runs on its own
};

class InstanceChannel : public QObject {
    Q_OBJECT

  public:
    explicit InstanceChannel(QString name = InstanceChannelName(), QObject* parent = nullptr);
    ~InstanceChannel() override;

    // Shared: hands `paths` to the designer listening, or else becomes the one that listens.
    // Separate: becomes the one that listens when nobody does.
    InstanceRole Claim(StartMode mode, const QStringList& paths = {});
    // True once the listening designer has taken `paths` (possibly none).
    bool HandOver(const QStringList& paths) const;
    // Listens on the socket; false while another designer answers on it.
    bool Listen();

  signals:
    // Paths handed over by a later designer, in the order it named them.
    void handedOver(const QStringList& paths);

  private:
    void Accept();
    void Receive(QLocalSocket& socket);

    QString name_;
    QLocalServer* server_;
};

} // namespace shell
