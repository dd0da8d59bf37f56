#include "ui/TFPrintIt.h"

#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "export/ExportSettings.h"
#include "print/DeviceMetrics.h"
#include "print/ModuleWidthWarning.h"
#include "print/PaperSize.h"
#include "print/PrintJob.h"
#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"
#include "print/SequenceReservation.h"
#include "print/SheetPreview.h"
#include "print/TestPage.h"
#include "ui/DialogPlacement.h"
#include "ui/DocumentQuestions.h"
#include "ui/ExitWatcher.h"
#include "ui/FileChoice.h"
#include "ui/KeyFilters.h"
#include "ui/LatinText.h"
#include "ui/MessageBoxes.h"
#include "ui/PrinterSetup.h"
#include "ui/QtDialogNames.h"
#include "ui/ScreenFit.h"
#include "ui/TFLabelSettings.h"
#include "ui/TFPrintProgress.h"
#include "ui/TFSeqSettings.h"
#include "ui_TFPrintIt.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ui {
namespace {

using print::BarWidthChoice;
using print::PrintRange;

const QSize kPreviewSize(820, 900); // room for the tool bar and a readable page

// A preview reports no progress and is never cancelled.
class SilentProgress : public print::PrintProgress {
  public:
    void StartProgress(const std::string&) override {}
    void SetPage(int) override {}
    bool CancelRequested() const override { return false; }
    void Finish() override {}
};

// A preview takes no sequence numbers: the document's sequence is put back however it ends.
class SequenceKeeper {
  public:
    explicit SequenceKeeper(app::BarcodeDocument& document)
        : document_(document), kept_(document.Sequence()) {}
    ~SequenceKeeper() {
        const app::OutsideHistory restored(document_);
        document_.SetSequence(kept_);
    }
    SequenceKeeper(const SequenceKeeper&) = delete;
    SequenceKeeper& operator=(const SequenceKeeper&) = delete;

