// The main window: start-up, the toolbar and the documents it edits.

#include "ui/TFMain.h"

#include "app/DocumentPaths.h"
#include "app/MatrixControls.h"
#include "app/ScanMonitor.h"
#include "app/ToolbarRules.h"
#include "engine/Symbology.h"
#include "export/ExportSettings.h"
#include "print/DeviceMetrics.h"
#include "shell/FileAssociation.h"
#include "ui/ActionShortcutsFirst.h"
#include "ui/Application.h"
#include "ui/DialogCommands.h"
#include "ui/ExitWatcher.h"
#include "ui/KeyFilters.h"
#include "ui/LatinText.h"
#include "ui/MessageBoxes.h"
#include "ui/QtDialogNames.h"
#include "ui_TFMain.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QUndoGroup>

#include <algorithm>
#include <array>

namespace ui {
namespace {

const QString kCaption = QStringLiteral("Tallyrune v3.1");
constexpr int kHeightBoxLength = 7; // characters

// The engine's character set hints (engine::CharClassHint), which the status bar shows in the
// user's language; the engine itself has no catalogue.
[[maybe_unused]] constexpr const char* kCharClassHints[] = {
    QT_TRANSLATE_NOOP("CharClassHint", "Alpha Numeric"),
    QT_TRANSLATE_NOOP("CharClassHint", "Alpha Numeric (Upper)"),
    QT_TRANSLATE_NOOP("CharClassHint", "Numeric Only"),
    QT_TRANSLATE_NOOP("CharClassHint", "Any Text"),
    QT_TRANSLATE_NOOP("CharClassHint", "GS1 Data (AI)"),
};

// A selection made by the program raises no change event.
void SelectQuietly(QComboBox& list, int index) {
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(index);
}

QStringList TypeListItems() {
    std::array<QString, engine::kSymbologyCount> items;
    for (const engine::SymbologyInfo& row : engine::SymbologyCatalogue())
        items.at(static_cast<std::size_t>(row.listPosition)) =
            QString::fromLatin1(row.listItem.data(), static_cast<qsizetype>(row.listItem.size()));
    return QStringList(items.begin(), items.end());
}

} // namespace

TFMain::TFMain(ui::AppState& state, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TFMain>()), state_(state),
      arguments_(std::move(arguments)), decimal_(platform::LocaleDecimalSeparator()),
      folder_(QDir::currentPath()) {
    LoadArtwork();
    ui_->setupUi(this);
    SetUpControls();
    ConnectCommands();
    SetUpHistory();
    ConnectToolbar();

    ui_->eHeight->setText(app::FormatSize(0.5, decimal_));
    LoadSettings();
    print::RefreshPrinterMetrics(state_.Printer, state_.Settings.Labels, state_.Metrics,
                                 state_.Settings.Printing.PrintScale);
    setWindowTitle(kCaption + QStringLiteral("[*]")); // marked while the active document is
    CheckUnits(state_.Settings.Unit);
    ShowUnits();
    syncEnabled_ = true;
    nextDocNumber_ = 1;
    SelectQuietly(*ui_->cbScale, 0);
    SelectQuietly(*ui_->cbRotate, 0);
    toolbarFont_ = QFont(QStringLiteral("Courier New"), 8);
    ui_->eFont->setText(toolbarFont_.family());
    ShowCharsetHint();
    openParamPending_ = !arguments_.isEmpty();
    shell::AssociateDocuments(state_.Settings.Path);

    dialogs_ = std::make_unique<DialogCommands>(*this, state_);
    dialogs_->SetStatusPanel([this](const QString& text) {
        panel1_->setText(text);
        panel1_->repaint(); // seen even when the test page prints without a dialog
    });
}

TFMain::~TFMain() = default;

void TFMain::SetUpControls() {
    setWindowIcon(QIcon(QStringLiteral(":/tallyrune.svg")));
    ui_->cbBarcodeType->addItems(TypeListItems());
    const std::pair<QToolButton*, QAction*> buttons[] = {
        {ui_->tbOpen, ui_->acOpen}, {ui_->tbSave, ui_->acSave},   {ui_->tbExport, ui_->acExport},
        {ui_->tbCopy, ui_->acCopy}, {ui_->tbPrint, ui_->acPrint},
    };
    for (const auto& [button, action] : buttons)
        button->setDefaultAction(action);
    auto* units = new QActionGroup(this);
    units->addAction(ui_->miMetrics);
    units->addAction(ui_->miImperial);

    // The window's shortcuts work whatever edit has the focus.
    // Undo and Redo ask the focused box first (StepHistory).
    const QList<QAction*> shortcuts = {ui_->acNew,   ui_->acOpen,  ui_->acSave, ui_->acExport,
                                       ui_->acPrint, ui_->acCopy,  ui_->acUndo, ui_->acRedo,
                                       ui_->miClose, ui_->miPaste, ui_->miHelp};
    auto* shortcutsFirst = new ActionShortcutsFirst(shortcuts, this);
    for (QLineEdit* edit : {ui_->eText, ui_->eHeight, ui_->eWidth, ui_->eFont})
        edit->installEventFilter(shortcutsFirst);
    FilterDecimalCharacters(*ui_->eHeight, kHeightBoxLength);
    auto* exits = new ExitWatcher(this);
    exits->Watch(ui_->eHeight, [this] {
        eHeightExit();
        return true;
    });
    for (QLineEdit* edit : {ui_->eText, ui_->eHeight})
        edit->installEventFilter(this); // dropped files, the height box's clicks, typing's end
    SetUpStatusBar();
    SetUpPopupMenu();
}

void TFMain::SetUpStatusBar() {
    panel0_ = new QLabel;
    panel0_->setObjectName(QStringLiteral("StatusPanel0"));
    panel0_->setFixedWidth(120);
    panel1_ = new QLabel;
    panel1_->setObjectName(QStringLiteral("StatusPanel1"));
    panel1_->setMinimumWidth(50);
    for (QLabel* panel : {panel0_, panel1_}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
    }
    statusBar()->addWidget(panel0_);
    statusBar()->addWidget(panel1_, 1); // the last panel takes the rest of the bar
    scanPanel_ = new QLabel;
    scanPanel_->setObjectName(QStringLiteral("ScanPanel"));
    scanPanel_->setMinimumWidth(160);
    scanPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    scanPanel_->setIndent(2);
    statusBar()->addPermanentWidget(scanPanel_);
    scan_ = new app::ScanMonitor(this);
    ConnectCommand(scan_, &app::ScanMonitor::verdictChanged, this, &TFMain::ShowScanVerdict);
}

// The scan check follows the active document; it runs a moment after the last change.
void TFMain::CheckActiveScan() {
    if (const app::BarcodeDocument* document = ActiveDocument())
        scan_->Schedule(*document);
    else
        scan_->Clear();
}

void TFMain::ShowScanVerdict(const app::ScanVerdict& verdict) {
    const char* colour = verdict.outcome == app::ScanOutcome::Matches ? "#1a7f37"
                         : verdict.Failed()                           ? "#c62828"
                                                                      : "";
    scanPanel_->setStyleSheet(*colour ? QStringLiteral("color: %1").arg(QLatin1String(colour))
                                      : QString());
    scanPanel_->setText(verdict.Message());
    if (TFBarcode* window = ActiveWindow()) window->ShowScanVerdict(verdict);
}

// The pop-up's "&New" and "C&lose" are the File menu's commands under shorter names.
void TFMain::SetUpPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    pmNew_ = new QAction(tr("&New"), popup_);
    pmNew_->setObjectName(QStringLiteral("pmNew"));
    pmClose_ = new QAction(tr("C&lose"), popup_);
    pmClose_->setObjectName(QStringLiteral("pmClose"));
    for (const auto& [item, command] : {std::pair{pmNew_, ui_->acNew}, {pmClose_, ui_->miClose}}) {
        item->setIcon(command->icon());
        item->setShortcut(command->shortcut()); // shown; active only while the pop-up is
        item->setShortcutContext(Qt::WidgetShortcut);
        ConnectCommand(item, &QAction::triggered, command, &QAction::trigger);
    }
    popup_->addAction(ui_->acCopy);
    popup_->addSeparator();
    popup_->addAction(ui_->acPrint);
    popup_->addSeparator();
    popup_->addAction(pmNew_);
    popup_->addAction(ui_->acSave);
    popup_->addAction(pmClose_);
}

