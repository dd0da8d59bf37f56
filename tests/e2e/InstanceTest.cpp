// One designer per display: a later start hands its document to the running designer and ends,
// while designers started with --new-instance run side by side and keep each other's Recent
// Files.

#include "e2e/DesktopTest.h"
#include "e2e/Readers.h"

#include "app/AppSettings.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace e2e {
namespace {

class InstanceEndToEnd : public DesktopTest {
  protected:
    // What the session's settings store keeps as Recent Files.
    QStringList StoredRecentFiles() const {
        platform::Registry registry(PathOf(QStringLiteral("home/.config/tallyrune")));
        app::AppSettings settings;
        settings.Load(registry, QString());
        return settings.Recent.Paths();
    }
};

// A Code 128 document whose picture reads as `text`.
::testing::AssertionResult WriteDocument(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes =
        "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.6\r\nTYPE=0\r\nTEXT=" + text.toLatin1() + "\r\n";
    if (QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
        file.write(bytes) == bytes.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "could not write " << path.toStdString();
}

TEST_F(InstanceEndToEnd, ALaterStartHandsItsDocumentToTheRunningDesigner) {
    const QString first = PathOf(QStringLiteral("first.tlr"));
    const QString later = PathOf(QStringLiteral("shelf labels/Étagère 2.tlr"));
    ASSERT_TRUE(WriteDocument(first, QStringLiteral("FIRST-1")));
    ASSERT_TRUE(WriteDocument(later, QStringLiteral("LATER-2")));
    const WindowId window = StartDesigner({first});
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ASSERT_TRUE(Shows(window, "FIRST-1", QStringLiteral("first")));
    // Put away, so that coming forward is the hand-over's doing.
    ASSERT_TRUE(desktop().Minimize(window));

    ChildProcess& second = Start(QStringLiteral(TALLYRUNE_GUI), {later});
    ASSERT_TRUE(second.WaitForExit(kPatience)) << "the second start did not end";
    EXPECT_EQ(second.ExitCode(), 0);
    QImage shot;
    EXPECT_TRUE(Eventually([&] {
        shot = desktop().Screenshot(window);
        return ReadEveryCode128(shot) == std::vector<std::string>{"FIRST-1", "LATER-2"};
    })) << "the designer shows "
        << ::testing::PrintToString(ReadEveryCode128(shot));
    Keep(shot, QStringLiteral("handed-over"));
    EXPECT_TRUE(Eventually([&] { return desktop().ActiveWindow() == window; }))
        << "the designer did not come forward";
    ASSERT_TRUE(Designer().Running());

    // Both documents were opened by the one designer: its Recent Files name them, the later first.
    ASSERT_TRUE(CloseDesigner(window));
    EXPECT_EQ(StoredRecentFiles(), (QStringList{later, first}));
}

TEST_F(InstanceEndToEnd, NewInstanceDesignersKeepEachOthersRecentFiles) {
    const QString names[] = {PathOf(QStringLiteral("one.tlr")), PathOf(QStringLiteral("two.tlr"))};
    struct Running {
        ChildProcess* program;
        WindowId window;
    };
    std::vector<Running> designers;
    for (const QString& name : names) {
        ASSERT_TRUE(WriteDocument(name, QFileInfo(name).baseName().toUpper()));
        ChildProcess& program =
            Start(QStringLiteral(TALLYRUNE_GUI), {QStringLiteral("--new-instance"), name});
        designers.push_back({&program, desktop().WaitForWindowOf(program.Pid(), kMainWindow)});
        ASSERT_FALSE(designers.back().window.isEmpty()) << "no window for " << name.toStdString();
    }
    for (const Running& designer : designers) {
        ASSERT_TRUE(desktop().Close(designer.window, [&] { return !designer.program->Running(); }));
        EXPECT_EQ(designer.program->ExitCode(), 0);
    }
    EXPECT_EQ(StoredRecentFiles(), (QStringList{names[1], names[0]}));
}

} // namespace
} // namespace e2e
