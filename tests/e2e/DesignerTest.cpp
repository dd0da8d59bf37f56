// The designer driven like a user on a real X server: typing draws a barcode, linear or QR Code,
// that a scanner (zxing-cpp) reads, the save dialog writes the file, the file opens from the
// command line and when dropped, and the window comes back where it was left.

#include "e2e/DesktopTest.h"
#include "e2e/Readers.h"

#include <QFile>

namespace e2e {
namespace {

const QString kSaveDialog = QStringLiteral("^Save Barcode$");

using DesignerEndToEnd = DesktopTest;

TEST_F(DesignerEndToEnd, TypedTextIsDrawnAsABarcodeAScannerReads) {
    const WindowId window = StartDesignerTyping(QStringLiteral("Tallyrune 2026-x"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    EXPECT_TRUE(Shows(window, "Tallyrune 2026-x", QStringLiteral("typed")));
}

// The type list is a click away; its popup finds "QR Code" by its first letters.
TEST_F(DesignerEndToEnd, QrCodeChosenFromTheTypeListIsDrawnAsOneAScannerReads) {
    const WindowId window = StartDesigner();
    ASSERT_TRUE(!window.isEmpty() && desktop().Activate(window));
    const int width = desktop().Geometry(window).width();
    ASSERT_TRUE(desktop().Click(window, {width - 100, 36}) &&
                desktop().Type(QStringLiteral("QR")) && desktop().Key(QStringLiteral("Return")));
    ASSERT_TRUE(desktop().Click(window, {width / 3, 123}) &&
                desktop().Type(QStringLiteral("Lot 7/2026")));
    QImage shot;
    EXPECT_TRUE(Eventually([&] {
        shot = desktop().Screenshot(window);
        return ReadQrCode(shot) == "Lot 7/2026";
    })) << "last read: "
        << ReadQrCode(shot);
    Keep(shot, QStringLiteral("qr"));
}

// Ctrl+C while the text box has the focus copies the picture, which another program reads.
TEST_F(DesignerEndToEnd, CopiedPictureReachesOtherProgramsThroughTheClipboard) {
    const WindowId window = StartDesignerTyping(QStringLiteral("CLIP-3"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    ASSERT_TRUE(Shows(window, "CLIP-3", QStringLiteral("typed")));
    ASSERT_TRUE(desktop().Key(QStringLiteral("ctrl+c")));
    ASSERT_TRUE(Eventually([&] { return desktop().Clipboard().contains("image/png"); }))
        << "the clipboard offers: " << desktop().Clipboard().toStdString();
    const QImage pasted = QImage::fromData(desktop().Clipboard(QStringLiteral("image/png")));
    EXPECT_EQ(ReadCode128(Keep(pasted, QStringLiteral("clipboard"))), "CLIP-3");
}

// The copy's SVG form reaches other programs beside the bitmap: librsvg draws what xclip reads.
TEST_F(DesignerEndToEnd, CopiedSvgReachesOtherProgramsThroughTheClipboard) {
    const WindowId window = StartDesignerTyping(QStringLiteral("SVG-7"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    ASSERT_TRUE(Shows(window, "SVG-7", QStringLiteral("typed")));
    ASSERT_TRUE(desktop().Key(QStringLiteral("ctrl+c")));
    ASSERT_TRUE(Eventually([&] { return desktop().Clipboard().contains("image/svg+xml"); }))
        << "the clipboard offers: " << desktop().Clipboard().toStdString();
    const QImage drawn = SvgPicture(desktop().Clipboard(QStringLiteral("image/svg+xml")), 300);
    EXPECT_EQ(ReadCode128(Keep(drawn, QStringLiteral("clipboard-svg"))), "SVG-7");
}

TEST_F(DesignerEndToEnd, SavedDocumentOpensFromTheCommandLine) {
    const QString path = PathOf(QStringLiteral("shelf 7.tlr"));
    WindowId window = StartDesignerTyping(QStringLiteral("SHELF-7"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const WindowId dialog =
        OpenDialog(window, QStringLiteral("ctrl+s"), kSaveDialog, QStringLiteral("save-dialog"));
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+S opened no save dialog";
    ASSERT_TRUE(desktop().Paste(path));
    ASSERT_TRUE(Dismiss(dialog, QStringLiteral("Return"), kSaveDialog));
    EXPECT_TRUE(Eventually([&] { return FileBytes(path).contains("TEXT=SHELF-7\r\n"); }))
        << "the saved file holds: " << FileBytes(path).toStdString();
    ASSERT_TRUE(CloseDesigner(window));

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
    ASSERT_TRUE(CloseDesigner(window));

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
    EXPECT_TRUE(Eventually(said("drag ended dropped"))) << source.Output().toStdString();
    EXPECT_TRUE(Shows(window, "DROP 42", QStringLiteral("dropped")));
}

} // namespace
} // namespace e2e
