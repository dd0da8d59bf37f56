#include "export/RasterCanvas.h"

#include "engine/Units.h"
#include "export/MonoBits.h"
#include "platform/Errors.h"

#include <QTransform>

#include <algorithm>

namespace exporting {
namespace {

constexpr uchar kWhiteByte = 0xFF; // index 1 is white in the colour table {black, white}

// Gives `image` the size and format asked for, reusing its memory when it already has them.
void Prepare(QImage& image, QSize size, QImage::Format format) {
    if (image.size() == size && image.format() == format) return;
    image = QImage();
    image = QImage(size, format);
    if (image.isNull()) ThrowOutOfMemory(size);
    if (format == QImage::Format_Mono) image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
}

} // namespace

MonoSurface::MonoSurface(QImage& mono, QImage& scratch, QPainter& scratchPainter,
                         const QString& face)
    : mono_(mono), rows_(mono), scratch_(scratch), text_(scratchPainter, face) {}

void MonoSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, mono_.width());
    bottom = std::min(bottom, mono_.height());
    if (right <= left || bottom <= top) return;
    const uchar value = fill == engine::Fill::White ? kWhiteByte : 0;
    rows_.ForEachRun(top, bottom, [&](uchar* row) { FillBits(row, 0, 1, left, right, value); });
}

void MonoSurface::PushFont(const engine::FontSpec& font) {
    text_.PushFont(font);
    escapements_.push_back(font.escapement);
}

void MonoSurface::PopFont() {
    text_.PopFont();
    if (escapements_.size() > 1) escapements_.pop_back();
}

void MonoSurface::DrawText(int x, int y, std::string_view text) {
    const engine::TextExtent extent = text_.MeasureText(text);
    // The turned text cell, with room for glyphs that reach past it (a quarter of the cell is
    // far more than any text face's overhang).
    QTransform turn;
    turn.translate(x, y);
    turn.rotate(-escapements_.back() / 10.0);
    const int margin = extent.height / 4 + 2;
    QRect area = turn.mapRect(QRectF(0, 0, extent.width, extent.height))
                     .toAlignedRect()
                     .adjusted(-margin, -margin, margin, margin) &
                 mono_.rect();
    if (area.isEmpty()) return;
    rows_.Separate(area.top(), area.bottom() + 1);
    const int firstByte = area.left() / 8;
    const int endByte = area.right() / 8 + 1;
    const int width = mono_.width();
    for (int row = area.top(); row <= area.bottom(); ++row)
        ExpandBits(mono_.constScanLine(row), scratch_.scanLine(row), firstByte, endByte, width);
    text_.DrawText(x, y, text);
    for (int row = area.top(); row <= area.bottom(); ++row)
        PackBits(scratch_.constScanLine(row), mono_.scanLine(row), firstByte, endByte, width);
}

const QImage& RasterCanvas::Draw(const ExportDocument& document, const PictureGeometry& picture) {
    Prepare(mono_, picture.size, QImage::Format_Mono);
    Prepare(scratch_, picture.size, QImage::Format_Grayscale8);
    {
        QPainter painter(&scratch_);
        MonoSurface surface(mono_, scratch_, painter, document.FontFace);
        DrawPicture(surface, document, picture);
        surface.Finish();
    }
    const int dotsPerMeter = engine::RoundHalfEven(picture.dpi / 0.0254);
    mono_.setDotsPerMeterX(dotsPerMeter);
    mono_.setDotsPerMeterY(dotsPerMeter);
    return mono_;
}

} // namespace exporting
