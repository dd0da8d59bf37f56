// The windows without a mouse, and as a screen reader tells them: each dialog opened from its
// menu item is walked with Tab in the order its layout shows the controls, has a default button
// for Return, and closes with Escape without taking what was typed; the print progress window
// cancels with Escape; the document's picture describes its symbology, text and scan.

#include "MainWindowFixture.h"
#include "ui/TFBarcode.h"
#include "ui/TFPrintProgress.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QPushButton>
#include <QTest>

namespace window_testing {
namespace {

// The widgets under `widget` in the order its layouts place them, depth first: how the eye
// reads the dialog. A widget without a layout is read in the order of its children.
void InLayoutOrder(QWidget& widget, QList<QWidget*>& order);

void InLayoutOrder(QLayout& layout, QList<QWidget*>& order) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget())
            InLayoutOrder(*item->widget(), order);
        else if (item->layout())
            InLayoutOrder(*item->layout(), order);
    }
}

void InLayoutOrder(QWidget& widget, QList<QWidget*>& order) {
    order << &widget;
    if (widget.layout()) return InLayoutOrder(*widget.layout(), order);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        InLayoutOrder(*child, order);
}

// Its object name, or its class and text for the buttons a button box makes.
QString NameOf(const QWidget* widget) {
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return !widget->objectName().isEmpty() ? widget->objectName()
           : button                        ? QStringLiteral("button ") + button->text()
                                           : QString::fromLatin1(widget->metaObject()->className());
}

QStringList NamesOf(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets)
        names << NameOf(widget);
    return names;
}

// The controls Tab visits from the one with the focus, once round.
QList<QWidget*> TabRound() {
    QList<QWidget*> visited;
    for (QWidget* at = QApplication::focusWidget(); at && !visited.contains(at);
         at = QApplication::focusWidget()) {
        visited << at;
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return visited;
}

// The controls Tab stops at, in layout order, from `first` on and round to it: the visible,
// enabled ones that take the focus by Tab (of a group of radio buttons, Qt keeps only the one
// last focused so).
QList<QWidget*> ExpectedRound(QWidget& dialog, QWidget* first) {
    QList<QWidget*> order;
    InLayoutOrder(dialog, order);
    QList<QWidget*> stops;
    for (QWidget* widget : order)
        if ((widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            widget->isVisibleTo(&dialog) && widget->isEnabled())
            stops << widget;
    const qsizetype start = stops.indexOf(first);
    return start < 0 ? stops : stops.mid(start) + stops.first(start);
}

struct KeyboardDialog {
    const char* action; // the main window's command that opens it
    const char* dialog; // its object name
};

const KeyboardDialog kDialogs[] = {
    {"acPrint", "TFPrintIt"},
    {"acExport", "TFSaveBarcode"},
    {"miSequenceSettings", "TFSeqSettings"},
    {"miLabelSettings", "TFLabelSettings"},
    {"miCalibration", "TFCalibration"},
    {"miAbout", "TFAbout"},
};

TEST_F(MainWindowTest, EveryDialogWorksFromTheKeyboard) {
    Start();
    dialog_testing::UseLetterPdf(*state, Path("keys.pdf"));
    Type(Edit("eText"), "KEYS 1");
    for (const KeyboardDialog& row : kDialogs) {
        SCOPED_TRACE(row.dialog);
        bool closed = false;
        dialog_testing::WhenModal(row.dialog, [&](QWidget& dialog) {
            ASSERT_TRUE(dialog_testing::WaitFor([&] {
                return dialog.isAncestorOf(QApplication::focusWidget());
            })) << "the focus stayed outside";
            const QList<QWidget*> round = TabRound();
            ASSERT_FALSE(round.isEmpty()) << "no control has the focus";
            EXPECT_EQ(NamesOf(round), NamesOf(ExpectedRound(dialog, round.front())));
            const auto buttons = dialog.findChildren<QPushButton*>();
            EXPECT_TRUE(std::ranges::any_of(buttons, &QPushButton::isDefault))
                << "no default button";
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closed = !dialog.isVisible() &&
                     qobject_cast<QDialog*>(&dialog)->result() == QDialog::Rejected;
            if (dialog.isVisible()) dialog.close();
        });
        Action(row.action).trigger();
        EXPECT_TRUE(closed) << "Escape did not close it";
    }
}

// The toolbar's controls in the order they are shown, one Tab round from the text box, which the
// document windows do not hold; Shift+Tab goes back from the text to the Font button.
TEST_F(MainWindowTest, TabGoesRoundTheToolbarPastTheDocuments) {
    Start();
    Type(Edit("eText"), "TAB 1");
    Action("acNew").trigger();
    Type(Edit("eText"), "TAB 2");
    EXPECT_EQ(NamesOf(TabRound()),
              QStringList({"eText", "tbOpen", "tbSave", "tbExport", "tbCopy", "tbPrint",
                           "cbBarcodeType", "eHeight", "cbScale", "cbRotate", "cbInterpret",
                           "sbFont"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(NameOf(QApplication::focusWidget()), "sbFont");
    // A document window that a click gave the focus lets it go on.
    window->findChild<ui::TFBarcode*>()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(NameOf(QApplication::focusWidget()), "tbOpen");
}

TEST_F(MainWindowTest, EscapeCancelsPrinting) {
    Start();
    ui::TFPrintProgress progress(*window);
    progress.StartProgress("printer");
    ASSERT_TRUE(dialog_testing::WaitFor([&] { return progress.isActiveWindow(); }));
    ASSERT_FALSE(progress.CancelRequested());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(progress.CancelRequested());
    progress.Finish();
}

// The picture shows no text a screen reader could read: its description says what it holds, in
// the words of the type list, the text box and the scan panel (which it follows once the check
// has run).
TEST_F(MainWindowTest, ThePictureDescribesItsSymbolTextAndScan) {
    Start();
    const struct {
        int type; // the type list's position
        const char* typed;
    } rows[] = {{0, "Tally 42"}, {7, "400638133393"}, {12, "12345"}};
    for (const auto& r : rows) {
        List("cbBarcodeType").setCurrentIndex(r.type);
        Edit("eText").clear();
        Type(Edit("eText"), r.typed);
        const QLabel& scan = Control<QLabel>("ScanPanel");
        const QWidget* picture = window->ActiveWindow()->widget();
        const QStringList parts = {List("cbBarcodeType").currentText(), Edit("eText").text()};
        EXPECT_TRUE(dialog_testing::WaitFor([&] {
            const QString said = picture->accessibleDescription();
            return !scan.text().isEmpty() && said.contains(scan.text()) &&
                   std::ranges::all_of(parts, [&](const QString& p) { return said.contains(p); });
        })) << picture->accessibleDescription().toStdString()
            << " lacks " << r.typed;
        EXPECT_FALSE(picture->accessibleName().isEmpty());
    }
}

} // namespace
} // namespace window_testing
