#include "ui/TFBarcode.h"
#include "app/SymbolDescription.h"
#include "ui/MessageBoxes.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QScopedValueRollback>

#include <cmath>

namespace ui {
namespace {

// Wide enough to show the close box and the start of the caption over a narrow picture.
constexpr int kMinimumWidth = 120;

QSize ToDevicePixels(QSize logical, qreal ratio) {
    return {static_cast<int>(std::lround(logical.width() * ratio)),
            static_cast<int>(std::lround(logical.height() * ratio))};
}

QSize ToLogicalPixels(QSize device, qreal ratio) {
    return {static_cast<int>(std::ceil(device.width() / ratio)),
            static_cast<int>(std::ceil(device.height() / ratio))};
}

} // namespace

// The client area: white, with the picture centred and drawn unscaled in device pixels.
class BarcodePicture : public QWidget {
  public:
    BarcodePicture(const QImage& picture, std::function<void(QSize)> resized)
        : picture_(picture), resized_(std::move(resized)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(1, 1);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QImage shown = picture_;
        const qreal ratio = devicePixelRatioF();
        shown.setDevicePixelRatio(ratio);
        const QSizeF size = QSizeF(shown.size()) / ratio;
        painter.drawImage(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                          shown);
    }
    void resizeEvent(QResizeEvent* event) override { resized_(event->oldSize()); }

  private:
    const QImage& picture_;
    std::function<void(QSize)> resized_;
};

TFBarcode::TFBarcode(DocumentHost& host, const app::PrinterMetrics& metrics, engine::Unit unit,
                     const app::LabelSheet& sheet)
    : host_(host), document_(metrics, unit, sheet),
      picture_(new BarcodePicture(document_.DocumentBitmap(),
                                  [this](QSize previous) { ClientResized(previous); })) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWidget(picture_);
    setFocusPolicy(Qt::ClickFocus); // Tab goes round the main window's controls
    setMinimumWidth(kMinimumWidth);
    picture_->setAccessibleName(tr("Barcode"));
    ConnectCommand(&document_, &app::BarcodeDocument::rendered, this, &TFBarcode::FitToPicture);
    ConnectCommand(&document_, &app::BarcodeDocument::rendered, this, [this] {
        scan_ = {};
        DescribePicture();
    });
    // Qt shows "[*]" as "*" while the window is marked modified, and hides it otherwise.
    ConnectCommand(&document_, &app::BarcodeDocument::captionChanged, this,
            [this](const QString& caption) { setWindowTitle(caption + QStringLiteral("[*]")); });
    ConnectCommand(&document_, &app::BarcodeDocument::hintChanged, this, [this](const QString& hint) {
        setToolTip(hint);
        picture_->setToolTip(hint);
    });
    ConnectCommand(&document_, &app::BarcodeDocument::modifiedChanged, this, &QWidget::setWindowModified);
}

TFBarcode::~TFBarcode() = default;

QSize TFBarcode::ClientPixels() const {
    return ToDevicePixels(picture_->size(), picture_->devicePixelRatioF());
}

// The client area takes the picture's size, as far as the title bar's smallest width allows
// (a narrower picture is centred).
void TFBarcode::FitToPicture() {
    const QScopedValueRollback fitting(fitting_, true);
    const QSize client =
        ToLogicalPixels(document_.DocumentBitmap().size(), picture_->devicePixelRatioF());
    resize(client.grownBy(contentsMargins() + layout()->contentsMargins()));
    picture_->update();
}

// Dragging across the bars sets the bar height the new size stands for; dragging along them
// changes nothing, and the window snaps back to the picture.
void TFBarcode::ClientResized(QSize previous) {
    if (fitting_) return;
    const QSize client = ClientPixels();
    const QSize before = ToDevicePixels(previous, picture_->devicePixelRatioF());
    if (previous.isValid() && document_.AcrossBars(before) == document_.AcrossBars(client))
        return FitToPicture();
    if (document_.ResizeClient(client)) host_.ShowSizes();
}

void TFBarcode::ShowScanVerdict(const app::ScanVerdict& verdict) {
    scan_ = verdict;
    DescribePicture();
}

void TFBarcode::DescribePicture() {
    picture_->setAccessibleDescription(app::SymbolDescription(document_, scan_));
}

void TFBarcode::closeEvent(QCloseEvent* event) {
    if (!host_.MayClose(document_)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void TFBarcode::contextMenuEvent(QContextMenuEvent* event) {
    host_.PopupMenuAt(event->globalPos());
}

// From a clicked document window, on to the main window's next control that Tab stops at.
bool TFBarcode::focusNextPrevChild(bool next) {
    const auto step = [next](QWidget* at) {
        return next ? at->nextInFocusChain() : at->previousInFocusChain();
    };
    for (QWidget* at = step(this); at != this; at = step(at)) {
        const bool stops = (at->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                           at->isVisible() && at->isEnabled() && at->window() == window();
        if (stops && !qobject_cast<QMdiSubWindow*>(at) && !isAncestorOf(at)) {
            at->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace ui
