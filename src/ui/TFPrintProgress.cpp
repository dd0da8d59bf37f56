#include "ui/TFPrintProgress.h"
#include "ui/MessageBoxes.h"

#include "ui/DialogPlacement.h"
#include "ui_TFPrintProgress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>

namespace ui {
namespace {

constexpr Qt::WindowFlags kFlags =
    Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

} // namespace

// A child window of `owner`: a modal owner leaves it usable.
TFPrintProgress::TFPrintProgress(QWidget& owner)
    : QWidget(&owner, kFlags), ui_(std::make_unique<Ui::TFPrintProgress>()), owner_(owner) {
    ui_->setupUi(this);
    ConnectCommand(ui_->CancelBtn, &QPushButton::clicked, this, [this] { cancelled_ = true; });
}

TFPrintProgress::~TFPrintProgress() = default;

// A long name (a PDF file's path) is shortened in the middle; the whole name is its hint.
void TFPrintProgress::SetPrinterName(const QString& name) {
    const QFontMetrics metrics(ui_->LPrinterName->font());
    ui_->LPrinterName->setText(
        metrics.elidedText(name, Qt::ElideMiddle, ui_->LPrinterName->minimumWidth() + 120));
    ui_->LPrinterName->setToolTip(name);
}

void TFPrintProgress::StartProgress(const std::string& printerName) {
    SetPrinterName(QString::fromStdString(printerName));
    cancelled_ = false;
    running_ = true;
    setWindowTitle(QStringLiteral("Tallyrune"));
    CentreOver(*this, owner_);
    show();           // the job reports page 1 next, which lets the window appear
    activateWindow(); // with the keyboard: Escape cancels
}

// The one place where the job lets the user interface run: the window repaints, and a click on
// "&Cancel" is taken.
void TFPrintProgress::SetPage(int page) {
    ui_->LPage->setText(tr("Page %1").arg(page));
    QCoreApplication::processEvents();
}

void TFPrintProgress::Finish() {
    running_ = false;
    close();
}

void TFPrintProgress::closeEvent(QCloseEvent* event) {
    if (!running_) return QWidget::closeEvent(event);
    cancelled_ = true;
    event->ignore();
}

void TFPrintProgress::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return ui_->CancelBtn->click();
    QWidget::keyPressEvent(event);
}

} // namespace ui
