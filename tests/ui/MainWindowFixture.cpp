#include "MainWindowFixture.h"

#include "platform/NumberFormat.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace testing_support {

QString Local(const char* number) {
    return QString::fromLatin1(number).replace(QLatin1Char('.'),
                                               platform::LocaleDecimalSeparator());
}

bool WaitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(5);
    }
    return true;
}

ModalAnswers::ModalAnswers(std::deque<std::function<void(QWidget&)>> answers)
    : answers_(std::move(answers)) {
    auto* timer = new QTimer;
    timer_.reset(timer);
    QObject::connect(timer, &QTimer::timeout, timer, [this] { Poll(); });
    timer->start(5);
}

ModalAnswers::~ModalAnswers() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " dialog(s) never came";
}

void ModalAnswers::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (answers_.empty() || !modal || modal == last_ || !modal->isVisible()) return;
    last_ = modal;
    const auto answer = std::move(answers_.front());
    answers_.pop_front();
    ++answered_;
    answer(*modal);
}

std::function<void(QWidget&)> ChooseFile(const QString& path) {
    return [path](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr) << modal.metaObject()->className();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // as the dialog's own button does
    };
}

std::function<void(QWidget&)> CancelDialog() {
    return [](QWidget& modal) { static_cast<QDialog&>(modal).reject(); };
}

std::function<void(QWidget&)> ClickButton(const QString& objectName) {
    return [objectName](QWidget& modal) {
        auto* button = modal.findChild<QPushButton*>(objectName);
        ASSERT_NE(button, nullptr) << objectName.toStdString();
        button->click();
    };
}

std::function<void(QWidget&)> ClickStandard(int standardButton) {
    return [standardButton](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        box->button(static_cast<QMessageBox::StandardButton>(standardButton))->click();
    };
}

void MainWindowTest::SetUp() {
    folder = std::make_unique<QTemporaryDir>();
    config = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(folder->isValid() && config->isValid());
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    // A dialog that nobody answers within 5 s is a failure, closed so the tests go on.
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
            ADD_FAILURE() << "unanswered dialog: " << modal->windowTitle().toStdString();
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
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
}

ui::TFMain& MainWindowTest::Start(const QStringList& arguments) {
    state = std::make_unique<app::AppState>();
    window = std::make_unique<ui::TFMain>(*state, arguments);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

void MainWindowTest::Type(QWidget& control, const QString& text) {
    control.setFocus();
    QTest::keyClicks(&control, text);
}

} // namespace testing_support
