#include "ui/SheetPreviewBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {
namespace {

const QColor kSilver(192, 192, 192);
const QColor kAqua(0, 255, 255);

QColor FillColour(print::PreviewFill fill) {
    switch (fill) {
    case print::PreviewFill::Skipped:
        return kSilver;
    case print::PreviewFill::Start:
        return kAqua;
    case print::PreviewFill::Free:
        break;
    }
    return Qt::white;
}

// A rectangle from left/top to the exclusive right/bottom, as a one-pixel pen outlines it.
QRect Outline(int left, int top, int right, int bottom) {
    return {left, top, right - left - 1, bottom - top - 1};
}

// A dotted frame that inverts what it covers, so it shows on the outline and the fill alike.
void DrawFocusRect(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
    painter.restore();
}

} // namespace

SheetPreviewBox::SheetPreviewBox(QWidget* parent) : QWidget(parent) {
    setFixedSize(print::kPreviewWidth, print::kPreviewHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetPreviewBox::SetSheet(const app::LabelSheet* sheet, const app::PrinterMetrics* metrics) {
    sheet_ = sheet;
    metrics_ = metrics;
    update();
}

void SheetPreviewBox::SetSkip(int skip) {
    skip_ = skip;
    update();
}

print::PreviewGeometry SheetPreviewBox::Geometry() const {
    return metrics_ ? print::ComputePreviewGeometry(width(), height(), *metrics_)
                    : print::PreviewGeometry{};
}

void SheetPreviewBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!sheet_ || !metrics_) return;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    const print::PreviewGeometry g = Geometry();
    const bool roll = app::IsRoll(*sheet_);
    if (!roll) painter.drawRect(Outline(g.left, g.top, g.right, g.bottom));
    const std::vector<print::PreviewLabel> labels =
        roll ? print::RollStrip(*sheet_, width(), height())
             : print::PreviewLabels(*sheet_, *metrics_, g, skip_);
    for (const print::PreviewLabel& label : labels) {
        const print::LabelCell& c = label.cell;
        const QRect cell = Outline(c.left, c.top, c.Right(), c.Bottom());
        painter.setBrush(FillColour(label.fill));
        painter.drawRoundedRect(cell, 2, 2);
        if (label.fill == print::PreviewFill::Start) DrawFocusRect(painter, cell);
    }
}

// Any mouse button.
void SheetPreviewBox::mousePressEvent(QMouseEvent* event) {
    if (!sheet_ || !metrics_ || app::IsRoll(*sheet_)) return; // nothing to skip on a roll
    const QPoint at = event->position().toPoint();
    if (const auto index = print::PreviewHitTest(*sheet_, *metrics_, Geometry(), at.x(), at.y()))
        emit labelClicked(*index);
}

} // namespace ui