  private:
    app::BarcodeDocument& document_;
    app::SequenceSettings kept_;
};

// Qt's print preview hands its printer over with its own picture-recording engine in place.
bool IsPreviewPrinter(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

int BoxValue(const QLineEdit* box) {
    return exporting::ReadInteger(box->text());
}

// A count box's number while it is typed in: `fallback` while it holds none.
int BoxValueOr(const QLineEdit* box, int fallback) {
    bool ok = false;
    const int value = box->text().toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

// What prints on `printer` moves by the offset kept for it.
void ApplyOffset(print::PrinterTarget& target, const ui::AppState& state,
                 const QPrinter& printer) {
    target.SetOffset(state.Settings.Offsets.For(print::OffsetPrinterName(printer)));
}

} // namespace

TFPrintIt::TFPrintIt(QWidget* parent, ui::AppState& state)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      state_(state), ui_(std::make_unique<Ui::TFPrintIt>()) {
    ui_->setupUi(this);
    ui_->LWidthWarning->hide(); // shown only when there is something to say
    FixDialogFrame(*this);
    FilterDigits(*ui_->ePages, print::kMaxPagesDigits);
    FilterDigits(*ui_->eLabels, print::kMaxLabelsDigits);
    FilterDigits(*ui_->eCopies, print::kMaxCopiesDigits);
    FilterDigits(*ui_->eScale, kIntegerBoxDigits);
    QSizePolicy keepRoom = ui_->pSkip->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    ui_->pSkip->setSizePolicy(keepRoom);
    ui_->PaintBox1->SetSheet(&state_.Settings.Labels, &state_.Metrics);
    Connect();
    SetSkip(0);
    KeepWithinScreen(*this); // last: the body is complete
}

TFPrintIt::~TFPrintIt() = default;

void TFPrintIt::Connect() {
    for (QRadioButton* button :
         {ui_->rbSingle, ui_->rbPageRange, ui_->rbLabelRange, ui_->rbText, ui_->rbSeq, ui_->rbData})
        ConnectCommand(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) UpdateEnabling();
        });
    for (const auto& [button, choice] : WidthButtons())
        ConnectCommand(button, &QRadioButton::clicked, this, [this, c = choice] {
            options_.Width = c;
            ShowWidthWarning();
        });
    auto* exits = new ExitWatcher(this);
    for (QLineEdit* box : {ui_->ePages, ui_->eLabels, ui_->eCopies})
        exits->Watch(box, [this, box] { return LeaveCountBox(box); });
    ConnectCommand(ui_->SpinButton1, &SpinButton::upClick, this,
            [this] { Spin(&print::PrintOptions::CustomDotsUp); });
    ConnectCommand(ui_->SpinButton1, &SpinButton::downClick, this,
            [this] { Spin(&print::PrintOptions::CustomDotsDown); });
    ConnectCommand(ui_->eText, &QLineEdit::textChanged, this, &TFPrintIt::eTextChange);
    ConnectCommand(ui_->sbLeft, &QToolButton::clicked, this, [this] { SetSkip(options_.Skip() - 1); });
    ConnectCommand(ui_->sbRight, &QToolButton::clicked, this, [this] { SetSkip(options_.Skip() + 1); });
    ConnectCommand(ui_->PaintBox1, &SheetPreviewBox::labelClicked, this, &TFPrintIt::SetSkip);
    ConnectCommand(ui_->BitBtn1, &QPushButton::clicked, this, &TFPrintIt::BitBtn1Click);
    ConnectCommand(ui_->sbLabelSettings, &QPushButton::clicked, this, &TFPrintIt::sbLabelSettingsClick);
    ConnectCommand(ui_->sbSeqSettings, &QPushButton::clicked, this, &TFPrintIt::sbSeqSettingsClick);
    ConnectCommand(ui_->sbDataFile, &QPushButton::clicked, this, &TFPrintIt::sbDataFileClick);
    for (QLineEdit* box : {ui_->eDataFile, ui_->eColumn})
        ConnectCommand(box, &QLineEdit::editingFinished, this, &TFPrintIt::DataChanged);
    ConnectCommand(ui_->cbHeader, &QCheckBox::toggled, this, &TFPrintIt::DataChanged);
    ConnectCommand(ui_->eCopies, &QLineEdit::textChanged, this, &TFPrintIt::ShowData);
    ConnectCommand(ui_->BitBtn2, &QPushButton::clicked, this, &TFPrintIt::BitBtn2Click);
    ConnectCommand(ui_->PreviewBtn, &QPushButton::clicked, this, &TFPrintIt::PreviewClick);
}

int TFPrintIt::Open(app::BarcodeDocument& document) {
    document_ = &document;
    if (app::IsRoll(document.Labels())) {
        print::UseRollPaper(state_.Printer, document.Labels());
        print::UseDriverResolution(state_.Printer);
        print::RefreshPrinterMetrics(state_.Printer, document.Labels(), state_.Metrics,
                                     state_.Settings.Printing.PrintScale);
    }
    options_.LoadOptions(document, state_.Settings, state_.Metrics);
    ShowOptions();
    UpdateEnabling();
    SheetChanged();
    return exec();
}

void TFPrintIt::PrintTestPage() {
    if (!EnsureOutputFile(this, state_.Printer)) return;
    print::PrinterTarget target(state_.Printer);
    ApplyOffset(target, state_, state_.Printer);
    print::PrintTestPage(target, state_.Metrics);
    NoteWritten(state_.Printer, false);
}

void TFPrintIt::NoteWritten(const QPrinter& printer, bool cancelled) {
    if (print::IsPdfOutput(printer) && !cancelled) writtenFile_ = printer.outputFileName();
}

