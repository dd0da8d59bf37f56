// The designer's files on a real X server: a file that is no document is refused and left as it
// was, typing right after Ctrl+N lands in the new document's text, and the title carries the
// modified mark until the document is saved.

#include "e2e/DesktopTest.h"
#include "e2e/Readers.h"

#include <QFile>

#include <random>

namespace e2e {
namespace {

const QString kOpenDialog = QStringLiteral("^Load Barcode$");
const QString kSaveDialog = QStringLiteral("^Save Barcode$");
const QString kMessageBox = QStringLiteral("^Tallyrune$");
const QString kMainTitle = QStringLiteral("Tallyrune v3.1");

class FilesEndToEnd : public DesktopTest {
  protected:
    // Chooses `path` in the file dialog named `title` that `keys` open in the main window.
    ::testing::AssertionResult ChooseFile(const WindowId& window, const QString& keys,
                                          const QString& title, const QString& path) {
        const WindowId dialog = OpenDialog(window, keys, title, QStringLiteral("file-dialog"));
        if (dialog.isEmpty())
            return ::testing::AssertionFailure() << keys.toStdString() << " opened no dialog";
        if (!desktop().Paste(path)) return ::testing::AssertionFailure() << "no paste";
        return Dismiss(dialog, QStringLiteral("Return"), title);
    }
    // Waits until the window's name is `name`.
    ::testing::AssertionResult Named(const WindowId& window, const QString& name) const {
        QString seen;
        if (Eventually([&] { return (seen = desktop().Name(window)) == name; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the window is named " << seen.toStdString();
    }
};

TEST_F(FilesEndToEnd, RandomBytesAreRefusedAndTheFileKept) {
    const QString path = PathOf(QStringLiteral("garbage.tlr"));
    std::mt19937 rng(11);
    QByteArray garbage;
    while (garbage.size() < 3072)
        garbage += static_cast<char>(rng());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();

    const WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ASSERT_TRUE(ChooseFile(window, QStringLiteral("ctrl+o"), kOpenDialog, path));
    const WindowId message = desktop().WaitForWindow(kMessageBox);
    ASSERT_FALSE(message.isEmpty()) << "no message box: " << desktop().WindowTree().toStdString();
    Keep(desktop().Screenshot(), QStringLiteral("refused"));
    EXPECT_TRUE(Dismiss(message, QStringLiteral("Return"), kMessageBox));
    EXPECT_TRUE(Named(window, kMainTitle)) << "nothing was opened, nothing changed";
    EXPECT_EQ(FileBytes(path), garbage);
}

// The focus was elsewhere before Ctrl+N: the new document's text box takes it.
TEST_F(FilesEndToEnd, TypingRightAfterCtrlNLandsInTheTextBox) {
    const WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ASSERT_TRUE(desktop().Activate(window));
    ASSERT_TRUE(desktop().Key(QStringLiteral("Tab ctrl+n")));
    ASSERT_TRUE(desktop().Type(QStringLiteral("AFTER-N 5")));
    EXPECT_TRUE(Shows(window, "AFTER-N 5", QStringLiteral("after-ctrl-n")));
}

TEST_F(FilesEndToEnd, TheTitleCarriesTheModifiedMarkUntilSaved) {
    const WindowId window = StartDesignerTyping(QStringLiteral("MARK 9"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    EXPECT_TRUE(Named(window, kMainTitle + '*'));
    Keep(desktop().Screenshot(window), QStringLiteral("modified"));
    const QString path = PathOf(QStringLiteral("mark.tlr"));
    ASSERT_TRUE(ChooseFile(window, QStringLiteral("ctrl+s"), kSaveDialog, path));
    EXPECT_TRUE(Eventually([&] { return FileBytes(path).contains("TEXT=MARK 9\r\n"); }));
    EXPECT_TRUE(Named(window, kMainTitle));
    Keep(desktop().Screenshot(window), QStringLiteral("saved"));
}

} // namespace
} // namespace e2e
