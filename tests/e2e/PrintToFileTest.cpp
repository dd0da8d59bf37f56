// Printing to a PDF file from the designer on a real X server: the first job asks for its file,
// a second one to the same file asks before replacing it, "No" there goes back to the print
// dialog by way of the file chooser, and after each job the main window takes the keys again.

#include "e2e/DesktopTest.h"
#include "e2e/Poll.h"

#include <QFile>
#include <QFileInfo>

namespace e2e {
namespace {

using PrintToFileEndToEnd = DesktopTest;

const QString kPrintTitle = QStringLiteral("^Print Barcode$");
const QString kExportTitle = QStringLiteral("^Export Barcode Graphic$");

// Ctrl+E pressed without activating anything reaches the main window only if it is active.
::testing::AssertionResult MainWindowTakesKeys(const Desktop& desktop) {
    if (!desktop.Key(QStringLiteral("ctrl+e")))
        return ::testing::AssertionFailure() << "could not press ctrl+e";
    const WindowId exporting = desktop.WaitForWindow(kExportTitle);
    if (exporting.isEmpty())
        return ::testing::AssertionFailure() << "ctrl+e after the job opened nothing";
    if (!desktop.Activate(exporting) || !desktop.Key(QStringLiteral("Escape")) ||
        !desktop.WaitUntilGone(kExportTitle))
        return ::testing::AssertionFailure() << "the export dialog did not close";
    return ::testing::AssertionSuccess();
}

// Presses `keys` in the question until the window `next` comes: a key that arrives before the
// question has the focus goes elsewhere.
WindowId Answer(const Desktop& desktop, const WindowId& question, const QString& keys,
                const QString& next) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!desktop.Activate(question)) break; // answered: it has gone
        desktop.Key(keys);
        const WindowId came = desktop.WaitForWindow(next, std::chrono::seconds(2));
        if (!came.isEmpty()) return came;
    }
    return desktop.WaitForWindow(next);
}

TEST_F(PrintToFileEndToEnd, ASecondJobAsksBeforeReplacingItsPdf) {
    const QString pdf = PathOf(QStringLiteral("labels.pdf"));
    const WindowId window = StartDesignerTyping(QStringLiteral("PDF 1"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";

    // The first job asks where its PDF goes.
    ASSERT_FALSE(OpenDialog(window, QStringLiteral("ctrl+p"), kPrintTitle, "print").isEmpty());
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+o")));
    const WindowId chooser = desktop().WaitForWindow(QStringLiteral("^Print to PDF$"));
    ASSERT_FALSE(chooser.isEmpty()) << "no file chooser for the PDF";
    ASSERT_TRUE(desktop().Activate(chooser) && desktop().Type(pdf) &&
                desktop().Key(QStringLiteral("Return")));
    ASSERT_TRUE(Eventually([&] { return QFile::exists(pdf); })) << "no PDF was written";
    ASSERT_TRUE(desktop().WaitUntilGone(kPrintTitle));
    EXPECT_TRUE(MainWindowTakesKeys(desktop()));
    const qint64 firstSize = QFileInfo(pdf).size();

    // The second asks before replacing it; "No", then cancelling the chooser, goes back to the
    // print dialog with the PDF as it was.
    ASSERT_TRUE(desktop().Key(QStringLiteral("ctrl+p")));
    const WindowId print = desktop().WaitForWindow(kPrintTitle);
    ASSERT_FALSE(print.isEmpty()) << "Ctrl+P after the first job opened nothing";
    ASSERT_TRUE(desktop().Activate(print) && desktop().Key(QStringLiteral("alt+o")));
    const QString replaceTitle = QStringLiteral("^Confirm Save As$");
    WindowId question = desktop().WaitForWindow(replaceTitle);
    ASSERT_FALSE(question.isEmpty()) << "no question before replacing the PDF";
    Keep(desktop().Screenshot(), QStringLiteral("replace-question"));
    const WindowId again =
        Answer(desktop(), question, QStringLiteral("alt+n"), QStringLiteral("^Print to PDF$"));
    ASSERT_FALSE(again.isEmpty()) << "No did not offer another file";
    ASSERT_TRUE(desktop().Activate(again) && desktop().Key(QStringLiteral("Escape")));
    ASSERT_TRUE(desktop().WaitUntilGone(QStringLiteral("^Print to PDF$")));
    EXPECT_FALSE(desktop().WaitForWindow(kPrintTitle).isEmpty()) << "the print dialog closed";
    EXPECT_EQ(QFileInfo(pdf).size(), firstSize);

    // "Yes" replaces it.
    ASSERT_TRUE(desktop().Activate(print) && desktop().Key(QStringLiteral("alt+o")));
    question = desktop().WaitForWindow(replaceTitle);
    ASSERT_FALSE(question.isEmpty()) << "no question the second time";
    const QDateTime before = QFileInfo(pdf).lastModified();
    ASSERT_TRUE(desktop().Activate(question) && desktop().Key(QStringLiteral("alt+y")));
    ASSERT_TRUE(desktop().WaitUntilGone(kPrintTitle));
    EXPECT_TRUE(Eventually([&] { return QFileInfo(pdf).lastModified() != before; }))
        << "the PDF was not replaced";
    EXPECT_TRUE(MainWindowTakesKeys(desktop()));
}

} // namespace
} // namespace e2e