// The radio buttons report their changes as they are set, so the options are copied first.
void TFPrintIt::ShowOptions() {
    const print::PrintOptions shown = options_;
    QRadioButton* const ranges[] = {ui_->rbSingle, ui_->rbPageRange, ui_->rbLabelRange};
    ranges[static_cast<int>(shown.Range)]->setChecked(true);
    (shown.UseData ? ui_->rbData : shown.UseSequence ? ui_->rbSeq : ui_->rbText)->setChecked(true);
    SetWidthChoice(shown.Width);
    ui_->ePages->setText(QString::number(shown.Pages));
    ui_->eLabels->setText(QString::number(shown.Labels));
    ui_->eCopies->setText(QString::number(shown.Copies));
    ui_->eScale->setText(QString::number(shown.CustomDots));
    ui_->LBarWidth->setText(shown.BarWidthText);
    ShowWidthWarning();
    ui_->cbAlignH->setChecked(shown.HAlign);
    ui_->cbAlignV->setChecked(shown.VAlign);
    ui_->eText->setText(FromLatin1(shown.Text));
    ui_->eDataFile->setText(shown.Data.path);
    ui_->eColumn->setText(QString::fromStdString(shown.Data.column));
    ui_->cbHeader->setChecked(shown.Data.header);
}

// The boxes as numbers: a module width box that holds no whole number fails with the number
// conversion message.
void TFPrintIt::ReadOptions() {
    options_.CustomDots = BoxValue(ui_->eScale);
    options_.Pages = BoxValue(ui_->ePages);
    options_.Labels = BoxValue(ui_->eLabels);
    options_.Copies = BoxValue(ui_->eCopies);
    options_.HAlign = ui_->cbAlignH->isChecked();
    options_.VAlign = ui_->cbAlignV->isChecked();
    if (options_.UseData) DataChanged(); // the file as it is now
}

std::array<std::pair<QRadioButton*, BarWidthChoice>, 4> TFPrintIt::WidthButtons() const {
    return {{{ui_->rbAutoSize, BarWidthChoice::AutoSize},
             {ui_->rbScreenRatio, BarWidthChoice::ScreenRatio},
             {ui_->rbCustom, BarWidthChoice::Custom},
             {ui_->rbFitToLabel, BarWidthChoice::FitToLabel}}};
}

// With no width button selected (a document without Auto Size) the custom width governs.
void TFPrintIt::SetWidthChoice(BarWidthChoice choice) {
    options_.Width = choice;
    const auto buttons = WidthButtons();
    for (const auto& [button, shown] : buttons)
        button->setAutoExclusive(false);
    for (const auto& [button, shown] : buttons)
        button->setChecked(shown == choice);
    for (const auto& [button, shown] : buttons)
        button->setAutoExclusive(true);
}

void TFPrintIt::UpdateCounts() {
    options_.CustomDots = BoxValue(ui_->eScale);
    options_.UpdateCounts(state_.Metrics);
    ui_->eLabels->setText(QString::number(options_.Labels));
    ui_->LBarWidth->setText(options_.BarWidthText);
    ShowWidthWarning();
}

// Whether the chosen width prints as chosen, and how wide it prints when not; whether the
// barcode fits its label and scans there, and whether the sequence starts again.
void TFPrintIt::ShowWidthWarning() {
    if (!document_) return;
    QStringList warnings;
    const QString width = print::ModuleWidthWarning(options_, *document_, state_.Metrics);
    if (!width.isEmpty()) warnings << width;
    print::PrintOptions asTyped = options_;
    asTyped.Pages = BoxValueOr(ui_->ePages, options_.Pages);
    asTyped.Labels = BoxValueOr(ui_->eLabels, options_.Labels);
    asTyped.Copies = BoxValueOr(ui_->eCopies, options_.Copies);
    asTyped.CustomDots = BoxValueOr(ui_->eScale, options_.CustomDots);
    for (const std::string& warning :
         print::JobWarnings(asTyped, *document_, state_.Settings.Labels, state_.Metrics))
        warnings << QString::fromStdString(warning);
    ui_->LWidthWarning->setText(warnings.join(QLatin1Char('\n')));
    ui_->LWidthWarning->setVisible(!warnings.isEmpty());
}

