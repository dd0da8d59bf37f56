// The commands: shortcuts over the text box, commands without a document, the clipboard,
// dropped files, opening, the save-changes and replace questions, help and the pop-up menu.

#include "MainWindowFixture.h"
#include "support/Decode.h"
#include "support/TestFiles.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace window_testing {
namespace {

using dialog_testing::ChooseFileIn;
using dialog_testing::WhenModal;
using testing_support::DecodeImage;
using testing_support::DecodeResult;
using testing_support::FileSizeLimit;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST_F(MainWindowTest, CtrlXAndCtrlCWinOverTheFocusedTextBox) {
    Start();
    Type(Edit("eText"), "TALLY42");
    Edit("eText").selectAll();
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(&Edit("eText"), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Document().DocumentBitmap().convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());

    Action("acNew").trigger();
    Edit("eText").setFocus();
    QTest::keyClick(&Edit("eText"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->DocumentWindows().size(), 1);
    EXPECT_EQ(Edit("eText").text(), "TALLY42"); // the toolbar shows the remaining document
}

// Each command that needs a document does nothing without one: no dialog, no status text.
// Label Settings still opens, on the sheet that new documents take.
TEST_F(MainWindowTest, PrintExportSequenceAndTestPageDoNothingWithoutADocument) {
    const std::pair<const char*, const char*> cases[] = {
        {"acPrint", ""},
        {"acExport", ""},
        {"miSequenceSettings", ""},
        {"miPrintTestPage", ""},
        {"acCopy", ""},
        {"acSave", ""},
        {"miClose", ""},
        {"miLabelSettings", "TFLabelSettings"},
    };
    Start();
    Action("miCloseAll").trigger();
    ASSERT_EQ(window->ActiveDocument(), nullptr);
    for (const auto& [command, opens] : cases) {
        SCOPED_TRACE(command);
        QGuiApplication::clipboard()->setText("unchanged");
        QString seen;
        QTimer closer; // closes any dialog that opens, so a failure cannot hang the test
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                seen = modal->objectName();
                modal->close();
            }
        });
        closer.start(5);
        Action(command).trigger();
        QTest::qWait(20);
        EXPECT_EQ(seen, opens);
        EXPECT_EQ(Panel(1), "");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "unchanged");
        EXPECT_TRUE(window->DocumentWindows().isEmpty());
    }
}

TEST_F(MainWindowTest, StatusPanel1SaysPreparingToPrintWhileThePrintDialogIsOpen) {
    Start();
    QString during;
    WhenModal("TFPrintIt", [&](QWidget& dialog) {
        during = Panel(1);
        static_cast<QDialog&>(dialog).reject();
    });
    Action("acPrint").trigger();
    EXPECT_EQ(during, "Preparing to Print");
    EXPECT_EQ(Panel(1), "");
}

// The picture on the clipboard is the window's: three times as large at x3, and readable.
TEST_F(MainWindowTest, CopyAtScale3IsThreeTimesScale1AndDecodes) {
    Start();
    Type(Edit("eText"), "Tallyrune-3");
    QSize sizes[2];
    for (int i = 0; i < 2; ++i) {
        List("cbScale").setCurrentIndex(i == 0 ? 0 : 2);
        Action("acCopy").trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        sizes[i] = copied.size();
        const DecodeResult read = DecodeImage(copied, ZXing::BarcodeFormat::Code128);
        EXPECT_TRUE(read.found);
        EXPECT_EQ(read.text, "Tallyrune-3");
    }
    EXPECT_EQ(sizes[1], sizes[0] * 3);
}

