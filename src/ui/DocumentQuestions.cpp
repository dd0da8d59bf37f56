#include "ui/DocumentQuestions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

const QString kTitle = QStringLiteral("Tallyrune");

// Qt's own dialog, so it looks and behaves the same on every desktop.
QString RunFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QLatin1String(kDocumentFilter));
    dialog.setDefaultSuffix(QStringLiteral("tlr"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

bool MayReplace(QWidget* parent, const QString& path) {
    const QString text = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                             .arg(QDir::toNativeSeparators(path));
    return QMessageBox::warning(parent, QStringLiteral("Confirm Save As"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

QString AskOpenPath(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("Load Barcode"), folder);
    dialog.setObjectName(QStringLiteral("LoadBarcodeDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog);
}

QString AskSavePath(QWidget* parent, const QString& folder, const QString& proposed) {
    QString suggestion = proposed;
    for (;;) {
        QFileDialog dialog(parent, QStringLiteral("Save Barcode"), folder);
        dialog.setObjectName(QStringLiteral("SaveBarcodeDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // asked below, only for other files
        dialog.selectFile(suggestion);
        const QString path = RunFileDialog(dialog);
        if (path.isEmpty() || !QFileInfo::exists(path) || SameFile(path, proposed) ||
            MayReplace(parent, path))
            return path;
        suggestion = path;
    }
}

CloseAnswer AskSaveChanges(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Warning, kTitle, QStringLiteral("Save changes to %1?").arg(name),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("SaveChangesQuestion"));
    QPushButton* save = box.addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole);
    QPushButton* dontSave =
        box.addButton(QStringLiteral("Do&n't Save"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    save->setObjectName(QStringLiteral("btSave"));
    dontSave->setObjectName(QStringLiteral("btDontSave"));
    cancel->setObjectName(QStringLiteral("btCancel"));
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return CloseAnswer::Save;
    if (box.clickedButton() == dontSave) return CloseAnswer::DontSave;
    return CloseAnswer::Cancel;
}

} // namespace ui