void TFPrintIt::UpdateEnabling() {
    options_.Range = ui_->rbSingle->isChecked()      ? PrintRange::Single
                     : ui_->rbPageRange->isChecked() ? PrintRange::Pages
                                                     : PrintRange::Labels;
    options_.UseSequence = ui_->rbSeq->isChecked();
    options_.UseData = ui_->rbData->isChecked();
    const print::PrintEnabling enabling = options_.UpdateEnabling();
    ui_->eCopies->setEnabled(enabling.Copies);
    ui_->sbLabelSettings->setEnabled(enabling.LabelSheetSetup);
    ui_->sbSeqSettings->setEnabled(enabling.SequenceSettings);
    ui_->eText->setEnabled(enabling.Text);
    ui_->pSkip->setVisible(enabling.SkipPanel);
    // A roll is drawn as a strip, with no labels to skip.
    const bool roll = app::IsRoll(state_.Settings.Labels);
    for (QWidget* skip : std::initializer_list<QWidget*>{ui_->LSelectLbl, ui_->LSkipLbl,
                                                         ui_->sbLeft, ui_->sbRight})
        skip->setEnabled(!roll);
    for (QWidget* range : std::initializer_list<QWidget*>{
             ui_->rbSingle, ui_->rbPageRange, ui_->rbLabelRange, ui_->ePages, ui_->eLabels})
        range->setEnabled(enabling.Range);
    for (QWidget* data : std::initializer_list<QWidget*>{ui_->eDataFile, ui_->sbDataFile,
                                                         ui_->lColumn, ui_->eColumn, ui_->cbHeader,
                                                         ui_->LRecords, ui_->lbRecords})
        data->setEnabled(enabling.Data);
    ShowData();
    ShowWidthWarning();
}

void TFPrintIt::SetSkip(int skip) {
    options_.SetSkip(skip, state_.Metrics.LabelsPerPage);
    ui_->LSkipLbl->setText(print::SkipLabelText(options_.Skip()));
    ui_->PaintBox1->SetSkip(options_.Skip());
    ShowData();
    ShowWidthWarning();
}

// The captions sit against the drawn paper: "Select Start Label" on its top edge, the skip
// count and the arrows 3 pixels below it.
void TFPrintIt::PlaceSkipLabels() {
    const print::PreviewGeometry paper = ui_->PaintBox1->Geometry();
    const int boxTop = ui_->PaintBox1->y();
    QWidget* const select = ui_->LSelectLbl;
    select->move(select->x(), boxTop + paper.top - select->height());
    for (QWidget* below : {static_cast<QWidget*>(ui_->LSkipLbl), static_cast<QWidget*>(ui_->sbLeft),
                           static_cast<QWidget*>(ui_->sbRight)})
        below->move(below->x(), boxTop + paper.bottom + 3);
}

// After the printer or the label sheet changed: the label count, the preview and the skip count,
// clamped to the sheet as it is now.
void TFPrintIt::SheetChanged() {
    UpdateCounts();
    UpdateEnabling();
    PlaceSkipLabels();
    ui_->PaintBox1->update();
    SetSkip(options_.Skip());
}

bool TFPrintIt::LeaveCountBox(QLineEdit* box) {
    const print::CountFieldCheck check = print::CheckCountField(box->text());
    if (check.refused) {
        ShowMessage(this, QCoreApplication::translate("PrintOptions", print::kZeroNotAllowed));
        return false;
    }
    box->setText(check.text);
    return true;
}

void TFPrintIt::Spin(void (print::PrintOptions::*step)()) {
    RunShowingFailures(this, [&] {
        options_.CustomDots = BoxValue(ui_->eScale);
        (options_.*step)();
        ui_->eScale->setText(QString::number(options_.CustomDots));
        UpdateCounts();
    });
}

