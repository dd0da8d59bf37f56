// The main window's commands: files, closing, the dialogs' commands, the clipboard, dropped
// files and help.

#include "app/DocumentPaths.h"
#include "app/HelpLinks.h"
#include "export/ClipboardForms.h"
#include "ui/DialogCommands.h"
#include "ui/DocumentQuestions.h"
#include "ui/MessageBoxes.h"
#include "ui/RecentFilesMenu.h"
#include "ui/TFAbout.h"
#include "ui/TFMain.h"
#include "ui_TFMain.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUndoGroup>

namespace ui {

void TFMain::ConnectCommands() {
    const std::pair<QAction*, void (TFMain::*)()> commands[] = {
        {ui_->acNew, &TFMain::NewDocument},
        {ui_->acOpen, &TFMain::acOpenExecute},
        {ui_->acSave, &TFMain::acSaveExecute},
        {ui_->acSaveAs, &TFMain::acSaveExecute}, // every save asks for the name
        {ui_->miClose, &TFMain::CloseActive},
        {ui_->acExport, &TFMain::acExportExecute},
        {ui_->acPrint, &TFMain::acPrintExecute},
        {ui_->miPrintTestPage, &TFMain::PrintTestPageExecute},
        {ui_->miCalibration, &TFMain::PrinterCalibrationExecute},
        {ui_->miLabelSettings, &TFMain::LabelSettingsExecute},
        {ui_->miSequenceSettings, &TFMain::SequenceSettingsExecute},
        {ui_->acCopy, &TFMain::acCopyExecute},
        {ui_->miPaste, &TFMain::PasteExecute},
        {ui_->miHelp, &TFMain::HelpExecute},
        {ui_->miOnlineSupport, &TFMain::OnlineSupportExecute},
        {ui_->miAbout, &TFMain::AboutExecute},
    };
    for (const auto& [action, command] : commands)
        ConnectCommand(action, &QAction::triggered, this, command);
    ConnectCommand(ui_->miCloseAll, &QAction::triggered, this, &TFMain::CloseAll);
    ConnectCommand(ui_->miPrintSetup, &QAction::triggered, this, [this] { dialogs_->PrintSetup(); });
    ConnectCommand(ui_->miExit, &QAction::triggered, this, &QWidget::close);
}

// Undo and Redo act on the active document's history and are enabled only when it can go that
// way. Redo also answers Ctrl+Y, which Linux does not give it.
void TFMain::SetUpHistory() {
    history_ = new QUndoGroup(this);
    ui_->acUndo->setShortcuts(QKeySequence::Undo);
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redo.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redo.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    ui_->acRedo->setShortcuts(redo);
    ConnectCommand(history_, &QUndoGroup::canUndoChanged, ui_->acUndo, &QAction::setEnabled);
    ConnectCommand(history_, &QUndoGroup::canRedoChanged, ui_->acRedo, &QAction::setEnabled);
    ConnectCommand(ui_->acUndo, &QAction::triggered, this, [this] { StepHistory(true); });
    ConnectCommand(ui_->acRedo, &QAction::triggered, this, [this] { StepHistory(false); });
    ConnectCommand(
        ui_->mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
            auto* document = qobject_cast<TFBarcode*>(window);
            history_->setActiveStack(document ? &document->Document().History() : nullptr);
        });
}

// A focused box that can take back its own typing does so first, as any edit does; then the
// document's steps, after which the toolbar shows the document's values again.
void TFMain::StepHistory(bool back) {
    auto* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (edit && (back ? edit->isUndoAvailable() : edit->isRedoAvailable()))
        return back ? edit->undo() : edit->redo();
    back ? history_->undo() : history_->redo();
    SyncToolbar();
}

void TFMain::acOpenExecute() {
    const QString path = AskOpenPath(this, folder_);
    if (path.isEmpty()) return;
    folder_ = QFileInfo(path).absolutePath();
    OpenDocument(path);
}

void TFMain::acSaveExecute() {
    if (app::BarcodeDocument* document = ActiveDocument()) SaveDocument(*document);
}

