#include "ui/FileChoice.h"

#include <QFileDialog>
#include <QLabel>
#include <QStringList>

namespace ui {
namespace {

// Qt's own dialog leaves its two lists without their labels as buddies, so a screen reader names
// them by the folder or filter they show; the names are those of Qt's form.
void LabelTheLists(QFileDialog& dialog) {
    const std::pair<const char*, const char*> pairs[] = {{"lookInLabel", "lookInCombo"},
                                                         {"fileTypeLabel", "fileTypeCombo"}};
    for (const auto& [label, list] : pairs) {
        auto* labelWidget = dialog.findChild<QLabel*>(QString::fromLatin1(label));
        auto* listWidget = dialog.findChild<QWidget*>(QString::fromLatin1(list));
        if (labelWidget && listWidget) labelWidget->setBuddy(listWidget);
    }
}

} // namespace

std::optional<QString> ChooseFile(QWidget* parent, const FileChoice& choice,
                                  const QString& folder) {
    QFileDialog dialog(parent, choice.title, folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setObjectName(QString::fromLatin1(choice.objectName));
    dialog.setNameFilter(choice.filter);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
    if (!choice.proposedName.isEmpty()) dialog.selectFile(choice.proposedName);
    LabelTheLists(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString QtFilter(const QString& barSeparated) {
    const QStringList parts = barSeparated.split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        descriptions << parts[i];
    return descriptions.join(QStringLiteral(";;"));
}

} // namespace ui
