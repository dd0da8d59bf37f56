#pragma once
// The real main window on the offscreen platform with a private settings store, its controls
// reached by object name. Modal dialogs are answered with the dialog drivers (WhenModal).

#include "DialogDriver.h"
#include "ui/AppState.h"
#include "ui/TFMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace window_testing {

// Stands in for the desktop's browser: keeps the addresses it is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
  public slots:
    void Open(const QUrl& url) { opened.append(url); }

  public:
    QList<QUrl> opened;
};

// A window's title as shown: Qt's "[*]" is "*" while the window is marked modified, else nothing.
QString ShownTitle(const QWidget& window);

// Clicks the push button named `objectName` in the modal window it is handed.
std::function<void(QWidget&)> Click(const QString& objectName);

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A main window started with `arguments`, shown and active, its first document made.
    ui::TFMain& Start(const QStringList& arguments = {});
    // Closes the window as the user would (settings saved) and forgets it.
    void Close();

    template <class T> T& Control(const char* name) {
        return *dialog_testing::Child<T>(*window, name);
    }
    QLineEdit& Edit(const char* name) { return Control<QLineEdit>(name); }
    QComboBox& List(const char* name) { return Control<QComboBox>(name); }
    QAction& Action(const char* name) { return *window->findChild<QAction*>(name); }
    QString Panel(int index);
    // Types into a control that takes the focus first, as the user would.
    void Type(QWidget& control, const QString& text);
    app::BarcodeDocument& Document() { return *window->ActiveDocument(); }
    QString Caption() { return ShownTitle(*window->ActiveWindow()); }
    QString Path(const QString& name) const { return folder->filePath(name); }

    // Made afresh by each SetUp, so that the cases of a table start alike.
    std::unique_ptr<QTemporaryDir> folder; // the test's files
    std::unique_ptr<dialog_testing::PrivateSettingsStore> store;
    std::unique_ptr<ui::AppState> state;
    std::unique_ptr<ui::TFMain> window;

  private:
    std::unique_ptr<QObject> strayDialogs_; // fails the test instead of hanging it
};

} // namespace window_testing
