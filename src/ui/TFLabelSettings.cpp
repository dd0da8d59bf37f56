#include "ui/TFLabelSettings.h"

#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "print/DeviceMetrics.h"
#include "print/GlabelsTemplates.h"
#include "print/LabelFormatFile.h"
#include "print/LabelLayout.h"
#include "print/LabelTemplateCatalogue.h"
#include "print/PaperSize.h"
#include "print/UserTemplates.h"
#include "ui/DialogPlacement.h"
#include "ui/ExitWatcher.h"
#include "ui/FileChoice.h"
#include "ui/KeyFilters.h"
#include "ui/MessageBoxes.h"
#include "ui/ScreenFit.h"
#include "ui_TFLabelSettings.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace ui {
namespace {

using print::LabelBox;

constexpr LabelBox kBoxes[] = {LabelBox::Height, LabelBox::Width,     LabelBox::Top,
                               LabelBox::Left,   LabelBox::GapHeight, LabelBox::GapWidth};

} // namespace

void EditLabelSheet(QWidget& owner, ui::AppState& state, app::BarcodeDocument* document) {
    TFLabelSettings dialog(&owner, state);
    CentreOver(dialog, owner);
    if (document) state.Settings.Labels = document->Labels();
    dialog.exec();
    if (document) document->SetLabels(state.Settings.Labels);
    print::RecomputeLayout(state.Settings.Labels, state.Metrics,
                           state.Settings.Printing.PrintScale);
}

TFLabelSettings::TFLabelSettings(QWidget* parent, ui::AppState& state)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), state_(state),
      ui_(std::make_unique<Ui::TFLabelSettings>()) {
    ui_->setupUi(this);
    FixDialogFrame(*this);
    auto* exits = new ExitWatcher(this);
    for (const LabelBox box : kBoxes) {
        FilterLengthCharacters(*Box(box), print::kLabelBoxLength);
        exits->Watch(Box(box), [this, box] { return LeaveBox(box); });
    }
    ConnectCommand(ui_->RadioButton1, &QRadioButton::clicked, this,
                   [this] { UnitClick(engine::Unit::Inch); });
    ConnectCommand(ui_->RadioButton2, &QRadioButton::clicked, this,
                   [this] { UnitClick(engine::Unit::Centimetre); });
    ConnectCommand(ui_->LoadBtn, &QPushButton::clicked, this, &TFLabelSettings::LoadBtnClick);
    ConnectCommand(ui_->SaveBtn, &QPushButton::clicked, this, &TFLabelSettings::SaveBtnClick);
    ConnectCommand(ui_->BitBtn1, &QPushButton::clicked, this, [this] {
        RunShowingFailures(this, [this] { CommitSheet(); });
        accept();
    });
    OfferTemplates({});
    ui_->lbTemplates->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui_->eTemplateSearch->installEventFilter(this);
    ConnectCommand(ui_->eTemplateSearch, &QLineEdit::textChanged, this, &TFLabelSettings::ShowTemplates);
    ConnectCommand(ui_->lbTemplates, &QListWidget::currentRowChanged, this,
            &TFLabelSettings::TemplateChosen);
    ConnectCommand(ui_->TemplateImportBtn, &QPushButton::clicked, this,
            &TFLabelSettings::TemplateImportBtnClick);
    ConnectCommand(ui_->cbRoll, &QCheckBox::toggled, this, &TFLabelSettings::RollClick);
    ShowTemplates();
    FitTemplateList();
    KeepWithinScreen(*this); // last: the body is complete
}

// Wide enough for the lines listed, so that no column is cut off.
void TFLabelSettings::FitTemplateList() {
    QListWidget& list = *ui_->lbTemplates;
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setMinimumWidth(list.sizeHintForColumn(0) + 2 * list.frameWidth() +
                         list.verticalScrollBar()->sizeHint().width());
}

TFLabelSettings::~TFLabelSettings() = default;

void TFLabelSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowSheet();
    UpdateReadouts();
}