void TFMain::ConnectToolbar() {
    ConnectCommand(ui_->cbBarcodeType, &QComboBox::currentIndexChanged, this,
            &TFMain::cbBarcodeTypeChange);
    ConnectCommand(ui_->cbEcc, &QComboBox::currentIndexChanged, this, &TFMain::cbEccChange);
    ConnectCommand(ui_->cbSymbolSize, &QComboBox::currentIndexChanged, this, &TFMain::cbSymbolSizeChange);
    ConnectCommand(ui_->eText, &QLineEdit::textChanged, this, &TFMain::eTextChange);
    ConnectCommand(ui_->cbScale, &QComboBox::currentIndexChanged, this, &TFMain::cbScaleChange);
    ConnectCommand(ui_->cbRotate, &QComboBox::currentIndexChanged, this, &TFMain::cbRotateChange);
    ConnectCommand(ui_->cbInterpret, &QCheckBox::toggled, this, &TFMain::cbInterpretClick);
    ConnectCommand(ui_->sbFont, &QToolButton::clicked, this, &TFMain::sbFontClick);
    ConnectCommand(ui_->eHeight, &QLineEdit::returnPressed, this, &TFMain::eHeightExit);
    ConnectCommand(ui_->miMetrics, &QAction::triggered, this,
                   [this] { SwitchUnits(engine::Unit::Centimetre); });
    ConnectCommand(ui_->miImperial, &QAction::triggered, this,
                   [this] { SwitchUnits(engine::Unit::Inch); });
    ConnectCommand(ui_->mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window && !creatingDocument_) SyncToolbar();
    });
    ConnectCommand(ui_->mdiArea, &DocumentArea::menuRequested, this, &TFMain::PopupMenuAt);
    ConnectCommand(ui_->mdiArea, &QMdiArea::subWindowActivated, this, &TFMain::CheckActiveScan);
    ConnectCommand(ui_->mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        setWindowModified(window && window->isWindowModified());
    });
}

