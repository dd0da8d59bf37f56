#pragma once
// The designer's main window: a multiple-document frame whose toolbar edits the active
// document, with the commands that create, open, save, copy, export and print documents.

#include "ui/AppState.h"
#include "ui/TFBarcode.h"

#include <QFont>
#include <QMainWindow>
#include <QStringList>

#include <memory>

namespace Ui {
class TFMain;
}
class QComboBox;
class QLabel;
class QMenu;
class QMimeData;
class QUndoGroup;

namespace app {
class ScanMonitor;
struct ScanVerdict;
} // namespace app

namespace ui {

class DialogCommands;

class TFMain : public QMainWindow, private DocumentHost {
    Q_OBJECT

  public:
    // Loads the settings into `state` and sets up the window; `arguments` are the command
    // line's arguments after the program's name (a first ".TLR" one opens at the first show).
    TFMain(ui::AppState& state, QStringList arguments, QWidget* parent = nullptr);
    ~TFMain() override;

    // A document filled from the toolbar (its text empty), made active.
    void NewDocument();
    // Opens the file into the active document when its text is empty, else into a new one.
    void OpenDocument(const QString& path);
    // Files another designer process handed over: each document file opens, and the window
    // comes forward (also when nothing was handed over).
    void OpenHandedOver(const QStringList& paths);
    // Fills the toolbar from the active document.
    void SyncToolbar();
    // The height and width boxes from the active document.
    void ShowSizes() override;
    // The unit labels as the Units menu says, then ShowSizes.
    void ShowUnits();

    TFBarcode* ActiveWindow() const;
    app::BarcodeDocument* ActiveDocument() const;
    // The document windows in the order they were created.
    QList<TFBarcode*> DocumentWindows() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void PopupMenuAt(const QPoint& globalPosition) override;
    bool MayClose(app::BarcodeDocument& document) override;

    void SetUpControls();
    void SetUpStatusBar();
    void CheckActiveScan();
    void ShowScanVerdict(const app::ScanVerdict& verdict);
    void SetUpPopupMenu();
    void ConnectCommands();
    void SetUpHistory();
    void ConnectToolbar();
    void LoadSettings();
    void SaveSettings();

    // Toolbar handlers.
    void cbBarcodeTypeChange(int index);
    void cbEccChange(int index);
    void cbSymbolSizeChange(int index);
    void ShowMatrixOptions();
    void eTextChange(const QString& text);
    void cbScaleChange(int index);
    void cbRotateChange(int index);
    void cbInterpretClick(bool checked);
    void sbFontClick();
    void eHeightExit();
    double NormaliseHeightBox();
    void ShowCharsetHint();
    void ShowUnitLabels();
    void CheckUnits(engine::Unit unit);
    void SwitchUnits(engine::Unit unit);
    TFBarcode* CreateDocumentWindow();

    // Commands.
    void StepHistory(bool back);
    void acOpenExecute();
    void acSaveExecute();
    bool SaveDocument(app::BarcodeDocument& document);
    void CloseActive();
    bool CloseAll();
    void acExportExecute();
    void acPrintExecute();
    void PrintTestPageExecute();
    void LabelSettingsExecute();
    void SequenceSettingsExecute();
    void acCopyExecute();
    void PasteExecute();
    void HelpExecute();
    void OnlineSupportExecute();
    void AboutExecute();
    void DropFiles(const QMimeData& data);
    void PrinterCalibrationExecute();
    void ShowRecentFiles();
    void OpenRecentFile(const QString& path);
    void RememberFile(const QString& path);

    std::unique_ptr<Ui::TFMain> ui_;
    ui::AppState& state_;
    const QStringList arguments_;
    const QChar decimal_;
    std::unique_ptr<DialogCommands> dialogs_;
    QLabel* panel0_ = nullptr;    // the symbology's character set
    QLabel* panel1_ = nullptr;    // "Preparing to Print"
    QLabel* scanPanel_ = nullptr; // what the active document's picture scans as
    app::ScanMonitor* scan_ = nullptr;
    QMenu* popup_ = nullptr;
    QUndoGroup* history_ = nullptr; // the active document's history
    QAction* pmNew_ = nullptr;
    QAction* pmClose_ = nullptr;
    QFont toolbarFont_;
    QString folder_; // where the file dialogs start

    bool syncEnabled_ = false; // the toolbar's handlers write into the document
    int nextDocNumber_ = 1;    // of the next new document's name
    bool openParamPending_ = false;
    bool shownOnce_ = false;
    engine::Unit checkedUnit_ = engine::Unit::Inch; // what the Units menu shows
    bool creatingDocument_ = false;
};

} // namespace ui