TEST_F(MainWindowTest, PasteGoesOnlyIntoTheTextBox) {
    Start();
    List("cbBarcodeType").setCurrentIndex(7); // EAN 13: letters vanish after the paste
    Type(Edit("eText"), "12");
    QGuiApplication::clipboard()->setText("3x4");
    QTest::keyClick(&Edit("eText"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit("eText").text(), "1234");
    Edit("eHeight").setFocus();
    QTest::keyClick(&Edit("eHeight"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit("eHeight").text(), dialog_testing::LocalNumber("0.75"));
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    Edit("eText").setFocus();
    Edit("eText").selectAll();
    QTest::keyClick(&Edit("eText"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit("eText").text(), "1234"); // a picture is never pasted
}

struct DropCase {
    const char* what;
    QStringList dropped; // in the test folder; names ending in / are folders
    const char* opened;  // the caption of the active document after, or none
};

TEST_F(MainWindowTest, TheFirstDroppedTlrFileOpens) {
    const DropCase cases[] = {
        {"picture, then two documents", {"picture.png", "first.TLR", "second.tlr"}, "first.TLR"},
        {"a folder named like a document", {"x.TLR/"}, nullptr},
        {"a missing file", {"gone.TLR"}, nullptr},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        Type(Edit("eText"), "KEEP"); // a drop opens in a new window
        QList<QUrl> urls;
        for (const QString& name : c.dropped) {
            if (name.endsWith('/')) {
                QDir(folder->path()).mkpath(name);
            } else if (name != "gone.TLR") {
                WriteBytes(Path(name), "[BARCODE]\r\nTEXT=" + name.toLatin1());
            }
            urls.append(QUrl::fromLocalFile(Path(name)));
        }
        QMimeData data;
        data.setUrls(urls);
        for (QWidget* target : {static_cast<QWidget*>(window.get()), &Control<QWidget>("eText")}) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            EXPECT_TRUE(enter.isAccepted());
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &drop);
        }
        const int expected = c.opened ? 3 : 1; // dropped on the window, then on the text box
        EXPECT_EQ(window->DocumentWindows().size(), expected);
        if (c.opened) {
            EXPECT_EQ(Caption(), c.opened);
        }
        TearDown();
        SetUp();
    }
}

TEST_F(MainWindowTest, OpenReusesTheEmptyActiveDocument) {
    WriteBytes(Path("a.tlr"), "[BARCODE]\r\nTEXT=ALPHA\r\n");
    Start();
    for (int documents : {1, 2}) { // the second time, the active document has text
        WhenModal("LoadBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("a.tlr")); });
        Action("acOpen").trigger();
        EXPECT_EQ(window->DocumentWindows().size(), documents);
        EXPECT_EQ(Caption(), "a.tlr");
        EXPECT_EQ(Edit("eText").text(), "ALPHA");
        EXPECT_FALSE(Document().Modified());
    }
}

struct CloseCase {
    const char* what;
    const char* answer; // the button of the question
    bool closed;
    bool saved;
};

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksFirst) {
    const CloseCase cases[] = {
        {"Save saves, then closes", "btSave", true, true},
        {"Don't Save closes", "btDontSave", true, false},
        {"Cancel keeps it open", "btCancel", false, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        Type(Edit("eText"), "UNSAVED");
        QString question;
        WhenModal("SaveChangesQuestion", [&](QWidget& box) {
            question = static_cast<QMessageBox&>(box).text();
            Click(c.answer)(box);
        });
        if (c.saved)
            WhenModal("SaveBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("kept.tlr")); });
        QTest::keyClick(&Edit("eText"), Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(question, "Save changes to barcode_1?");
        EXPECT_EQ(window->DocumentWindows().isEmpty(), c.closed);
        EXPECT_EQ(ReadBytes(Path("kept.tlr")).contains("TEXT=UNSAVED"), c.saved);
        TearDown();
        SetUp();
    }
}

// Cancel stops the exit too; an unchanged document closes without a word.
TEST_F(MainWindowTest, CancelStopsTheExitAndUnchangedDocumentsCloseSilently) {
    Start();
    Action("acNew").trigger();
    Type(Edit("eText"), "CHANGED");
    WhenModal("SaveChangesQuestion", Click("btCancel"));
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->DocumentWindows().size(), 2);
    Document().ClearModified();
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindowTest, SavingOverAnotherFileAsksFirst) {
    WriteBytes(Path("other.tlr"), "OTHER");
    Start();
    Type(Edit("eText"), "MINE");
    const auto chooseOther = [this](QWidget& d) { ChooseFileIn(d, Path("other.tlr")); };
    // No: back in the save dialog, which is then cancelled.
    WhenModal("SaveBarcodeDialog", chooseOther);
    WhenModal("ReplaceQuestion", [](QWidget& box) {
        WhenModal("SaveBarcodeDialog", [](QWidget& d) { static_cast<QDialog&>(d).reject(); });
        static_cast<QMessageBox&>(box).button(QMessageBox::No)->click();
    });
    Action("acSave").trigger();
    EXPECT_EQ(ReadBytes(Path("other.tlr")), "OTHER");

    WhenModal("SaveBarcodeDialog", chooseOther);
    WhenModal("ReplaceQuestion", [](QWidget& box) {
        static_cast<QMessageBox&>(box).button(QMessageBox::Yes)->click();
    });
    Action("acSaveAs").trigger();
    EXPECT_TRUE(ReadBytes(Path("other.tlr")).contains("TEXT=MINE"));
    EXPECT_EQ(Caption(), "other.tlr");

    WhenModal("SaveBarcodeDialog", chooseOther); // its own file now: no question
    Action("acSave").trigger();
    EXPECT_FALSE(Document().Modified());
}

// Another program advanced the sequence in the document's file since it was opened: saving asks,
// and only "Overwrite" sets the file's number back.
TEST_F(MainWindowTest, SavingAFileChangedByAnotherProgramAsks) {
    const struct {
        const char* answer;
        const char* current; // the file's CURRENT afterwards
        bool saved;
    } rows[] = {{"btTakeFile", "CURRENT=91", true},
                {"btOverwrite", "CURRENT=1", true},
                {"btCancel", "CURRENT=91", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.answer);
        const QByteArray opened = "[BARCODE]\r\nTEXT=OPENED\r\n[SEQUENCE]\r\nCURRENT=1\r\n";
        WriteBytes(Path("label.tlr"), opened);
        Start();
        WhenModal("LoadBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("label.tlr")); });
        Action("acOpen").trigger();
        Type(Edit("eText"), "X");
        WriteBytes(Path("label.tlr"), QByteArray(opened).replace("CURRENT=1", "CURRENT=91"));
        QString question;
        WhenModal("SaveBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("label.tlr")); });
        WhenModal("DiskChangeQuestion", [&](QWidget& box) {
            question = static_cast<QMessageBox&>(box).text();
            Click(r.answer)(box);
        });
        Action("acSave").trigger();
        EXPECT_EQ(question, "label.tlr was changed by another program since it was opened. Its "
                            "sequence is now at 91.");
        const QByteArray after = ReadBytes(Path("label.tlr"));
        EXPECT_TRUE(after.contains(r.current)) << after.toStdString();
        EXPECT_EQ(!after.contains("TEXT=OPENED\r\n"), r.saved) << after.toStdString();
        EXPECT_EQ(Document().Modified(), !r.saved);
        Document().ClearModified();
        TearDown();
        SetUp();
    }
}

// A failed save is shown, and the document stays open and modified.
TEST_F(MainWindowTest, AFailedSaveIsShownAndTheDocumentStays) {
    Start();
    Type(Edit("eText"), "FULLDISK");
    QString shown;
    {
        const FileSizeLimit full(0);
        WhenModal("SaveChangesQuestion", Click("btSave"));
        WhenModal("SaveBarcodeDialog", [&](QWidget& d) { ChooseFileIn(d, Path("full.tlr")); });
        WhenModal("MessageBox", [&](QWidget& box) {
            shown = static_cast<QMessageBox&>(box).text();
            static_cast<QMessageBox&>(box).accept();
        });
        Action("miClose").trigger();
    }
    EXPECT_EQ(shown, "Unable to write to " + Path("full.tlr"));
    EXPECT_EQ(window->DocumentWindows().size(), 1);
    EXPECT_TRUE(Document().Modified());
}

// Help opens the page beside the program; support, its "Getting help" section.
TEST_F(MainWindowTest, HelpAndSupportOpenTheHelpPage) {
    Start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    Action("miHelp").trigger();
    Action("miOnlineSupport").trigger();
    QDesktopServices::unsetUrlHandler("file");
    const QString page = QDir(QCoreApplication::applicationDirPath()).filePath("Help.html");
    const QList<QUrl>& opened = catcher.opened;
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(page));
    EXPECT_EQ(opened[1].fragment(), "getting-help");
    EXPECT_EQ(opened[1].adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(page));
}

TEST_F(MainWindowTest, RightClickOnADocumentOpensThePopupMenu) {
    Start();
    auto& popup = Control<QMenu>("PopupMenu1");
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(60, 60));
    QApplication::sendEvent(window->ActiveWindow()->widget(), &click);
    ASSERT_TRUE(dialog_testing::WaitFor([&] { return popup.isVisible(); }));
    QStringList items;
    for (const QAction* item : popup.actions())
        items.append(item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(items, QStringList({"&Copy", "-", "&Print", "-", "&New", "&Save", "C&lose"}));
    popup.hide();
    Action("miCloseAll").trigger();
    QApplication::sendEvent(Control<QMdiArea>("mdiArea").viewport(), &click);
    QTest::qWait(20);
    EXPECT_FALSE(popup.isVisible()); // nothing without a document
}

} // namespace
} // namespace window_testing
