#include "platform/PainterSurface.h"

#include "platform/SurfaceText.h"

#include <QFontMetrics>

namespace platform {

// --- PainterSurface ---

PainterSurface::PainterSurface(QPainter& painter, const QString& face) : painter_(painter) {
    QFont base = painter.font();
    if (!face.isEmpty()) base.setFamily(face);
    fonts_.push_back({base, 0, nullptr});
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

PainterSurface::PainterSurface(QPainter& painter, FontCache& fonts, const QString& face)
    : PainterSurface(painter, face) {
    cache_ = &fonts;
}

PainterSurface::~PainterSurface() {
    painter_.restore();
}

void PainterSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    if (right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top),
                      fill == engine::Fill::Black ? Qt::black : Qt::white);
}

std::string PainterSurface::FontFace() const {
    return Current().font.family().toStdString();
}

void PainterSurface::PushFont(const engine::FontSpec& asked) {
    if (cache_) {
        std::shared_ptr<const SizedFont> sized = cache_->Get(asked);
        fonts_.push_back({sized->Font(), asked.escapement, std::move(sized)});
        return;
    }
    fonts_.push_back(
        {FontForCellHeight(QString::fromStdString(asked.face), asked.cellHeight, asked.weight),
         asked.escapement, nullptr});
}

void PainterSurface::PopFont() {
    if (fonts_.size() > 1) fonts_.pop_back();
}

engine::TextExtent PainterSurface::MeasureText(std::string_view text) const {
    if (const SizedFont* sized = Current().sized.get())
        return {sized->Width(text), sized->CellHeight()};
    const QFontMetrics metrics(Current().font);
    return {metrics.horizontalAdvance(SurfaceString(text)), metrics.ascent() + metrics.descent()};
}

void PainterSurface::DrawText(int x, int y, std::string_view text) {
    const SelectedFont& selected = Current();
    const engine::TextExtent extent = MeasureText(text);
    const int ascent =
        selected.sized ? selected.sized->Ascent() : QFontMetrics(selected.font).ascent();
    DrawTextCell(painter_, {x, y}, SurfaceString(text), selected.font, selected.escapement,
                 {QSize(extent.width, extent.height), ascent, Qt::white, Qt::black});
}

void DrawTextCell(QPainter& painter, QPoint reference, const QString& text, const QFont& font,
                  int escapement, const TextCell& cell) {
    painter.save();
    painter.translate(reference);
    // Escapement turns counter-clockwise on the page; Qt turns clockwise with y pointing down.
    painter.rotate(-escapement / 10.0);
    painter.fillRect(QRect(QPoint(0, 0), cell.size), cell.background);
    painter.setFont(font);
    painter.setPen(cell.ink);
    painter.drawText(QPoint(0, cell.ascent), text);
    painter.restore();
}

} // namespace platform