// The document keeps what its symbology can carry; the box shows what it kept.
void TFPrintIt::eTextChange(const QString& text) {
    if (settingText_ || !document_) return;
    const bool setBack = options_.EditText(*document_, ToLatin1(text)) ||
                         FromLatin1(options_.Text) != text;
    if (setBack) {
        settingText_ = true;
        ui_->eText->setText(FromLatin1(options_.Text));
        ui_->eText->setCursorPosition(static_cast<int>(ui_->eText->text().size()));
        settingText_ = false;
    }
    ShowWidthWarning();
}

void TFPrintIt::BitBtn1Click() {
    RunPrinterSetup(this, state_);
    RunShowingFailures(this, [this] { SheetChanged(); });
}

void TFPrintIt::sbLabelSettingsClick() {
    EditLabelSheet(*this, state_, document_);
    RunShowingFailures(this, [this] { SheetChanged(); });
}

void TFPrintIt::sbSeqSettingsClick() {
    if (document_) EditSequence(*this, *document_);
    ShowWidthWarning();
}

void TFPrintIt::sbDataFileClick() {
    const FileChoice choice{.objectName = "DataFileDialog",
                            .title = tr("Open Data File"),
                            .filter = tr("Data Files (*.csv *.txt);;All Files (*)")};
    const auto path = ChooseFile(this, choice, QFileInfo(ui_->eDataFile->text()).path());
    if (!path) return;
    ui_->eDataFile->setText(*path);
    DataChanged();
}

// The file, its column and header row as the boxes say, read afresh for the document's
// barcode type.
void TFPrintIt::DataChanged() {
    if (!document_) return;
    options_.Data = {ui_->eDataFile->text(), ui_->eColumn->text().trimmed().toStdString(),
                     ui_->cbHeader->isChecked()};
    options_.ReadData({document_->Symbology(), document_->Options()});
    ShowData();
}

// The record count and the pages they fill from the start label with the copies in the box,
// or why the file gives no records; the first records.
void TFPrintIt::ShowData() {
    options_.Copies = ui_->eCopies->text().toInt();
    ui_->LRecords->setText(options_.DataSummary(state_.Metrics.LabelsPerPage));
    ui_->lbRecords->clear();
    ui_->lbRecords->addItems(options_.DataPreview(print::kPreviewRecords));
}

// "&Ok" closes the dialog whatever the job's end: a failure is shown first.
// Cancelling the question of the output file goes back to the dialog. Return in a count box
// presses "&Ok" without leaving the box: its value is checked as on leaving it.
void TFPrintIt::BitBtn2Click() {
    for (QLineEdit* box : {ui_->ePages, ui_->eLabels, ui_->eCopies})
        if (box->hasFocus() && !LeaveCountBox(box)) return;
    bool cancelled = false;
    RunShowingFailures(this, [&] {
        ReadOptions();
        cancelled = !PrintOn(state_.Printer);
    });
    if (!cancelled) accept();
}

// The dialog's controls wait while it lives, on every path.
class TFPrintIt::PrintingWhile {
  public:
    explicit PrintingWhile(TFPrintIt& dialog) : dialog_(dialog) { dialog_.SetPrinting(true); }
    ~PrintingWhile() { dialog_.SetPrinting(false); }
    PrintingWhile(const PrintingWhile&) = delete;
    PrintingWhile& operator=(const PrintingWhile&) = delete;

  private:
    TFPrintIt& dialog_;
};