// Return in the search box chooses the first sheet found instead of closing the dialog.
bool TFLabelSettings::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ui_->eTemplateSearch || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (!shown_.empty()) ui_->lbTemplates->setCurrentRow(0);
    return true;
}

QLineEdit* TFLabelSettings::Box(LabelBox box) const {
    QLineEdit* const boxes[] = {ui_->Edit3, ui_->Edit4, ui_->Edit1,
                                ui_->Edit2, ui_->Edit5, ui_->Edit6};
    return boxes[static_cast<int>(box)];
}

engine::Unit TFLabelSettings::CheckedUnit() const {
    return ui_->RadioButton2->isChecked() ? engine::Unit::Centimetre : engine::Unit::Inch;
}

print::LabelBoxes TFLabelSettings::Boxes() const {
    print::LabelBoxes boxes;
    for (const LabelBox box : kBoxes)
        boxes[box] = Box(box)->text();
    boxes.Unit = CheckedUnit();
    boxes.Feed = ui_->cbRoll->isChecked() ? app::LabelFeed::Roll : app::LabelFeed::Sheet;
    return boxes;
}

void TFLabelSettings::ShowBoxes(const print::LabelBoxes& boxes) {
    (boxes.Unit == engine::Unit::Centimetre ? ui_->RadioButton2 : ui_->RadioButton1)
        ->setChecked(true);
    boxesUnit_ = boxes.Unit;
    for (const LabelBox box : kBoxes)
        Box(box)->setText(boxes[box]);
    const bool roll = boxes.Feed == app::LabelFeed::Roll;
    const QSignalBlocker quiet(ui_->cbRoll); // showing a roll is no user's choice
    ui_->cbRoll->setChecked(roll);
    ui_->gbMargins->setEnabled(!roll);
    ui_->gbGutters->setEnabled(!roll);
}

// Setting the unit buttons from the sheet converts nothing.
void TFLabelSettings::ShowSheet() {
    ShowBoxes(print::BoxesOfSheet(state_.Settings.Labels));
}

void TFLabelSettings::UpdateReadouts() {
    const print::LabelReadouts readouts = print::ReadoutsOf(Boxes(), state_.Metrics);
    ui_->lRows->setText(readouts.Rows);
    ui_->lColumns->setText(readouts.Columns);
    ui_->LnpTop->setText(readouts.Top);
    ui_->LnpLeft->setText(readouts.Left);
    ui_->LnpRight->setText(readouts.Right);
    ui_->LnpBottom->setText(readouts.Bottom);
    ui_->lTemplateNote->setText(TemplateNote());
}

// While the boxes hold the sheet chosen from the list: how its labels and its layout on the
// printer's paper differ, if they do.
QString TFLabelSettings::TemplateNote() const {
    if (!chosen_ ||
        print::SheetOfBoxes(Boxes()) != print::SheetOfBoxes(print::BoxesOfSheet(chosen_->sheet)))
        return {};
    return print::LayoutNote(*chosen_, state_.Metrics);
}

// A roll of the size in the boxes, or the sheet they make: its margins and gaps are 0.
void TFLabelSettings::RollClick(bool roll) {
    print::LabelBoxes boxes = Boxes();
    print::SetRoll(boxes, roll);
    ShowBoxes(boxes);
    UpdateReadouts();
}

void TFLabelSettings::CommitSheet() {
    state_.Settings.Labels = print::SheetOfBoxes(Boxes());
    print::UseRollPaper(state_.Printer, state_.Settings.Labels);
    print::RefreshPrinterMetrics(state_.Printer, state_.Settings.Labels, state_.Metrics,
                                 state_.Settings.Printing.PrintScale);
}

// A label size below the minimum is reported and replaced; margins and gaps are only rewritten.
// The focus moves on either way.
bool TFLabelSettings::LeaveBox(LabelBox box) {
    QLineEdit* edit = Box(box);
    if (box == LabelBox::Height || box == LabelBox::Width) {
        const print::SizeBoxExit exit = print::LeaveLabelSizeBox(box, edit->text(), CheckedUnit());
        if (exit.Message) ShowMessage(this, *exit.Message);
        edit->setText(exit.Text);
    } else {
        edit->setText(print::LeaveLengthBox(edit->text()));
    }
    UpdateReadouts();
    return true;
}

