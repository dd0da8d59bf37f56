#include "DialogDriver.h"

#include "ui/AppState.h"
#include "platform/NumberFormat.h"
#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

namespace dialog_testing {
namespace {

constexpr int kDeadlineMs = 10000;
constexpr int kPollMs = 10;

// A dialog the test's steps left open would keep the test waiting for ever: it is closed, and
// the test fails.
void CloseIfLeftOpen(QWidget* modal, const QString& objectName) {
    QTimer::singleShot(kDeadlineMs, modal, [modal, objectName] {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog || !dialog->isVisible()) return;
        ADD_FAILURE() << objectName.toStdString() << " was left open";
        dialog->reject();
    });
}

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
            CloseIfLeftOpen(modal, objectName);
        } else if (deadline->hasExpired()) {
            timer->deleteLater();
            timer->stop();
            ADD_FAILURE() << "no modal window " << objectName.toStdString() << " appeared; "
                          << (modal ? modal->objectName().toStdString() : "none") << " is";
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
    });
    timer_.start(kPollMs);
}

PaintWatcher::PaintWatcher(QString objectName, std::function<void(QWidget&)> onPaint)
    : objectName_(std::move(objectName)), onPaint_(std::move(onPaint)) {
    qApp->installEventFilter(this);
}

PaintWatcher::~PaintWatcher() {
    qApp->removeEventFilter(this);
}

bool PaintWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        watched->objectName() == objectName_)
        onPaint_(*static_cast<QWidget*>(watched));
    return false;
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

// A message box that closed leaves its owner inactive offscreen: focus moves only in an
// active window.
void Activate(QWidget& window) {
    if (window.isActiveWindow()) return;
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void TypeOver(QWidget& box, const QString& text) {
    Activate(*box.window());
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
    Activate(*box.window());
    box.setFocus(Qt::MouseFocusReason);
    if (text) TypeOver(box, *text);
    next.setFocus(Qt::MouseFocusReason);
}

// Qt's own dialog takes a typed full path; selectFile() would race with its folder's loading.
void ChooseFileIn(QWidget& chooser, const QString& path) {
    auto* files = qobject_cast<QFileDialog*>(&chooser);
    ASSERT_NE(files, nullptr) << chooser.objectName().toStdString() << " is no file dialog";
    auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(files)->accept(); // QFileDialog's own accept reads the typed name
    EXPECT_FALSE(files->isVisible()) << path.toStdString() << " was not taken";
}

QString LocalNumber(const char* number) {
    return QString::fromLatin1(number).replace('.', platform::LocaleDecimalSeparator());
}

PrivateSettingsStore::PrivateSettingsStore() : saved_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path()));
}

PrivateSettingsStore::~PrivateSettingsStore() {
    qputenv("XDG_CONFIG_HOME", saved_);
}

void UseLetterPdf(ui::AppState& state, const QString& pdf) {
    print::SetUpPdfPrinter(state.Printer, pdf, print::Paper::Letter, 600);
    print::RefreshPrinterMetrics(state.Printer, state.Settings.Labels, state.Metrics,
                                 state.Settings.Printing.PrintScale);
}

} // namespace dialog_testing
