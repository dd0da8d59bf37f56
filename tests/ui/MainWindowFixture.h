#pragma once
// The real main window on the offscreen platform, with its own settings folder, and helpers to
// reach its controls by object name, answer its modal dialogs and wait for conditions.

#include "app/AppState.h"
#include "ui/TFMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace testing_support {

// A number text written with a point, as the window shows and reads it under the system's
// decimal separator.
QString Local(const char* number);

// Polls `condition` while events run, until it holds or 10 s have passed.
bool WaitFor(const std::function<bool()>& condition);

// Answers the modal dialogs the code under test opens, one function per dialog in order, each
// called once its dialog is the active modal widget.
class ModalAnswers {
  public:
    explicit ModalAnswers(std::deque<std::function<void(QWidget&)>> answers);
    ~ModalAnswers(); // fails the test when a dialog expected did not come
    int Answered() const { return answered_; }

  private:
    void Poll();
    std::deque<std::function<void(QWidget&)>> answers_;
    QPointer<QWidget> last_;
    int answered_ = 0;
    std::unique_ptr<QObject> timer_;
};

// Stands in for the desktop's browser: keeps the addresses it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public slots:
    void Open(const QUrl& url) { opened.append(url); }

  public:
    QList<QUrl> opened;
};

// Answers for the standard dialogs.
std::function<void(QWidget&)> ChooseFile(const QString& path);
std::function<void(QWidget&)> CancelDialog();
std::function<void(QWidget&)> ClickButton(const QString& objectName);
std::function<void(QWidget&)> ClickStandard(int standardButton); // a QMessageBox::StandardButton

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A main window started with `arguments`, shown and active, its first document made.
    ui::TFMain& Start(const QStringList& arguments = {});
    // Closes the window as the user would (settings saved) and forgets it.
    void Close();

    template <class T> T& Control(const char* name) {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
    QLineEdit& Edit(const char* name) { return Control<QLineEdit>(name); }
    QComboBox& List(const char* name) { return Control<QComboBox>(name); }
    QAction& Action(const char* name) { return Control<QAction>(name); }
    QString Panel(int index);
    // Types into a control that takes the focus first, as the user would.
    void Type(QWidget& control, const QString& text);
    app::BarcodeDocument& Document() { return *window->ActiveDocument(); }
    QString Caption() { return window->ActiveWindow()->windowTitle(); }
    QString Path(const QString& name) const { return folder->filePath(name); }

    // Made afresh by each SetUp, so that a table's cases start alike.
    std::unique_ptr<QTemporaryDir> folder; // files of the test
    std::unique_ptr<QTemporaryDir> config; // XDG_CONFIG_HOME
    std::unique_ptr<app::AppState> state;
    std::unique_ptr<ui::TFMain> window;

  private:
    QByteArray savedConfigHome_;
    std::unique_ptr<QObject> strayDialogs_; // fails the test instead of hanging it
};

} // namespace testing_support