// Only a change of the selection by the user converts the boxes.
void TFLabelSettings::UnitClick(engine::Unit unit) {
    if (unit == boxesUnit_) return;
    print::LabelBoxes boxes = Boxes();
    print::SwitchUnit(boxes, unit);
    ShowBoxes(boxes);
    UpdateReadouts();
}

void TFLabelSettings::LoadBtnClick() {
    const auto path =
        ChooseFile(this, {.objectName = "LoadDialog",
                          .title = tr("Load Label Format"),
                          .filter = tr("Tallyrune Format (*.fmt);;Corvane Format (*.lbf)"),
                          .defaultSuffix = QStringLiteral("fmt")});
    if (!path) return;
    if (!RunShowingFailures(this, [&] { state_.Settings.Labels = print::LoadLabelFormat(*path); }))
        return; // the boxes keep what they show
    ShowSheet();
    UpdateReadouts();
}

// The sheet as it was when the dialog opened or as last imported, not the boxes.
void TFLabelSettings::SaveBtnClick() {
    const auto path = ChooseFile(this, {.objectName = "SaveDialog",
                                        .title = tr("Save Label Format"),
                                        .filter = tr("Label Format (*.fmt)"),
                                        .defaultSuffix = QStringLiteral("fmt"),
                                        .save = true});
    if (!path) return;
    RunShowingFailures(this, [&] { print::SaveLabelFormat(*path, state_.Settings.Labels); });
}

void TFLabelSettings::ShowTemplates() {
    shown_ = print::FindTemplates(templates_, ui_->eTemplateSearch->text());
    const QSignalBlocker quiet(ui_->lbTemplates); // listing chooses nothing
    ui_->lbTemplates->clear();
    for (const print::LabelTemplate& sheet : shown_)
        ui_->lbTemplates->addItem(print::TemplateLine(sheet));
}

// The sheet fills the boxes and the unit; the current sheet changes on "&Ok", as when typed.
void TFLabelSettings::TemplateChosen(int row) {
    if (row < 0 || row >= static_cast<int>(shown_.size())) return;
    chosen_ = shown_[row];
    ShowBoxes(print::BoxesOfSheet(chosen_->sheet));
    UpdateReadouts();
}

// The built-in sheets and those the user imported earlier, and `imported` should they no longer
// be kept; a broken file of the user's costs only its own sheets.
void TFLabelSettings::OfferTemplates(const std::vector<print::LabelTemplate>& imported) {
    std::vector<print::LabelTemplate> builtIn;
    std::vector<print::LabelTemplate> user = imported;
    RunShowingFailures(this, [&] { builtIn = print::BuiltInTemplates(); });
    RunShowingFailures(this, [&] { user = print::UserTemplates(); });
    if (user.empty()) user = imported;
    templates_ = print::OfferedTemplates(builtIn, user);
}

// The file's rectangular sheets are kept for later and come first in the list; none is chosen,
// so the boxes keep what the user had until a sheet is picked.
void TFLabelSettings::TemplateImportBtnClick() {
    const auto path =
        ChooseFile(this, {.objectName = "TemplateDialog",
                          .title = tr("Import gLabels Templates"),
                          .filter = tr("gLabels Templates (*.template *.xml);;All Files (*)")});
    if (!path) return;
    print::GlabelsImport import;
    if (!RunShowingFailures(this, [&] { import = print::ImportGlabelsTemplates(*path); })) return;
    const QString refused = print::RefusedTemplatesMessage(import);
    if (!refused.isEmpty()) ShowMessage(this, refused);
    RunShowingFailures(this, [&] { print::KeepUserTemplates(import.sheets); });
    OfferTemplates(import.sheets);
    ui_->eTemplateSearch->clear();
    ShowTemplates();
}

} // namespace ui
