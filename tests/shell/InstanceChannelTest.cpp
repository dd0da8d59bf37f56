#include "shell/InstanceChannel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>
#include <optional>

namespace {

using shell::InstanceChannel;
using shell::InstanceRole;
using shell::StartMode;

// A socket file as a designer that died leaves it: bound, then closed without being removed.
bool LeaveStaleSocket(const QString& name) {
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path)) return false;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) ::close(fd);
    return bound && QFile::exists(name);
}

// A later designer's start runs on a thread of its own, since it waits for the answer that this
// thread's event loop (the running designer's) gives.
InstanceRole ClaimBeside(const QString& name, StartMode mode, const QStringList& paths) {
    QFuture<InstanceRole> role = QtConcurrent::run([=] {
        InstanceChannel later(name);
        return later.Claim(mode, paths);
    });
    const QDeadlineTimer deadline(30000);
    while (!role.isFinished() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    role.waitForFinished();
    return role.result();
}

class InstanceChannelTest : public ::testing::Test {
  protected:
    QString Name() const { return folder_.filePath(QStringLiteral("designer")); }
    // The running designer, and what was handed to it.
    void StartFirst(StartMode mode = StartMode::Shared) {
        first_ = std::make_unique<InstanceChannel>(Name());
        ASSERT_EQ(first_->Claim(mode), InstanceRole::Listening);
        QObject::connect(first_.get(), &InstanceChannel::handedOver,
                         [this](const QStringList& paths) { received_.append(paths); });
    }

    QTemporaryDir folder_;
    std::unique_ptr<InstanceChannel> first_;
    QList<QStringList> received_;
};

TEST_F(InstanceChannelTest, HandedOverFilesArriveInOrder) {
    const struct {
        const char* what;
        QStringList paths;
    } cases[] = {
        {"in the order named", {"/labels/2.tlr", "/labels/1.tlr", "/labels/3.TLR"}},
        {"spaces and letters beyond ASCII",
         {"/home/Jürgen/Étiquettes du stock/shelf 7.tlr", "/srv/ラベル/箱 1.tlr"}},
        {"none: the window only comes forward", {}},
    };
    StartFirst();
    for (const auto& c : cases) {
        received_.clear();
        EXPECT_EQ(ClaimBeside(Name(), StartMode::Shared, c.paths), InstanceRole::HandedOver)
            << c.what;
        EXPECT_EQ(received_, QList<QStringList>{c.paths}) << c.what;
    }
}

// Each start with what it finds on the socket: nobody, a running designer, or the socket file
// of one that died.
TEST_F(InstanceChannelTest, EachStartTakesItsRole) {
    enum class Found { Nobody, Designer, StaleSocket };
    const struct {
        const char* what;
        Found found;
        StartMode mode;
        InstanceRole role;
    } cases[] = {
        {"first designer", Found::Nobody, StartMode::Shared, InstanceRole::Listening},
        {"later designer", Found::Designer, StartMode::Shared, InstanceRole::HandedOver},
        {"after a crash", Found::StaleSocket, StartMode::Shared, InstanceRole::Listening},
        {"--new-instance first", Found::Nobody, StartMode::Separate, InstanceRole::Listening},
        {"--new-instance later", Found::Designer, StartMode::Separate, InstanceRole::Alone},
        {"--new-instance after a crash", Found::StaleSocket, StartMode::Separate,
         InstanceRole::Listening},
    };
    const QStringList paths = {"/labels/a.tlr"};
    for (const auto& c : cases) {
        first_.reset();
        received_.clear();
        QFile::remove(Name());
        if (c.found == Found::Designer) StartFirst();
        if (c.found == Found::StaleSocket) {
            ASSERT_TRUE(LeaveStaleSocket(Name())) << c.what;
        }

        InstanceChannel later(Name());
        const InstanceRole role = c.found == Found::Designer ? ClaimBeside(Name(), c.mode, paths)
                                                             : later.Claim(c.mode, paths);
        EXPECT_EQ(role, c.role) << c.what;
        const QList<QStringList> expected =
            c.role == InstanceRole::HandedOver ? QList<QStringList>{paths} : QList<QStringList>{};
        EXPECT_EQ(received_, expected) << c.what;
        // A designer that came to listen takes what the next one hands over.
        if (role == InstanceRole::Listening) {
            QStringList taken;
            QObject::connect(&later, &InstanceChannel::handedOver,
                             [&](const QStringList& handed) { taken = handed; });
            EXPECT_EQ(ClaimBeside(Name(), StartMode::Shared, paths), InstanceRole::HandedOver)
                << c.what;
            EXPECT_EQ(taken, paths) << c.what;
        }
    }
}

} // namespace
