#include "ui/DialogCommands.h"

#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "export/ExportSettings.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageBoxes.h"
#include "ui/PrinterSetup.h"
#include "ui/TFCalibration.h"
#include "ui/TFLabelSettings.h"
#include "ui/TFPrintIt.h"
#include "ui/TFSaveBarcode.h"
#include "ui/TFSeqSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QWidget>

namespace ui {
namespace {

// Shows "Preparing to Print" while it lives, then where the job's PDF went, if it wrote one.
class PrintStatus {
  public:
    explicit PrintStatus(const std::function<void(const QString&)>& show) : show_(show) {
        if (show_) show_(QCoreApplication::translate("DialogCommands", "Preparing to Print"));
    }
    ~PrintStatus() {
        if (show_)
            show_(
                written_.isEmpty()
                    ? QString()
                    : QCoreApplication::translate("DialogCommands", "Printed to %1").arg(written_));
    }
    PrintStatus(const PrintStatus&) = delete;
    PrintStatus& operator=(const PrintStatus&) = delete;

    void Wrote(const QString& pdf) { written_ = pdf; }

  private:
    const std::function<void(const QString&)>& show_;
    QString written_;
};

// Gives the keyboard back to the main window when a command's dialogs have closed: a window
// manager may leave no window active after a dialog whose own dialog (a file chooser, a
// question) closed before it.
class ActiveAgain {
  public:
    explicit ActiveAgain(QWidget& owner) : owner_(owner) {}
    ~ActiveAgain() {
        if (owner_.isVisible()) owner_.activateWindow();
    }
    ActiveAgain(const ActiveAgain&) = delete;
    ActiveAgain& operator=(const ActiveAgain&) = delete;

  private:
    QWidget& owner_;
};

} // namespace

// The dialogs that live longer than one command: the export dialog.
struct DialogCommands::Dialogs {
    TFSaveBarcode saveBarcode;
    std::function<void(const QString&)> status;

    Dialogs(QWidget& owner, ui::AppState& state)
        : saveBarcode(&owner, state.Metrics, state.Export) {}
};

DialogCommands::DialogCommands(QWidget& owner, ui::AppState& state)
    : owner_(owner), state_(state), dialogs_(std::make_unique<Dialogs>(owner, state)) {}

// The export choices are kept for the next run as the export dialog goes.
DialogCommands::~DialogCommands() {
    state_.Export = dialogs_->saveBarcode.Settings();
    dialogs_.reset();
    state_.Store.SaveExport(state_.Export);
}

void DialogCommands::SetStatusPanel(std::function<void(const QString&)> show) {
    dialogs_->status = std::move(show);
}

void DialogCommands::Export(app::BarcodeDocument& document) {
    CentreOver(dialogs_->saveBarcode, owner_);
    const auto written = dialogs_->saveBarcode.OpenExportDialog(document);
    if (written && dialogs_->status)
        dialogs_->status(QCoreApplication::translate("DialogCommands", "Exported to %1")
                             .arg(QDir::toNativeSeparators(*written)));
}

void DialogCommands::Print(app::BarcodeDocument& document) {
    const ActiveAgain active(owner_);
    PrintStatus status(dialogs_->status);
    TFPrintIt dialog(&owner_, state_);
    CentreOver(dialog, owner_, Centring::HalfDifference);
    RunShowingFailures(&owner_, [&] { dialog.Open(document); });
    status.Wrote(dialog.WrittenFile());
}

void DialogCommands::PrintTestPage(app::BarcodeDocument&) {
    const ActiveAgain active(owner_);
    PrintStatus status(dialogs_->status);
    TFPrintIt dialog(&owner_, state_);
    RunShowingFailures(&owner_, [&] { dialog.PrintTestPage(); });
    status.Wrote(dialog.WrittenFile());
}

void DialogCommands::PrintSetup() {
    const ActiveAgain active(owner_);
    RunShowingFailures(&owner_, [this] { RunPrinterSetup(&owner_, state_); });
}

void DialogCommands::PrinterCalibration() {
    const ActiveAgain active(owner_);
    RunShowingFailures(&owner_, [this] { EditPrinterOffset(owner_, state_); });
}

void DialogCommands::LabelSettings(app::BarcodeDocument* document) {
    const ActiveAgain active(owner_);
    RunShowingFailures(&owner_, [&] { EditLabelSheet(owner_, state_, document); });
}

void DialogCommands::SequenceSettings(app::BarcodeDocument& document) {
    const ActiveAgain active(owner_);
    RunShowingFailures(&owner_, [&] { EditSequence(owner_, document); });
}

} // namespace ui
