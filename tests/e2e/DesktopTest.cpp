#include "e2e/DesktopTest.h"

#include "e2e/Readers.h"

#include <QDir>

#include <iostream>

namespace e2e {
namespace {

QString TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QString::fromLatin1(info->test_suite_name()) + '.' + info->name();
    return name.replace('/', '_');
}

QString ShotsFolder() {
    return QStringLiteral(TALLYRUNE_E2E_SHOTS);
}

} // namespace

void DesktopTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    // Pictures of an earlier run of this test would mislead whoever looks at them.
    QDir shots(ShotsFolder());
    for (const QString& old : shots.entryList({TestName() + "-*.png"}, QDir::Files))
        shots.remove(old);
    session_ = std::make_unique<XSession>(folder_.path());
    if (!session_->HasDisplay()) GTEST_SKIP() << session_->Failure().toStdString();
    ASSERT_TRUE(session_->Failure().isEmpty()) << session_->Failure().toStdString();
    desktop_ = std::make_unique<Desktop>(session_->Environment());
}

// On a failure the screen, the windows and what the programs said are kept, so that a failure
// on CI can be read.
void DesktopTest::TearDown() {
    if (HasFailure() && desktop_) {
        Keep(desktop_->Screenshot(), QStringLiteral("at-failure"));
        std::cerr << "Windows at the failure:\n" << desktop_->WindowTree().toStdString() << '\n';
        for (const auto& program : programs_)
            std::cerr << program->Describe().toStdString() << '\n';
    }
    programs_.clear();
    session_.reset();
}

ChildProcess& DesktopTest::Start(const QString& program, const QStringList& args) {
    const QString log = PathOf(QStringLiteral("program-%1").arg(programs_.size()));
    programs_.push_back(
        std::make_unique<ChildProcess>(program, args, session_->Environment(), log));
    return *programs_.back();
}

WindowId DesktopTest::StartDesigner(const QStringList& args) {
    designer_ = &Start(QStringLiteral(TALLYRUNE_GUI), args);
    return desktop_->WaitForWindow(kMainWindow);
}

WindowId DesktopTest::StartDesignerTyping(const QString& text) {
    const WindowId window = StartDesigner();
    return !window.isEmpty() && desktop_->Activate(window) && desktop_->Type(text) ? window
                                                                                   : WindowId();
}

const QImage& DesktopTest::Keep(const QImage& shot, const QString& name) const {
    QDir().mkpath(ShotsFolder());
    shot.save(ShotsFolder() + '/' + TestName() + '-' + name + ".png");
    return shot;
}

::testing::AssertionResult DesktopTest::Shows(const WindowId& window, const std::string& text,
                                              const QString& shotName) const {
    QImage shot;
    const bool shown = Eventually([&] {
        shot = desktop_->Screenshot(window);
        return ReadCode128(shot) == text;
    });
    Keep(shot, shotName);
    if (shown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the window never showed a barcode reading " << text
                                         << "; last read: " << ReadCode128(shot);
}

WindowId DesktopTest::OpenDialog(const WindowId& owner, const QString& keys, const QString& title,
                                 const QString& shotName) const {
    if (!desktop_->Activate(owner) || !desktop_->Key(keys)) return {};
    const WindowId dialog = desktop_->WaitForWindow(title);
    if (dialog.isEmpty() || !desktop_->Activate(dialog)) return {};
    Keep(desktop_->Screenshot(dialog), shotName);
    return dialog;
}

::testing::AssertionResult DesktopTest::Dismiss(const WindowId& dialog, const QString& keys,
                                                const QString& title) const {
    if (!desktop_->Activate(dialog) || !desktop_->Key(keys))
        return ::testing::AssertionFailure() << "could not press " << keys.toStdString();
    if (!desktop_->WaitUntilGone(title))
        return ::testing::AssertionFailure() << title.toStdString() << " stayed open";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult DesktopTest::CloseDesigner(const WindowId& window) {
    if (!desktop_->Close(window, [&] { return !designer_->Running(); }))
        return ::testing::AssertionFailure() << "the designer did not close";
    if (designer_->ExitCode() != 0)
        return ::testing::AssertionFailure() << "exit status " << designer_->ExitCode();
    return ::testing::AssertionSuccess();
}

} // namespace e2e