// The window group, the label sheet and print choices, the program folder and the export
// dialog's choices, from the settings store.
void TFMain::LoadSettings() {
    state_.Store.Load(state_.Settings, state_.Export, QCoreApplication::applicationDirPath());
    const app::WindowSettings& window = state_.Settings.Window;
    move(window.Left, window.Top);
    resize(window.Width, window.Height);
    SelectQuietly(*ui_->cbBarcodeType, window.BarcodeType); // past the list: nothing selected
    ShowRecentFiles();
}

// The bounds of the normal (not maximised) window, its frame's corner as placed by move().
void TFMain::SaveSettings() {
    const bool normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const QRect client = normal ? geometry() : normalGeometry();
    const QPoint frame = geometry().topLeft() - pos();
    app::WindowSettings& window = state_.Settings.Window;
    window.Left = client.left() - frame.x();
    window.Top = client.top() - frame.y();
    window.Width = client.width();
    window.Height = client.height();
    window.BarcodeType = ui_->cbBarcodeType->currentIndex();
    state_.Store.Save(state_.Settings);
}

void TFMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    NewDocument(); // the program always starts with one empty document
    const QString path = openParamPending_ ? app::CommandLineDocument(arguments_) : QString();
    openParamPending_ = false;
    if (!path.isEmpty()) OpenDocument(path);
}

TFBarcode* TFMain::ActiveWindow() const {
    return qobject_cast<TFBarcode*>(ui_->mdiArea->currentSubWindow());
}