// The save dialog proposes the document's name; false when cancelled or when the write failed
// (the failure is shown).
bool TFMain::SaveDocument(app::BarcodeDocument& document) {
    const QString path = AskSavePath(this, folder_, document.FileName());
    if (path.isEmpty()) return false;
    folder_ = QFileInfo(path).absolutePath();
    bool cancelled = false;
    const bool saved = RunShowingFailures(this, [&] {
        try {
            document.SaveToFile(path);
        } catch (const app::ChangedOnDisk& changed) {
            const auto answer = AskDiskChange(this, QString::fromStdString(changed.what()), true);
            cancelled = !answer;
            if (cancelled) return;
            document.SaveToFile(path, platform::LocaleDecimalSeparator(), *answer);
        }
        RememberFile(path);
    });
    return saved && !cancelled;
}

void TFMain::RememberFile(const QString& path) {
    state_.Settings.Recent.Add(path);
    ShowRecentFiles();
}

void TFMain::ShowRecentFiles() {
    FillRecentFilesMenu(*ui_->mnRecentFiles, state_.Settings.Recent.Paths(),
                        [this](const QString& path) { OpenRecentFile(path); });
}

// A document gone since is dropped from the list, and the status bar says so.
void TFMain::OpenRecentFile(const QString& path) {
    if (state_.Settings.Recent.Choose(path)) {
        OpenDocument(path);
        return;
    }
    panel1_->setText(app::RecentFileMissingNote(path));
    ShowRecentFiles();
}

bool TFMain::MayClose(app::BarcodeDocument& document) {
    if (!document.Modified()) return true;
    switch (AskSaveChanges(this, document.Caption())) {
    case CloseAnswer::Save:
        return SaveDocument(document);
    case CloseAnswer::DontSave:
        return true;
    case CloseAnswer::Cancel:
        break;
    }
    return false;
}

void TFMain::CloseActive() {
    if (TFBarcode* window = ActiveWindow()) window->close();
}

// From the last in the window list to the first; false when a document stayed open.
bool TFMain::CloseAll() {
    const QList<TFBarcode*> windows = DocumentWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        if (!(*window)->close()) return false;
    return true;
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (!CloseAll()) {
        event->ignore(); // a document's question was cancelled: the program goes on
        return;
    }
    SaveSettings();
    QMainWindow::closeEvent(event);
}

void TFMain::acExportExecute() {
    if (app::BarcodeDocument* document = ActiveDocument()) dialogs_->Export(*document);
}

void TFMain::acPrintExecute() {
    if (app::BarcodeDocument* document = ActiveDocument()) dialogs_->Print(*document);
}

void TFMain::PrintTestPageExecute() {
    if (app::BarcodeDocument* document = ActiveDocument()) dialogs_->PrintTestPage(*document);
}

// Without a document the dialog edits the sheet that new documents take.
void TFMain::LabelSettingsExecute() {
    dialogs_->LabelSettings(ActiveDocument());
}

void TFMain::PrinterCalibrationExecute() {
    dialogs_->PrinterCalibration();
}

void TFMain::SequenceSettingsExecute() {
    if (app::BarcodeDocument* document = ActiveDocument()) dialogs_->SequenceSettings(*document);
}

// The bitmap as shown, with the SVG and PDF forms beside it.
void TFMain::acCopyExecute() {
    if (const app::BarcodeDocument* document = ActiveDocument())
        QGuiApplication::clipboard()->setMimeData(exporting::ClipboardForms(*document).release());
}

// Only text, and only into the text box; its change handler then filters it.
void TFMain::PasteExecute() {
    if (!ui_->eText->hasFocus()) return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText() || data->text().isEmpty()) return;
    ui_->eText->insert(data->text());
}

void TFMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TFMain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    DropFiles(*event->mimeData());
}

// Only the first document file among the dropped paths opens; the rest are ignored.
void TFMain::DropFiles(const QMimeData& data) {
    QStringList paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    const QString path = app::FirstDroppedDocument(paths);
    if (path.isEmpty()) return;
    OpenDocument(path);
    // The drop came from another program's window: bring the opened document forward.
    activateWindow();
    raise();
}

void TFMain::OpenHandedOver(const QStringList& paths) {
    for (const QString& path : paths)
        if (app::HasDocumentExtension(path)) OpenDocument(path);
    if (isMinimized()) showNormal();
    activateWindow();
    raise();
}

void TFMain::HelpExecute() {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QDesktopServices::openUrl(app::HelpPageUrl(QCoreApplication::applicationDirPath()));
    QApplication::restoreOverrideCursor();
}

void TFMain::OnlineSupportExecute() {
    QDesktopServices::openUrl(app::OnlineSupportUrl(QCoreApplication::applicationDirPath()));
}

void TFMain::AboutExecute() {
    TFAbout(this).exec();
}

} // namespace ui
