// The designer driven like a user on a real X server: typing draws a barcode that a scanner
// (zxing-cpp) reads, the save dialog writes the file, the file opens from the command line and
// when dropped, and the window comes back where it was left.

#include "e2e/DesktopTest.h"
#include "support/Decode.h"

#include <QFile>

namespace e2e {
namespace {

// What a scanner reads in the picture; empty when it finds no Code 128 symbol.
std::string ReadCode128(const QImage& shot) {
    const auto read =
        testing_support::DecodeImage(shot, testing_support::Reader(ZXing::BarcodeFormat::Code128));
    return read.found ? read.text : std::string();
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DesignerEndToEnd : public DesktopTest {
  protected:
    // Waits until the window shows a barcode that reads as `text`; keeps the screenshot.
    ::testing::AssertionResult Shows(const WindowId& window, const std::string& text,
                                     const QString& shotName) {
        QImage shot;
        const bool shown = Eventually([&] {
            shot = desktop().Screenshot(window);
            return ReadCode128(shot) == text;
        });
        Keep(shot, shotName);
        if (shown) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the window never showed a barcode reading " << text
                                             << "; last read: " << ReadCode128(shot);
    }

    // Closes the main window as a user does (the window manager's close) and waits for the
    // program to end.
    ::testing::AssertionResult Close(const WindowId& window) {
        if (!desktop().Close(window, [&] { return !Designer().Running(); }))
            return ::testing::AssertionFailure() << "the designer did not close";
        if (Designer().ExitCode() != 0)
            return ::testing::AssertionFailure() << "exit status " << Designer().ExitCode();
        return ::testing::AssertionSuccess();
    }

    // Saves with Ctrl+S, typing the full path into the save dialog.
    ::testing::AssertionResult SaveAs(const QString& path) {
        const WindowId dialog = desktop().Key(QStringLiteral("ctrl+s"))
                                    ? desktop().WaitForWindow(QStringLiteral("^Save Barcode$"))
                                    : WindowId();
        if (dialog.isEmpty()) return ::testing::AssertionFailure() << "no save dialog";
        Keep(desktop().Screenshot(dialog), QStringLiteral("save-dialog"));
        if (!desktop().Activate(dialog) || !desktop().Type(path) ||
            !desktop().Key(QStringLiteral("Return")))
            return ::testing::AssertionFailure() << "could not type into the save dialog";
        if (!desktop().WaitUntilGone(QStringLiteral("^Save Barcode$")))
            return ::testing::AssertionFailure() << "the save dialog stayed open";
        return ::testing::AssertionSuccess();
    }
};

TEST_F(DesignerEndToEnd, TypedTextIsDrawnAsABarcodeAScannerReads) {
    const WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ASSERT_TRUE(desktop().Activate(window));
    ASSERT_TRUE(desktop().Type(QStringLiteral("Tallyrune 2026-x")));
    EXPECT_TRUE(Shows(window, "Tallyrune 2026-x", QStringLiteral("typed")));
}

TEST_F(DesignerEndToEnd, SavedDocumentOpensFromTheCommandLine) {
    const QString path = PathOf(QStringLiteral("shelf 7.tlr"));
    WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ASSERT_TRUE(desktop().Activate(window));
    ASSERT_TRUE(desktop().Type(QStringLiteral("SHELF-7")));
    ASSERT_TRUE(SaveAs(path));
    EXPECT_TRUE(Eventually([&] { return FileBytes(path).contains("TEXT=SHELF-7\r\n"); }))
        << "the saved file holds: " << FileBytes(path).toStdString();
    ASSERT_TRUE(Close(window));

    window = StartDesigner({path});
    ASSERT_FALSE(window.isEmpty()) << "no main window on the second start";
    EXPECT_TRUE(Shows(window, "SHELF-7", QStringLiteral("reopened")));
}

TEST_F(DesignerEndToEnd, WindowBoundsSurviveARestart) {
    WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    const QRect wanted(230, 170, 760, 520);
    ASSERT_TRUE(desktop().MoveAndResize(window, wanted));
    QRect left;
    ASSERT_TRUE(Eventually([&] {
        left = desktop().Geometry(window);
        return left.size() == wanted.size();
    })) << "the window manager did not resize the window";
    ASSERT_TRUE(Close(window));

    window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window on the second start";
    QRect back;
    EXPECT_TRUE(Eventually([&] {
        back = desktop().Geometry(window);
        return back == left;
    })) << "left at "
        << left.x() << ',' << left.y() << ' ' << left.width() << 'x' << left.height()
        << ", back at " << back.x() << ',' << back.y() << ' ' << back.width() << 'x'
        << back.height();
}

// The list holds a picture first: the first document file among the dropped ones opens.
TEST_F(DesignerEndToEnd, DroppedDocumentOpens) {
    const QString picture = PathOf(QStringLiteral("picture.png"));
    const QString document = PathOf(QStringLiteral("dropped.TLR"));
    QImage dot(8, 8, QImage::Format_RGB32);
    dot.fill(Qt::red);
    dot.save(picture);
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[BARCODE]\r\nTEXT=DROP 42\r\n");
    file.close();

    const WindowId window = StartDesigner();
    ASSERT_FALSE(window.isEmpty()) << "no main window";
    ChildProcess& source = Start(QStringLiteral(TALLYRUNE_DRAG_SOURCE), {picture, document});
    const WindowId from = desktop().WaitForWindow(QStringLiteral("^Tallyrune drag source$"));
    ASSERT_FALSE(from.isEmpty()) << "the drag source did not show";
    const auto said = [&](const char* line) {
        return [&source, line] { return source.Output().contains(QLatin1String(line)); };
    };
    ASSERT_TRUE(desktop().Drag(from, window, said("drag started"), said("target accepts")))
        << "the main window never accepted the drag: " << source.Output().toStdString();
    fprintf(stderr, "released\n");
    EXPECT_TRUE(Eventually(said("drag ended dropped"))) << source.Output().toStdString();
    fprintf(stderr, "ended\n");
    EXPECT_TRUE(Shows(window, "DROP 42", QStringLiteral("dropped")));
    fprintf(stderr, "shown\n");
}

} // namespace
} // namespace e2e
