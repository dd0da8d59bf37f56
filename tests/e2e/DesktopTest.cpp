#include "e2e/DesktopTest.h"

#include <QDir>

#include <iostream>

namespace e2e {
namespace {

QString TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QString::fromLatin1(info->test_suite_name()) + '.' + info->name();
    return name.replace('/', '_');
}

} // namespace

void DesktopTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    session_ = std::make_unique<XSession>(folder_.path());
    if (!session_->HasDisplay()) GTEST_SKIP() << session_->Failure().toStdString();
    ASSERT_TRUE(session_->Failure().isEmpty()) << session_->Failure().toStdString();
    desktop_ = std::make_unique<Desktop>(session_->Environment());
}

// On a failure the screen and what the programs said are kept, so a failure on CI can be read.
void DesktopTest::TearDown() {
    if (HasFailure() && desktop_) {
        Keep(desktop_->Screenshot(), QStringLiteral("at-failure"));
        std::cerr << "Windows at the failure:\n" << desktop_->WindowTree().toStdString();
        for (const auto& program : programs_)
            std::cerr << program->Describe().toStdString() << '\n';
    }
    programs_.clear();
    session_.reset();
}

QString DesktopTest::SettingsFolder() const {
    return session_->Environment().value(QStringLiteral("XDG_CONFIG_HOME")) + "/tallyrune";
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

const QImage& DesktopTest::Keep(const QImage& shot, const QString& name) const {
    const QString folder = QStringLiteral(TALLYRUNE_E2E_SHOTS);
    QDir().mkpath(folder);
    shot.save(folder + '/' + TestName() + '-' + name + ".png");
    return shot;
}

} // namespace e2e
