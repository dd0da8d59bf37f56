#include "ui/DocumentQuestions.h"

#include "ui/FileChoice.h"
#include "ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace ui {
namespace {

// Opening a document; saving sets `save` and the proposed name.
FileChoice DocumentChoice(const char* objectName, const QString& title) {
    return {.objectName = objectName,
            .title = title,
            .filter = QtFilter(
                QCoreApplication::translate("DocumentQuestions", "Tallyrune Files (*.tlr)|*.tlr")),
            .defaultSuffix = QStringLiteral("tlr")};
}

bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

bool MayReplace(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning,
                    QCoreApplication::translate("DocumentQuestions", "Confirm Save As"),
                    QCoreApplication::translate("DocumentQuestions",
                                                "%1 already exists.\nDo you want to replace it?")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("ReplaceQuestion"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString AskOpenPath(QWidget* parent, const QString& folder) {
    return ChooseFile(parent,
                      DocumentChoice("LoadBarcodeDialog", QCoreApplication::translate(
                                                              "DocumentQuestions", "Load Barcode")),
                      folder)
        .value_or(QString());
}

// Replacing the document's own file needs no question; refusing to replace another one goes
// back to the dialog.
QString AskSavePath(QWidget* parent, const QString& folder, const QString& proposed) {
    FileChoice choice = DocumentChoice(
        "SaveBarcodeDialog", QCoreApplication::translate("DocumentQuestions", "Save Barcode"));
    choice.save = true;
    choice.proposedName = proposed;
    for (;;) {
        const QString path = ChooseFile(parent, choice, folder).value_or(QString());
        if (path.isEmpty() || !QFileInfo::exists(path) || SameFile(path, proposed) ||
            MayReplace(parent, path))
            return path;
        choice.proposedName = path;
    }
}

namespace {

template <typename Answer> struct Choice {
    const char* objectName;
    const char* text; // translated where the button is made
    QMessageBox::ButtonRole role;
    Answer answer;
};

// A warning with one button per choice: the first is the default, the last answers Escape and
// closing the box.
template <typename Answer, std::size_t N>
Answer AskChoice(QWidget* parent, const char* objectName, const QString& text,
                 const Choice<Answer> (&choices)[N]) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramTitle), text,
                    QMessageBox::NoButton, parent);
    box.setObjectName(QString::fromLatin1(objectName));
    std::vector<QPushButton*> buttons;
    for (const Choice<Answer>& choice : choices) {
        buttons.push_back(box.addButton(
            QCoreApplication::translate("DocumentQuestions", choice.text), choice.role));
        buttons.back()->setObjectName(QString::fromLatin1(choice.objectName));
    }
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return choices[i].answer;
    return choices[N - 1].answer;
}

} // namespace

CloseAnswer AskSaveChanges(QWidget* parent, const QString& name) {
    static constexpr Choice<CloseAnswer> kChoices[] = {
        {"btSave", QT_TRANSLATE_NOOP("DocumentQuestions", "&Save"), QMessageBox::AcceptRole,
         CloseAnswer::Save}, // the default
        {"btDontSave", QT_TRANSLATE_NOOP("DocumentQuestions", "Do&n't Save"),
         QMessageBox::DestructiveRole, CloseAnswer::DontSave},
        {"btCancel", QT_TRANSLATE_NOOP("DocumentQuestions", "Cancel"), QMessageBox::RejectRole,
         CloseAnswer::Cancel}, // Escape
    };
    return AskChoice(
        parent, "SaveChangesQuestion",
        QCoreApplication::translate("DocumentQuestions", "Save changes to %1?").arg(name),
        kChoices);
}

std::optional<app::DiskChange> AskDiskChange(QWidget* parent, const QString& message,
                                             bool mayOverwrite) {
    using Answer = std::optional<app::DiskChange>;
    static const Choice<Answer> kSave[] = {
        {"btTakeFile", QT_TRANSLATE_NOOP("DocumentQuestions", "&Use the File's Sequence"),
         QMessageBox::AcceptRole, app::DiskChange::TakeFileSequence},
        {"btOverwrite", QT_TRANSLATE_NOOP("DocumentQuestions", "&Overwrite"),
         QMessageBox::DestructiveRole, app::DiskChange::Overwrite},
        {"btCancel", QT_TRANSLATE_NOOP("DocumentQuestions", "Cancel"), QMessageBox::RejectRole,
         std::nullopt},
    };
    static const Choice<Answer> kPrint[] = {
        {"btTakeFile", QT_TRANSLATE_NOOP("DocumentQuestions", "&Use the File's Sequence"),
         QMessageBox::AcceptRole, app::DiskChange::TakeFileSequence},
        {"btCancel", QT_TRANSLATE_NOOP("DocumentQuestions", "Cancel"), QMessageBox::RejectRole,
         std::nullopt},
    };
    return mayOverwrite ? AskChoice(parent, "DiskChangeQuestion", message, kSave)
                        : AskChoice(parent, "DiskChangeQuestion", message, kPrint);
}

} // namespace ui
