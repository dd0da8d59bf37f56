// The dialogs driven from the designer's menus and keys on a real X server: each opens from its
// menu item or shortcut and closes again, a sheet of labels printed to a PDF reads back in every
// cell, exported pictures read back, and an export over an existing file asks first.

#include "e2e/DesignerDialogs.h"
#include "e2e/DesktopTest.h"
#include "e2e/Readers.h"
#include "support/TestFiles.h"

#include <QFile>

#include <cmath>

namespace e2e {
namespace {

using DialogsEndToEnd = DesktopTest;

// ---- every dialog opens and closes ------------------------------------------------------------

class EveryDialog : public DesktopTest, public ::testing::WithParamInterface<DialogOpening> {};

// Each is opened with a document that has a text, pictured, and closed with Escape, which
// leaves the designer running.
TEST_P(EveryDialog, OpensFromItsMenuOrShortcutAndCloses) {
    const DialogOpening& opening = GetParam();
    const WindowId window = StartDesignerTyping(QStringLiteral("DIALOG 1"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const QString title = QString::fromLatin1(opening.title);
    const QString name = QString::fromLatin1(opening.name);
    const WindowId dialog = OpenDialog(window, QString::fromLatin1(opening.keys), title, name);
    ASSERT_FALSE(dialog.isEmpty()) << opening.keys << " opened no window named " << opening.title;
    Keep(desktop().Screenshot(), name + "-screen");
    EXPECT_TRUE(Dismiss(dialog, QStringLiteral("Escape"), title));
    EXPECT_TRUE(Designer().Running());
    EXPECT_TRUE(Shows(window, "DIALOG 1", name + "-after"));
}

INSTANTIATE_TEST_SUITE_P(Designer, EveryDialog, ::testing::ValuesIn(kDesignerDialogs));

// ---- a sheet of labels printed to a PDF --------------------------------------------------------

// 3 × 10 labels, in inches, on A4 and on Letter alike: another row or column fits on neither.
struct Sheet {
    double top = 0.5, left = 0.25, height = 1.04, width = 2.5, gapHeight = 0, gapWidth = 0.125;
    int columns = 3, rows = 10;
};
constexpr Sheet kSheet;

// A Code 128 document that prints sequence numbers S-001 onward on that sheet.
QByteArray SheetDocument() {
    return QStringLiteral("[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.6\r\nTYPE=0\r\nTEXT=SHEET\r\n"
                          "[SEQUENCE]\r\nUSE=1\r\nMIN=1\r\nMAX=999\r\nCURRENT=1\r\nMIN_SIZE=3\r\n"
                          "PREFIX=S-\r\n"
                          "[FORMAT]\r\nHEIGHT=%1\r\nWIDTH=%2\r\nTOPMARGIN=%3\r\nLEFTMARGIN=%4\r\n"
                          "GAPHEIGHT=%5\r\nGAPWIDTH=%6\r\nMETRIC=0\r\n")
        .arg(kSheet.height)
        .arg(kSheet.width)
        .arg(kSheet.top)
        .arg(kSheet.left)
        .arg(kSheet.gapHeight)
        .arg(kSheet.gapWidth)
        .toLatin1();
}

// The label's cell on a page drawn at `dpi`.
QRect Cell(int column, int row, int dpi) {
    const auto dots = [dpi](double inches) { return static_cast<int>(std::lround(inches * dpi)); };
    return {dots(kSheet.left + column * (kSheet.width + kSheet.gapWidth)),
            dots(kSheet.top + row * (kSheet.height + kSheet.gapHeight)), dots(kSheet.width),
            dots(kSheet.height)};
}

// What each cell of each page carries, row by row: `skip` blank cells on the first page, then
// `labels` numbers from S-001; empty for a blank cell.
std::vector<std::vector<std::string>> ExpectedPages(int skip, int labels) {
    const int perPage = kSheet.columns * kSheet.rows;
    std::vector<std::vector<std::string>> pages;
    for (int cell = skip, number = 1; number <= labels; ++cell, ++number) {
        if (cell % perPage == 0 || pages.empty()) pages.emplace_back(perPage);
        char text[16];
        std::snprintf(text, sizeof text, "S-%03d", number);
        pages.back()[cell % perPage] = text;
    }
    return pages;
}

TEST_F(DialogsEndToEnd, SheetPrintedToPdfReadsInEveryCell) {
    const QString document = PathOf(QStringLiteral("sheet.tlr"));
    const QString pdf = PathOf(QStringLiteral("labels.pdf"));
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(SheetDocument()) > 0);
    file.close();
    const WindowId window = StartDesigner({document});
    ASSERT_FALSE(window.isEmpty()) << "no main window";

    // The printer: Qt's PDF printer, whose output file box Alt+F reaches.
    const QString setupTitle = QStringLiteral("^Print Setup$");
    const WindowId setup =
        OpenDialog(window, QStringLiteral("alt+f r"), setupTitle, QStringLiteral("print-setup"));
    ASSERT_FALSE(setup.isEmpty()) << "File, Print Setup opened no printer dialog";
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+f")) && desktop().Paste(pdf));
    ASSERT_TRUE(Dismiss(setup, QStringLiteral("Return"), setupTitle));

    // The document asks for sequence numbers. From "Single": two steps down to "Labels", which
    // proposes one full sheet (30); three tabs on to the right arrow, pressed four times.
    const QString printTitle = QStringLiteral("^Print Barcode$");
    const WindowId print =
        OpenDialog(window, QStringLiteral("ctrl+p"), printTitle, QStringLiteral("print-opened"));
    ASSERT_FALSE(print.isEmpty()) << "Ctrl+P opened no print dialog";
    ASSERT_TRUE(desktop().Key(QStringLiteral("Down Down Tab Tab Tab space space space space")));
    Keep(desktop().Screenshot(print), QStringLiteral("print-chosen"));
    ASSERT_TRUE(Dismiss(print, QStringLiteral("alt+o"), printTitle));
    ASSERT_TRUE(Eventually([&] { return QFile::exists(pdf); })) << "no PDF was written";

    constexpr int kDpi = 300;
    const std::vector<QImage> pages = PdfPages(pdf, kDpi);
    const auto expected = ExpectedPages(4, 30);
    ASSERT_EQ(pages.size(), expected.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        Keep(pages[page], QStringLiteral("page-%1").arg(page + 1));
        for (int row = 0; row < kSheet.rows; ++row)
            for (int column = 0; column < kSheet.columns; ++column)
                EXPECT_EQ(ReadCode128(pages[page].copy(Cell(column, row, kDpi))),
                          expected[page][row * kSheet.columns + column])
                    << "page " << page + 1 << ", row " << row + 1 << ", column " << column + 1;
    }
}

// ---- exported pictures ----------------------------------------------------------------------

struct ExportChoice {
    const char* format;
    // From the file name box Shift+Tab goes back to the format group, which the layout puts
    // before it, at its last button (PDF); the list runs down two columns: Bitmap, JPEG, TIFF,
    // WMF, then EMF, PNG, SVG, PDF. Arrows move the focus, Space chooses the focused format.
    const char* keys;
};

const ExportChoice kExports[] = {{"png", "Up Up space"}, {"pdf", "space"}};

void PrintTo(const ExportChoice& choice, std::ostream* out) {
    *out << choice.format;
}

class ExportThroughTheDialog : public DesktopTest,
                               public ::testing::WithParamInterface<ExportChoice> {};

TEST_P(ExportThroughTheDialog, WritesAFileThatReadsAsTheText) {
    const QString format = QString::fromLatin1(GetParam().format);
    const QString path = PathOf("exported." + format);
    const WindowId window = StartDesignerTyping(QStringLiteral("EXPORT 7"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const QString title = QStringLiteral("^Export Barcode Graphic$");
    const WindowId dialog = OpenDialog(window, QStringLiteral("ctrl+e"), title, format + "-opened");
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+E opened no export dialog";
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+f")) && desktop().Key(QStringLiteral("shift+Tab")));
    Keep(desktop().Screenshot(dialog), format + "-format-focused");
    ASSERT_TRUE(desktop().Key(QString::fromLatin1(GetParam().keys)));
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+f")) && desktop().Type(path));
    Keep(desktop().Screenshot(dialog), format + "-chosen");
    ASSERT_TRUE(Dismiss(dialog, QStringLiteral("Return"), title));
    ASSERT_TRUE(Eventually([&] { return QFile::exists(path); })) << "nothing written";

    const std::vector<QImage> pdfPages =
        format == "pdf" ? PdfPages(path, 300) : std::vector<QImage>{};
    const QImage picture =
        format == "pdf" ? (pdfPages.empty() ? QImage() : pdfPages.front()) : QImage(path);
    ASSERT_FALSE(picture.isNull()) << "the file does not read as " << GetParam().format;
    EXPECT_EQ(ReadCode128(Keep(picture, format + "-file")), "EXPORT 7");
}

INSTANTIATE_TEST_SUITE_P(Designer, ExportThroughTheDialog, ::testing::ValuesIn(kExports));

// No keeps the old file and the export dialog; Yes replaces the file and closes the dialog.
TEST_F(DialogsEndToEnd, ExportOverAnExistingFileAsksFirst) {
    const QString path = PathOf("exported.png");
    testing_support::WriteBytes(path, "OLD");
    const WindowId window = StartDesignerTyping(QStringLiteral("EXPORT 8"));
    ASSERT_FALSE(window.isEmpty()) << "no main window to type into";
    const QString title = QStringLiteral("^Export Barcode Graphic$");
    const QString question = QStringLiteral("^Confirm Save As$");
    const WindowId dialog = OpenDialog(window, QStringLiteral("ctrl+e"), title, "opened");
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+E opened no export dialog";
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+f")) &&
                desktop().Key(QStringLiteral("shift+Tab")) &&
                desktop().Key(QStringLiteral("Up Up space"))); // PNG, as in the export above
    ASSERT_TRUE(desktop().Key(QStringLiteral("alt+f")) && desktop().Type(path));

    WindowId asked = OpenDialog(dialog, QStringLiteral("Return"), question, "asked");
    ASSERT_FALSE(asked.isEmpty()) << "the export replaced the file without asking";
    ASSERT_TRUE(Dismiss(asked, QStringLiteral("alt+n"), question));
    EXPECT_EQ(testing_support::ReadBytes(path), "OLD");
    EXPECT_FALSE(desktop().WaitForWindow(title).isEmpty()) << "No closed the export dialog";

    asked = OpenDialog(dialog, QStringLiteral("Return"), question, "asked-again");
    ASSERT_FALSE(asked.isEmpty()) << "the second export did not ask";
    ASSERT_TRUE(Dismiss(asked, QStringLiteral("alt+y"), question));
    ASSERT_TRUE(desktop().WaitUntilGone(title)) << "Yes left the export dialog open";
    EXPECT_EQ(ReadCode128(Keep(QImage(path), "file")), "EXPORT 8");
}

} // namespace
} // namespace e2e