app::BarcodeDocument* TFMain::ActiveDocument() const {
    TFBarcode* window = ActiveWindow();
    return window ? &window->Document() : nullptr;
}

QList<TFBarcode*> TFMain::DocumentWindows() const {
    QList<TFBarcode*> windows;
    for (QMdiSubWindow* window : ui_->mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto* document = qobject_cast<TFBarcode*>(window)) windows.append(document);
    return windows;
}

// Shown before it is filled, so that the redraw that fills it fits a visible window.
TFBarcode* TFMain::CreateDocumentWindow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    const auto thaw = qScopeGuard([this] {
        setUpdatesEnabled(true);
        QApplication::restoreOverrideCursor();
    });
    auto* window =
        new TFBarcode(*this, state_.Metrics, state_.Settings.Unit, state_.Settings.Labels);
    ui_->mdiArea->addSubWindow(window);
    history_->addStack(&window->Document().History());
    const app::BarcodeDocument* document = &window->Document();
    ConnectCommand(document, &app::BarcodeDocument::rendered, this, [this, document] {
        if (document == ActiveDocument()) scan_->Schedule(*document);
    });
    ConnectCommand(document, &app::BarcodeDocument::modifiedChanged, this, [this, document](bool mark) {
        if (document == ActiveDocument()) setWindowModified(mark);
    });
    window->show();
    return window;
}

void TFMain::NewDocument() {
    const double height = NormaliseHeightBox();
    TFBarcode* window = nullptr;
    {
        const QScopedValueRollback creating(creatingDocument_, true);
        window = CreateDocumentWindow();
        app::BarcodeDocument& document = window->Document();
        const app::OutsideHistory filling(document); // a new document has nothing to undo
        {
            const app::ScopedSuspension suspended(document); // one drawing, below
            document.SetFileName(QStringLiteral("barcode_%1").arg(nextDocNumber_));
            document.SetScale(std::max(ui_->cbScale->currentIndex(), 0) + 1);
            document.SetBarHeight(height);
            document.SetSymbology(engine::ComboToSymbology(ui_->cbBarcodeType->currentIndex()));
            document.SetInterpret(ui_->cbInterpret->isChecked());
            document.SetRotation(static_cast<std::uint8_t>(std::max(ui_->cbRotate->currentIndex(), 0)));
            document.SetBarcodeFont(toolbarFont_);
        }
        document.Refresh();
        document.SetBarUnit(state_.Settings.Unit);
        document.ClearModified();
    }
    ui_->mdiArea->setActiveSubWindow(window);
    SyncToolbar();
    ui_->eText->setFocus(); // typing right after New goes into the new document's text
    ++nextDocNumber_;
}

// A file that is no document is refused before any window changes; values brought into range
// are told once the document shows.
void TFMain::OpenDocument(const QString& path) {
    std::optional<app::OpenedDocument> opened;
    if (!RunShowingFailures(this,
                            [&] { opened = app::ReadOpenedDocument(path, state_.Settings.Unit); }))
        return;
    const app::BarcodeDocument* active = ActiveDocument();
    if (!active || !active->BarcodeText().empty()) NewDocument();
    app::BarcodeDocument& document = *ActiveDocument();
    const std::optional<app::Corrections> corrections = document.Open(path, opened);
    if (corrections) RememberFile(path);
    {
        const app::OutsideHistory opening(document);
        document.SetBarcodeText(document.BarcodeText()); // what the symbology carries of it
    }
    SyncToolbar();
    document.ClearModified();
    ui_->eText->setFocus();
    if (corrections && !corrections->empty())
        ShowMessage(this, app::CorrectionsNote(path, *corrections));
}

