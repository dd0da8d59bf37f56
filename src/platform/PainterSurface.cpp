#include "platform/PainterSurface.h"

#include <QFontMetrics>

#include <algorithm>

namespace platform {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int CellHeightAt(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

} // namespace

QFont FontForCellHeight(const QString& face, int cellHeight, int weight) {
    QFont font(face);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
    const int target = std::max(cellHeight, 1);
    // Start from the face's proportions, then step to the largest size that still fits.
    const int reference = 100;
    const int referenceHeight = std::max(CellHeightAt(font, reference), 1);
    int size = std::max(1, target * reference / referenceHeight);
    while (size > 1 && CellHeightAt(font, size) > target)
        --size;
    while (CellHeightAt(font, size + 1) <= target)
        ++size;
    font.setPixelSize(size);
    return font;
}

PainterSurface::PainterSurface(QPainter& painter, const QString& face) : painter_(painter) {
    QFont base = painter.font();
    if (!face.isEmpty()) base.setFamily(face);
    fonts_.push_back({base, 0});
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
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

void PainterSurface::PushFont(const engine::FontSpec& spec) {
    fonts_.push_back(
        {FontForCellHeight(QString::fromStdString(spec.face), spec.cellHeight, spec.weight),
         spec.escapement});
}

void PainterSurface::PopFont() {
    if (fonts_.size() > 1) fonts_.pop_back();
}

engine::TextExtent PainterSurface::MeasureText(std::string_view text) const {
    const QFontMetrics metrics(Current().font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.ascent() + metrics.descent()};
}

void PainterSurface::DrawText(int x, int y, std::string_view text) {
    const SelectedFont& selected = Current();
    const QFontMetrics metrics(selected.font);
    const QString string = ToQString(text);
    painter_.save();
    painter_.translate(x, y);
    // Escapement turns counter-clockwise on the page; Qt turns clockwise with y pointing down.
    painter_.rotate(-selected.escapement / 10.0);
    painter_.fillRect(
        QRect(0, 0, metrics.horizontalAdvance(string), metrics.ascent() + metrics.descent()),
        Qt::white);
    painter_.setFont(selected.font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(0, metrics.ascent()), string);
    painter_.restore();
}

} // namespace platform
