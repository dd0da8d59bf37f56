#include "ui/TFSaveBarcode.h"

#include "ui/DialogPlacement.h"

#include "app/BarcodeDocument.h"
#include "ui/DocumentQuestions.h"
#include "ui/FileChoice.h"
#include "ui/KeyFilters.h"
#include "ui/MessageBoxes.h"
#include "ui/ScreenFit.h"
#include "ui_TFSaveBarcode.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFileInfo>
#include <QGridLayout>

namespace ui {
namespace {

using exporting::DpiKind;

constexpr int kDpiDigits = 5;
constexpr int kFormatRows = 4; // the format list fills two columns, one after the other

// The hourglass while a picture is drawn and written.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

TFSaveBarcode::TFSaveBarcode(QWidget* parent, const app::PrinterMetrics& metrics,
                             const exporting::ExportSettings& settings)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFSaveBarcode>()), model_(metrics) {
    ui_->setupUi(this);
    FixDialogFrame(*this);
    FilterDigits(*ui_->eDPI, kDpiDigits);
    FilterDigits(*ui_->eScale, kIntegerBoxDigits);
    AddFormatItems();
    model_.Settings = settings;
    ShowSettings();
    Connect();
    KeepWithinScreen(*this); // last: the body is complete
}

TFSaveBarcode::~TFSaveBarcode() = default;

void TFSaveBarcode::AddFormatItems() {
    auto* group = new QButtonGroup(this);
    auto* grid = static_cast<QGridLayout*>(ui_->rgFormat->layout());
    int index = 0;
    for (const exporting::FormatInfo& info : exporting::ExportFormats()) {
        auto* item = new QRadioButton(exporting::ListItemText(info), ui_->rgFormat);
        item->setObjectName(QStringLiteral("rgFormatItem%1").arg(index));
        group->addButton(item, index);
        grid->addWidget(item, index % kFormatRows, index / kFormatRows);
        formatItems_.push_back(item);
        ++index;
    }
    // Tab follows the layout: the format group between the width and the file name.
    QWidget* previous = ui_->eScale;
    for (QRadioButton* item : formatItems_) {
        setTabOrder(previous, item);
        previous = item;
    }
    setTabOrder(previous, ui_->eFileName);
    ConnectCommand(group, &QButtonGroup::idClicked, this, [this](int id) {
        model_.ChooseFormat(id);
        ShowFileName();
    });
}

void TFSaveBarcode::Connect() {
    const std::pair<QRadioButton*, DpiKind> kinds[] = {{ui_->rbScreenDPI, DpiKind::Screen},
                                                       {ui_->rbPrinterDPI, DpiKind::Printer},
                                                       {ui_->rbOtherDPI, DpiKind::Other}};
    for (const auto& [button, kind] : kinds)
        ConnectCommand(button, &QRadioButton::clicked, this, [this, k = kind] { ChooseDpiType(k); });
    ConnectCommand(ui_->rbAutoSize, &QRadioButton::clicked, this,
            [this] { model_.Settings.AutoSize = true; });
    ConnectCommand(ui_->rbCustom, &QRadioButton::clicked, this,
            [this] { model_.Settings.AutoSize = false; });
    ConnectCommand(ui_->eDPI, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == model_.Settings.DpiText) return;
        RunShowingFailures(this, [&] { model_.SetDpiText(text); });
        ShowMils();
    });
    ConnectCommand(ui_->eScale, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == model_.Settings.ScaleText) return;
        RunShowingFailures(this, [&] { model_.SetScaleText(text); });
        ShowMils();
    });
    ConnectCommand(ui_->eFileName, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.FileName = text; });
    ConnectCommand(ui_->SpinButtonScale, &SpinButton::upClick, this,
            [this] { Step(&exporting::ExportModel::ScaleUp); });
    ConnectCommand(ui_->SpinButtonScale, &SpinButton::downClick, this,
            [this] { Step(&exporting::ExportModel::ScaleDown); });
    ConnectCommand(ui_->SpinButtonDPI, &SpinButton::upClick, this,
            [this] { Step(&exporting::ExportModel::DpiUp); });
    ConnectCommand(ui_->SpinButtonDPI, &SpinButton::downClick, this,
            [this] { Step(&exporting::ExportModel::DpiDown); });
    ConnectCommand(ui_->BitBtn1, &QPushButton::clicked, this, &TFSaveBarcode::BitBtn1Click);
    ConnectCommand(ui_->SaveBtn, &QPushButton::clicked, this, &TFSaveBarcode::SaveBtnClick);
}

void TFSaveBarcode::ShowSettings() {
    const exporting::ExportSettings& s = model_.Settings;
    QRadioButton* const kinds[] = {ui_->rbScreenDPI, ui_->rbPrinterDPI, ui_->rbOtherDPI};
    kinds[static_cast<int>(s.DpiType)]->setChecked(true);
    (s.AutoSize ? ui_->rbAutoSize : ui_->rbCustom)->setChecked(true);
    ui_->eDPI->setText(s.DpiText);
    ui_->eScale->setText(s.ScaleText);
    if (model_.Format()) formatItems_[static_cast<std::size_t>(s.Format)]->setChecked(true);
    ShowMils();
}

void TFSaveBarcode::ShowMils() {
    ui_->LBarWidth->setText(model_.MilsLabel);
}

void TFSaveBarcode::ShowFileName() {
    if (ui_->eFileName->text() != model_.FileName) ui_->eFileName->setText(model_.FileName);
}

void TFSaveBarcode::ChooseDpiType(DpiKind kind) {
    RunShowingFailures(this, [&] { model_.ChooseDpiType(kind); });
    ShowMils();
}

void TFSaveBarcode::Step(void (exporting::ExportModel::*step)()) {
    RunShowingFailures(this, [&] { (model_.*step)(); });
    ui_->eScale->setText(model_.Settings.ScaleText);
    ui_->eDPI->setText(model_.Settings.DpiText);
    ShowMils();
}

// A number box left empty at the last export is reported, and the dialog still opens so it can
// be corrected.
std::optional<QString> TFSaveBarcode::OpenExportDialog(const app::BarcodeDocument& document) {
    document_ = exporting::ExportDocumentOf(document);
    written_.reset();
    RunShowingFailures(this, [this] { model_.Open(*document_); });
    ShowFileName();
    ShowMils();
    ui_->rbPrinterDPI->setText(model_.PrinterDpiCaption());
    exec();
    return written_;
}

void TFSaveBarcode::BitBtn1Click() {
    const auto path = ChooseFile(this, {.objectName = "SaveDialog1",
                                        .title = tr("Save As"),
                                        .filter = QtFilter(model_.Filter()),
                                        .defaultSuffix = model_.DefaultExtension(),
                                        .save = true,
                                        .confirmOverwrite = true,
                                        .proposedName = ui_->eFileName->text()});
    if (path) ui_->eFileName->setText(*path);
}

void TFSaveBarcode::SaveBtnClick() {
    if (!document_) return;
    if (QFileInfo::exists(model_.SaveName()) && !MayReplace(this, model_.SaveName())) return;
    std::optional<QString> written;
    const bool done = RunShowingFailures(this, [&] {
        const WaitCursor hourglass;
        written = model_.Save(*document_, exporter_);
    });
    ShowFileName();
    if (!done) return;
    written_ = written;
    accept();
}

} // namespace ui
