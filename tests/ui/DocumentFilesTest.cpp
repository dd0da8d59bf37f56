// The main window and its document files: a file that is no document is refused whichever way
// it comes, values out of range are brought in with a note, the text box takes the focus for a
// new or opened document, and the document's title carries the modified mark.

#include "MainWindowFixture.h"
#include "app/ToolbarRules.h"
#include "support/TestFiles.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <functional>

namespace window_testing {
namespace {

using dialog_testing::ChooseFileIn;
using dialog_testing::MessageCatcher;
using dialog_testing::WhenModal;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

void Drop(QWidget& target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
}

struct OpenWay {
    const char* what;
    std::function<void(const QString& path)> open; // none: the path is on the command line
};

TEST_F(MainWindowTest, RandomBytesAreRefusedWhicheverWayTheyOpen) {
    const OpenWay ways[] = {
        {"Open",
         [this](const QString& path) {
             WhenModal("LoadBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, path); });
             Action("acOpen").trigger();
         }},
        {"dropped", [this](const QString& path) { Drop(*window, path); }},
        {"Recent Files",
         [this](const QString& path) {
             const QByteArray garbage = ReadBytes(path);
             WriteBytes(path, "[BARCODE]\r\nTEXT=GOOD\r\n");
             window->OpenDocument(path);
             Action("acNew").trigger();
             WriteBytes(path, garbage); // listed as a document, now random bytes
             window->findChild<QMenu*>("mnRecentFiles")->actions().first()->trigger();
         }},
        {"command line", nullptr},
    };
    for (const OpenWay& way : ways) {
        SCOPED_TRACE(way.what);
        const QString path = Path("garbage.tlr");
        const QByteArray garbage = testing_support::RandomBytes(3072, 3);
        WriteBytes(path, garbage);
        MessageCatcher messages;
        Start(way.open ? QStringList{} : QStringList{path});
        if (way.open) way.open(path);
        EXPECT_EQ(messages.Texts().value(0), "garbage.tlr is not a Tallyrune document");
        EXPECT_EQ(window->DocumentWindows().size(), QString(way.what) == "Recent Files" ? 2 : 1);
        EXPECT_NE(Document().FileName(), path) << "Save would write over it";
        EXPECT_EQ(ReadBytes(path), garbage);
        if (QString(way.what) != "Recent Files") {
            EXPECT_FALSE(state->Settings.Recent.Paths().contains(path));
        }
        TearDown();
        SetUp();
    }
}

TEST_F(MainWindowTest, ValuesOutOfRangeAreBroughtInWithANote) {
    WriteBytes(Path("label.tlr"),
               "[BARCODE]\r\nTYPE=99\r\nHEIGHT=-5\r\nSCALE=1000\r\nTEXT=ABC\r\n");
    MessageCatcher messages;
    Start();
    window->OpenDocument(Path("label.tlr"));
    EXPECT_EQ(messages.Texts(),
              QStringList{"label.tlr: TYPE=99 is not a barcode type: Code 128 is used; HEIGHT=-5 "
                          "is not a bar height of at least 0.001 in (0.00254 cm): 1 in is used; "
                          "SCALE=1000 is beyond 10: 10 is used"});
    EXPECT_EQ(List("cbBarcodeType").currentText(), "Code 128");
    EXPECT_EQ(List("cbScale").currentIndex(), 9);
    EXPECT_EQ(Edit("eHeight").text(), app::FormatSize(1.0, platform::LocaleDecimalSeparator()));
    EXPECT_EQ(Edit("eText").text(), "ABC");
    EXPECT_TRUE(state->Settings.Recent.Paths().contains(Path("label.tlr")));
    EXPECT_FALSE(Document().Modified()) << "what was opened is what the file now stands for";
}

// Typing right after New or Open goes into the document's text.
TEST_F(MainWindowTest, TheTextBoxTakesTheFocusForANewOrOpenedDocument) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Ctrl+N", [this] { QTest::keyClick(&Edit("eHeight"), Qt::Key_N, Qt::ControlModifier); }},
        {"Open", [this] { window->OpenDocument(Path("a.tlr")); }},
    };
    WriteBytes(Path("a.tlr"), "[BARCODE]\r\nTEXT=\r\n");
    Start();
    for (const auto& [what, open] : ways) {
        Type(Edit("eText"), "OLD"); // the next document gets a window of its own
        Edit("eHeight").setFocus();
        open();
        ASSERT_EQ(QApplication::focusWidget(), &Edit("eText")) << what;
        QTest::keyClicks(QApplication::focusWidget(), "TYPED");
        EXPECT_EQ(Document().BarcodeText(), "TYPED") << what;
    }
}

// Any change the file keeps marks the document's title and the main window's; saving clears
// both. Save stays enabled either way.
TEST_F(MainWindowTest, ChangesMarkTheTitleUntilSaved) {
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"text", [this] { Type(Edit("eText"), "X"); }},
        {"scale", [this] { List("cbScale").setCurrentIndex(2); }},
        {"type", [this] { List("cbBarcodeType").setCurrentIndex(3); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        Start();
        EXPECT_EQ(Caption(), "barcode_1");
        change();
        EXPECT_EQ(Caption(), "barcode_1*");
        EXPECT_EQ(ShownTitle(*window), "Tallyrune v3.1*");
        EXPECT_TRUE(Action("acSave").isEnabled());
        WhenModal("SaveBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("saved.tlr")); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(Caption(), "saved.tlr");
        EXPECT_EQ(ShownTitle(*window), "Tallyrune v3.1");
        EXPECT_TRUE(Action("acSave").isEnabled());
        TearDown();
        SetUp();
    }
}

} // namespace
} // namespace window_testing