void TFMain::SyncToolbar() {
    app::BarcodeDocument* document = ActiveDocument();
    if (!document) return;
    const QScopedValueRollback pause(syncEnabled_, false);
    CheckUnits(document->BarUnit());
    ShowUnitLabels();
    SelectQuietly(*ui_->cbScale, document->Scale() - 1);
    ShowSizes();
    ui_->cbInterpret->setChecked(document->Interpret());
    SelectQuietly(*ui_->cbRotate, document->Rotation());
    const int typeIndex = engine::SymbologyToCombo(document->Symbology());
    if (typeIndex >= 0) SelectQuietly(*ui_->cbBarcodeType, typeIndex);
    ui_->eText->setText(app::ShownText(document->Symbology(), document->BarcodeText()));
    ui_->eText->selectAll();
    ShowMatrixOptions();
    toolbarFont_ = document->BarcodeFont();
    ui_->eFont->setText(toolbarFont_.family());
    ShowCharsetHint();
}

void TFMain::ShowSizes() {
    const QScopedValueRollback pause(syncEnabled_, false);
    const app::SizeReadouts sizes = app::ReadoutsOf(ActiveDocument(), checkedUnit_, decimal_);
    ui_->eHeight->setText(sizes.height);
    ui_->eWidth->setText(sizes.width);
}

// The boxes' unit is told to screen readers as well: the labels beside them are no buddies.
void TFMain::ShowUnitLabels() {
    const QString unit = app::UnitName(checkedUnit_);
    for (QLabel* label : {ui_->LUnits, ui_->LUnits2})
        label->setText(unit);
    for (QLineEdit* box : {ui_->eHeight, ui_->eWidth})
        box->setAccessibleDescription(unit);
}

void TFMain::ShowUnits() {
    ShowUnitLabels();
    ShowSizes();
}

void TFMain::CheckUnits(engine::Unit unit) {
    checkedUnit_ = unit;
    ui_->miMetrics->setChecked(unit == engine::Unit::Centimetre);
    ui_->miImperial->setChecked(unit == engine::Unit::Inch);
}

// Only the active document is converted; the others keep their unit.
void TFMain::SwitchUnits(engine::Unit unit) {
    if (checkedUnit_ == unit) return CheckUnits(unit);
    const QScopedValueRollback pause(syncEnabled_, false);
    CheckUnits(unit);
    state_.Settings.Unit = unit;
    if (app::BarcodeDocument* document = ActiveDocument()) {
        const app::HistoryStep step(*document, QStringLiteral("Units"));
        document->SetBarUnit(unit);
        document->SetBarHeight(app::ConvertBarHeight(document->BarHeight(), unit));
    }
    ShowUnits();
}

void TFMain::ShowCharsetHint() {
    const engine::SymbologyInfo* row =
        engine::FindSymbology(engine::ComboToSymbology(ui_->cbBarcodeType->currentIndex()));
    const std::string hint(engine::CharClassHint(row->charClass));
    panel0_->setText(QCoreApplication::translate("CharClassHint", hint.c_str()));
}

// The error correction and size lists of the active document's symbology, shown only where
// the symbology has the choice, so the linear ones keep the toolbar's room; the height box is
// read-only where the module sets the height.
void TFMain::ShowMatrixOptions() {
    const app::BarcodeDocument* document = ActiveDocument();
    if (!document) return;
    const auto show = [](QLabel& label, QComboBox& box, const app::OptionList& list) {
        const QSignalBlocker quiet(box);
        box.clear();
        box.addItems(list.items);
        box.setCurrentIndex(list.current);
        box.setEnabled(list.enabled);
        box.setVisible(list.enabled);
        label.setVisible(list.enabled);
    };
    show(*ui_->lEcc, *ui_->cbEcc, app::EccList(*document));
    show(*ui_->lSymbolSize, *ui_->cbSymbolSize, app::SizeList(*document));
    ui_->eHeight->setReadOnly(!app::HeightApplies(document->Symbology()));
}

void TFMain::cbEccChange(int index) {
    if (app::BarcodeDocument* document = ActiveDocument(); syncEnabled_ && document)
        app::ChooseEcc(*document, index);
    ShowSizes();
}

void TFMain::cbSymbolSizeChange(int index) {
    if (app::BarcodeDocument* document = ActiveDocument(); syncEnabled_ && document)
        app::ChooseSize(*document, index);
    ShowSizes();
}

