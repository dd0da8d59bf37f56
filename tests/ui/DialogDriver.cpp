#include "DialogDriver.h"

#include "app/AppState.h"
#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

namespace dialog_testing {
namespace {

constexpr int kDeadlineMs = 10000;
constexpr int kPollMs = 10;

} // namespace

void WhenModal(const QString& objectName, std::function<void(QWidget&)> action) {
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(kDeadlineMs);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName && modal->isVisible()) {
            timer->deleteLater();
            timer->stop();
            modal->activateWindow(); // no window manager does it offscreen
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            action(*modal);
        } else if (deadline->hasExpired()) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal window " << objectName.toStdString() << " appeared";
        }
    });
    timer->start(kPollMs);
}

MessageCatcher::MessageCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        texts_ << box->text();
        box->done(QMessageBox::Ok);
        // A window manager gives the focus back to the box's owner; offscreen nothing does.
        if (QWidget* owner = box->parentWidget()) owner->window()->activateWindow();
    });
    timer_.start(kPollMs);
}

bool WaitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(kDeadlineMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(kPollMs);
    }
    return true;
}

bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

namespace {

void TypeOver(QWidget& box, const QString& text) {
    box.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else
        QTest::keyClicks(&box, text);
}

} // namespace

void TypeAndLeave(QWidget& box, const QString& text) {
    TypeOver(box, text);
    QTest::keyClick(&box, Qt::Key_Tab);
}

void TypeAndClick(QWidget& box, const std::optional<QString>& text, QWidget& next) {
    box.setFocus(Qt::MouseFocusReason);
    if (text) TypeOver(box, *text);
    next.setFocus(Qt::MouseFocusReason);
}

void UseLetterPdf(app::AppState& state, const QString& pdf) {
    print::SetUpPdfPrinter(state.Printer, pdf, print::Paper::Letter, 600);
    print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                 state.Settings.Printing.PrintScale);
}

} // namespace dialog_testing
