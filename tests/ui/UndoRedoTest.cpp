// The Edit menu's Undo and Redo: they step the active document's history, the toolbar and the
// title's mark follow, and the text box takes back its own typing first.

#include "MainWindowFixture.h"

#include <QMdiArea>
#include <QTest>

namespace window_testing {
namespace {

struct StepRow {
    QKeyCombination keys; // pressed in the text box
    const char* text;     // the document's after them, also shown in the text box
    int rotation;         // the document's, also shown in cbRotate
    bool modified;
};

TEST_F(MainWindowTest, UndoAndRedoStepTheActiveDocumentAndTheToolbarFollows) {
    Start();
    ui::TFBarcode* first = window->ActiveWindow();
    List("cbRotate").setCurrentIndex(1);
    Action("acNew").trigger(); // another document, with a history of its own
    EXPECT_FALSE(Action("acUndo").isEnabled());
    Control<QMdiArea>("mdiArea").setActiveSubWindow(first);
    std::chrono::steady_clock::time_point now;
    Document().SetClock([&now] { return now; });
    Type(Edit("eText"), "X");
    now += app::kEditPause; // two steps of typing
    Type(Edit("eText"), "AB");
    const QKeyCombination undo = Qt::CTRL | Qt::Key_Z;
    const StepRow rows[] = {
        {undo, "", 1, true}, // the box's own undo, all it remembers, into the last step
        {undo, "X", 1, true},
        {undo, "", 1, true},
        {undo, "", 0, false},
        {Qt::CTRL | Qt::Key_Y, "", 1, true},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "X", 1, true},
        {Qt::CTRL | Qt::Key_Y, "", 1, true},
    };
    for (const StepRow& row : rows) {
        SCOPED_TRACE(&row - rows);
        QTest::keyClick(&Edit("eText"), row.keys.key(), row.keys.keyboardModifiers());
        EXPECT_EQ(Document().BarcodeText(), row.text);
        EXPECT_EQ(Edit("eText").text(), row.text);
        EXPECT_EQ(Document().Rotation(), row.rotation);
        EXPECT_EQ(List("cbRotate").currentIndex(), row.rotation);
        EXPECT_EQ(window->isWindowModified(), row.modified);
    }
    EXPECT_FALSE(Action("acRedo").isEnabled());
    Action("acUndo").trigger(); // the menu's item is the same command
    EXPECT_EQ(Document().BarcodeText(), "X");
}

} // namespace
} // namespace window_testing