void TFMain::cbBarcodeTypeChange(int index) {
    ShowCharsetHint();
    app::BarcodeDocument* document = ActiveDocument();
    if (!syncEnabled_ || !document) return;
    document->SetSymbology(engine::ComboToSymbology(index));
    ui_->eText->setText(app::ShownText(document->Symbology(), document->BarcodeText()));
    ui_->eText->selectAll();
    ShowMatrixOptions();
    ShowSizes();
}

// A character the symbology refuses is dropped at once: the box shows what was stored.
void TFMain::eTextChange(const QString& text) {
    app::BarcodeDocument* document = ActiveDocument();
    if (!syncEnabled_ || !document) return;
    document->SetBarcodeText(app::StoredText(document->Symbology(), text));
    const QString stored = app::ShownText(document->Symbology(), document->BarcodeText());
    if (stored != text) {
        const QScopedValueRollback pause(syncEnabled_, false);
        ui_->eText->setText(stored);
        ui_->eText->setCursorPosition(static_cast<int>(stored.size()));
    }
    ShowSizes();
}

void TFMain::cbScaleChange(int index) {
    app::BarcodeDocument* document = ActiveDocument();
    if (!syncEnabled_ || !document) return;
    document->SetScale(index + 1);
    ShowSizes();
}

void TFMain::cbRotateChange(int index) {
    app::BarcodeDocument* document = ActiveDocument();
    if (!syncEnabled_ || !document) return;
    document->SetRotation(static_cast<std::uint8_t>(index));
    ShowSizes();
}

void TFMain::cbInterpretClick(bool checked) {
    app::BarcodeDocument* document = ActiveDocument();
    if (syncEnabled_ && document) document->SetInterpret(checked);
}

// Only scalable fonts, at the one size the toolbar uses.
void TFMain::sbFontClick() {
    app::BarcodeDocument* document = ActiveDocument();
    QFont current = document ? document->BarcodeFont() : toolbarFont_;
    current.setFamily(QFontInfo(current).family()); // the face it resolves to, listed as such
    QFontDialog dialog(current, this);
    dialog.setWindowTitle(tr("Font"));
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    NameFontDialogControls(dialog);
    if (dialog.exec() != QDialog::Accepted) return;
    QFont chosen = dialog.selectedFont();
    chosen.setPointSize(toolbarFont_.pointSize() > 0 ? toolbarFont_.pointSize() : 8);
    toolbarFont_ = chosen;
    ui_->eFont->setText(chosen.family());
    document = ActiveDocument();
    if (syncEnabled_ && document) {
        document->SetBarcodeFont(chosen);
    }
}

// The box's value, written back as the box shows numbers; a bad one becomes the default.
double TFMain::NormaliseHeightBox() {
    const double value = app::HeightBoxValue(ui_->eHeight->text(), checkedUnit_, decimal_);
    const QString shown = app::FormatSize(value, decimal_);
    if (ui_->eHeight->text() != shown) ui_->eHeight->setText(shown);
    return value;
}

// A box that still shows the document's height leaves it as it is: the shown value is rounded
// to three decimals, and applying it would move a height the window was dragged to.
void TFMain::eHeightExit() {
    const QScopedValueRollback pause(syncEnabled_, false);
    app::BarcodeDocument* document = ActiveDocument();
    const bool untouched =
        document && ui_->eHeight->text() == app::FormatSize(document->BarHeight(), decimal_);
    const double value = NormaliseHeightBox();
    if (document && !untouched) document->SetBarHeight(value);
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls()) break; // text still drops into the edit
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop) DropFiles(*drop->mimeData());
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (watched == ui_->eHeight) eHeightExit();
        break;
    case QEvent::FocusOut:
        if (app::BarcodeDocument* document = ActiveDocument(); watched == ui_->eText && document)
            document->EndEdit();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) SyncToolbar();
}

void TFMain::PopupMenuAt(const QPoint& globalPosition) {
    if (ActiveDocument()) popup_->popup(globalPosition);
}

} // namespace ui
