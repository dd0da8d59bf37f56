#include "ui/QtDialogNames.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QFontDialog>
#include <QGraphicsView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>

namespace ui {
namespace {

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

void NameIfUnnamed(QWidget* control, const QString& name) {
    if (control && control->accessibleName().isEmpty()) control->setAccessibleName(name);
}

} // namespace

void NameFontDialogControls(QFontDialog& dialog) {
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        // The column headings stand in the first row, their edit box and list in the two below.
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QLayoutItem* heading = grid->itemAtPosition(0, column);
            const auto* label = heading ? qobject_cast<QLabel*>(heading->widget()) : nullptr;
            if (!label) continue;
            for (const int row : {1, 2})
                if (const QLayoutItem* item = grid->itemAtPosition(row, column))
                    NameIfUnnamed(item->widget(), WithoutMnemonic(label->text()));
        }
    }
    // The group's title alone would not say which of its controls this is.
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        for (QLineEdit* box : group->findChildren<QLineEdit*>())
            NameIfUnnamed(box, QCoreApplication::translate("QtDialogNames", "Sample text"));
}

// The zoom box is the one list; the page box the one edit box outside it.
void NamePreviewDialogControls(QPrintPreviewDialog& dialog) {
    const QString zoom = QCoreApplication::translate("QtDialogNames", "Zoom");
    for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
        NameIfUnnamed(list, zoom);
        NameIfUnnamed(list->lineEdit(), zoom);
    }
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(box->parentWidget()))
            NameIfUnnamed(box, QCoreApplication::translate("QtDialogNames", "Page"));
    const QString pages = QCoreApplication::translate("QtDialogNames", "Pages");
    for (QGraphicsView* view : dialog.findChildren<QGraphicsView*>()) {
        NameIfUnnamed(view, pages);
        NameIfUnnamed(view->viewport(), pages);
    }
}

} // namespace ui
