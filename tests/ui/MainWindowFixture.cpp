#include "MainWindowFixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace window_testing {

std::function<void(QWidget&)> Click(const QString& objectName) {
    return [objectName](QWidget& modal) {
        auto* button = modal.findChild<QPushButton*>(objectName);
        ASSERT_NE(button, nullptr) << objectName.toStdString();
        button->click();
    };
}

void MainWindowTest::SetUp() {
    folder = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(folder->isValid());
    store = std::make_unique<dialog_testing::PrivateSettingsStore>();
    // A dialog nobody answers within 5 s is a failure, closed so that the tests go on.
    auto* watchdog = new QTimer;
    strayDialogs_.reset(watchdog);
    auto since = std::make_shared<QDeadlineTimer>(QDeadlineTimer::Forever);
    auto seen = std::make_shared<QPointer<QWidget>>();
    QObject::connect(watchdog, &QTimer::timeout, watchdog, [since, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen->data()) {
            *seen = modal;
            *since = QDeadlineTimer(5000);
        } else if (modal && since->hasExpired()) {
            ADD_FAILURE() << "unanswered dialog " << modal->objectName().toStdString();
            modal->close();
        }
    });
    watchdog->start(50);
}

void MainWindowTest::TearDown() {
    if (window) {
        for (ui::TFBarcode* document : window->DocumentWindows())
            document->Document().ClearModified(); // nothing to ask at the end of a test
        window->close();
    }
    window.reset();
    state.reset();
    strayDialogs_.reset();
    store.reset();
}

ui::TFMain& MainWindowTest::Start(const QStringList& arguments) {
    state = std::make_unique<ui::AppState>();
    window = std::make_unique<ui::TFMain>(*state, arguments);
    EXPECT_TRUE(dialog_testing::ShowActive(*window));
    EXPECT_NE(window->ActiveDocument(), nullptr);
    return *window;
}

void MainWindowTest::Close() {
    EXPECT_TRUE(window->close());
    window.reset();
    state.reset();
}

QString MainWindowTest::Panel(int index) {
    return Control<QLabel>(index == 0 ? "StatusPanel0" : "StatusPanel1").text();
}

QString ShownTitle(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         window.isWindowModified() ? QStringLiteral("*") : QString());
}

void MainWindowTest::Type(QWidget& control, const QString& text) {
    control.setFocus();
    QTest::keyClicks(&control, text);
}

} // namespace window_testing