// A sequence kept in the document's file is taken from it as the command line takes it: under
// the file's lock, never below the number the file holds, reserved there before printing.
bool TFPrintIt::PrintOn(QPrinter& printer) {
    if (!document_) return true;
    if (!EnsureOutputFile(this, printer)) return false;
    options_.StoreOptions(*document_, state_.Settings, state_.Metrics);
    print::PrinterTarget target(printer);
    ApplyOffset(target, state_, printer);
    print::PrintJob job(target, options_, *document_, state_.Settings.Labels, state_.Metrics);
    job.Check();
    std::optional<print::SequenceReservation> reservation;
    const QString file = document_->FileName();
    if (options_.UseSequence && !options_.UseData && !file.isEmpty() && QFileInfo::exists(file)) {
        reservation.emplace(file, platform::LockWait::NoWait);
        if (!CatchUpWithFile()) return false;
        const app::SequenceSettings& sequence = document_->Sequence();
        if (const auto fault = print::SequenceRangeFault(sequence))
            throw platform::Failure(*fault);
        reservation->Reserve(sequence.SeqCurrent,
                             print::AdvancedSequence(sequence, job.SequenceTakes()));
    }
    TFPrintProgress progress(*this);
    try {
        const PrintingWhile printing(*this);
        job.Run(progress);
    } catch (...) {
        reservation.reset(); // the numbers go back
        document_->NoteFileWritten();
        throw;
    }
    NoteWritten(printer, progress.CancelRequested());
    if (!reservation) return true;
    reservation->Settle(document_->Sequence().SeqCurrent); // a cancelled job's numbers stay used
    document_->NoteFileWritten();
    return true;
}

// A print never starts below the number that the document's file holds: another program may
// have printed from it since.
bool TFPrintIt::CatchUpWithFile() {
    app::SequenceSettings sequence = document_->Sequence();
    const std::optional<int> onDisk = app::StampOf(document_->FileName()).current;
    if (!onDisk || *onDisk <= sequence.SeqCurrent) return true;
    const QString message =
        QString::fromStdString(app::ChangedOnDisk(document_->FileName(), onDisk).what());
    if (!AskDiskChange(this, message, false)) return false;
    sequence.SeqCurrent = *onDisk;
    const app::OutsideHistory caughtUp(*document_);
    document_->SetSequence(sequence);
    return true;
}

// The preview draws the job "&Ok" would print, through the same job into the preview's printer.
// Its page setup changes the selected printer, as "Printer Setup" does; printing from it is
// "&Ok".
void TFPrintIt::PreviewClick() {
    QPrintPreviewDialog preview(&state_.Printer, this);
    preview.setObjectName(QStringLiteral("PreviewDialog"));
    preview.setWindowTitle(tr("Print Preview"));
    preview.resize(kPreviewSize);
    NamePreviewDialogControls(preview);
    ConnectCommand(&preview, &QPrintPreviewDialog::paintRequested, this, &TFPrintIt::PaintRequested);
    const bool printed = preview.exec() == QDialog::Accepted;
    RunShowingFailures(this, [this] { SheetChanged(); });
    if (printed) accept();
}

void TFPrintIt::PaintRequested(QPrinter* printer) {
    RunShowingFailures(this, [&] {
        ReadOptions();
        if (IsPreviewPrinter(*printer))
            PreviewOn(*printer);
        else
            PrintOn(*printer);
    });
}

void TFPrintIt::PreviewOn(QPrinter& printer) {
    if (!document_) return;
    print::RefreshPrinterMetrics(printer, state_.Settings.Labels, state_.Metrics,
                                 state_.Settings.Printing.PrintScale);
    const SequenceKeeper keeper(*document_);
    print::PrinterTarget target(printer, print::PrinterOutput::Direct);
    ApplyOffset(target, state_, printer);
    SilentProgress progress;
    print::RunPrintJob(target, progress, options_, *document_, state_.Settings.Labels,
                       state_.Metrics);
}

// While a job runs the user interface turns between pages: only the progress window's
// "&Cancel" may act then, so the dialog's own controls and its closing wait.
void TFPrintIt::SetPrinting(bool printing) {
    printing_ = printing;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) child->setEnabled(!printing);
}

void TFPrintIt::reject() {
    if (!printing_) QDialog::reject();
}

void TFPrintIt::closeEvent(QCloseEvent* event) {
    if (printing_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace ui
