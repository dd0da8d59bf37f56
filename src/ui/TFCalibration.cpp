#include "ui/TFCalibration.h"

#include "app/ToolbarRules.h"
#include "platform/NumberFormat.h"
#include "print/CalibrationPage.h"
#include "print/PrinterAccess.h"
#include "print/PrinterTarget.h"
#include "ui/AppState.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageBoxes.h"
#include "ui/PrinterSetup.h"
#include "ui/ScreenFit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

QLineEdit* OffsetBox(const char* name, const QString& text) {
    auto* box = new QLineEdit(text);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

void EditPrinterOffset(QWidget& owner, ui::AppState& state) {
    TFCalibration dialog(&owner, state);
    CentreOver(dialog, owner);
    dialog.exec();
}

TFCalibration::TFCalibration(QWidget* parent, ui::AppState& state)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("TFCalibration"));
    setWindowTitle(tr("Printer Calibration"));
    const engine::Unit sheetUnit = state_.Settings.Labels.Unit;
    const QChar decimal = platform::LocaleDecimalSeparator();
    const app::PrinterOffset offset = state_.Settings.Offsets.For(PrinterName());
    eOffsetX_ = OffsetBox("eOffsetX", app::OffsetText(offset.X, sheetUnit, decimal));
    eOffsetY_ = OffsetBox("eOffsetY", app::OffsetText(offset.Y, sheetUnit, decimal));
    const QString unit = app::UnitName(sheetUnit);

    auto* printer = new QLabel(PrinterName());
    printer->setObjectName(QStringLiteral("LPrinter"));
    auto* form = new QFormLayout;
    form->addRow(tr("Printer:"), printer);
    form->addRow(tr("Horizontal offset (%1):").arg(unit), eOffsetX_);
    form->addRow(tr("Vertical offset (%1):").arg(unit), eOffsetY_);
    auto* hint = new QLabel(
        tr("Positive values move the print right and down. Print the calibration page, fold it "
           "as it says and read both offsets off its scales."));
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* page =
        buttons->addButton(tr("Print Calibration Page"), QDialogButtonBox::ActionRole);
    page->setObjectName(QStringLiteral("btCalibrationPage"));
    ConnectCommand(page, &QPushButton::clicked, this, &TFCalibration::PrintCalibrationPageClick);
    ConnectCommand(buttons, &QDialogButtonBox::accepted, this, &TFCalibration::accept);
    ConnectCommand(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    FixDialogFrame(*this);
    KeepWithinScreen(*this); // last: the body is complete
}

QString TFCalibration::PrinterName() const {
    return print::OffsetPrinterName(state_.Printer);
}

void TFCalibration::accept() {
    const engine::Unit unit = state_.Settings.Labels.Unit;
    const QChar decimal = platform::LocaleDecimalSeparator();
    const auto x = app::ReadOffsetText(eOffsetX_->text(), unit, decimal);
    const auto y = app::ReadOffsetText(eOffsetY_->text(), unit, decimal);
    if (!x || !y) {
        ShowMessage(this,
                    tr("'%1' is not a valid offset").arg((x ? eOffsetY_ : eOffsetX_)->text()));
        return;
    }
    state_.Settings.Offsets.Set(PrinterName(), {*x, *y});
    RunShowingFailures(this, [this] { state_.Store.SavePrinterOffsets(state_.Settings); });
    QDialog::accept();
}

void TFCalibration::PrintCalibrationPageClick() {
    RunShowingFailures(this, [this] {
        if (!EnsureOutputFile(this, state_.Printer)) return;
        print::PrinterTarget target(state_.Printer);
        print::PrintCalibrationPage(target, state_.Metrics, state_.Settings.Labels.Unit);
    });
}

} // namespace ui
