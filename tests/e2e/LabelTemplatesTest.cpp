// Importing gLabels templates in the label settings dialog on a real X server: the sheets are
// listed, none is chosen, so "&Ok" keeps the sheet the user had.

#include "e2e/DesktopTest.h"
#include "e2e/Poll.h"

#include <QFile>

namespace e2e {
namespace {

using LabelTemplatesEndToEnd = DesktopTest;

const QByteArray kFormat = "[FORMAT]\r\nHEIGHT=1.25\r\nWIDTH=3.5\r\nTOPMARGIN=0.75\r\n"
                           "LEFTMARGIN=0.3\r\nGAPHEIGHT=0.1\r\nGAPWIDTH=0.2\r\nMETRIC=0\r\n";

TEST_F(LabelTemplatesEndToEnd, ImportingChangesNoBox) {
    const QString document = PathOf(QStringLiteral("sheet.tlr"));
    const QString saved = PathOf(QStringLiteral("saved.tlr"));
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("[BARCODE]\r\nTEXT=SHEET\r\n" + kFormat) > 0);
    file.close();
    const WindowId window = StartDesigner({document});
    ASSERT_FALSE(window.isEmpty()) << "no main window";

    const QString title = QStringLiteral("^Custom Label Settings$");
    const WindowId dialog = OpenDialog(window, QStringLiteral("alt+o l"), title, "opened");
    ASSERT_FALSE(dialog.isEmpty()) << "Options, Label Settings opened no dialog";
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+i")));
    const WindowId chooser = desktop().WaitForWindow(QStringLiteral("^Import gLabels Templates$"));
    ASSERT_FALSE(chooser.isEmpty()) << "Alt+I opened no file chooser";
    ASSERT_TRUE(desktop().Activate(chooser) &&
                desktop().Paste(QStringLiteral(TALLYRUNE_TEST_DATA "/glabels/mixed-shapes.template")) &&
                desktop().Key(QStringLiteral("Return")));
    // The sheets it could not take are named in a message.
    const WindowId message = desktop().WaitForWindow(QStringLiteral("^Tallyrune$"));
    ASSERT_FALSE(message.isEmpty()) << "no word about the sheets left out";
    ASSERT_TRUE(desktop().Activate(message) && desktop().Key(QStringLiteral("Return")));
    Keep(desktop().Screenshot(dialog), QStringLiteral("imported"));
    ASSERT_TRUE(Dismiss(dialog, QStringLiteral("alt+o"), title));

    const WindowId save =
        OpenDialog(window, QStringLiteral("ctrl+s"), QStringLiteral("^Save Barcode$"), "save");
    ASSERT_FALSE(save.isEmpty()) << "Ctrl+S opened no save dialog";
    ASSERT_TRUE(desktop().Type(saved) && desktop().Key(QStringLiteral("Return")));
    ASSERT_TRUE(Eventually([&] { return QFile::exists(saved); })) << "nothing saved";
    QFile written(saved);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    for (const QByteArray& line : kFormat.split('\n')) {
        if (line.contains('=')) {
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
        }
    }
}

} // namespace
} // namespace e2e
