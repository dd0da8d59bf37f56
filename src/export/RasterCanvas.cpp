#include "export/RasterCanvas.h"

#include "engine/Units.h"
#include "export/MonoBits.h"
#include "platform/Errors.h"
#include "platform/SurfaceText.h"

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

MonoSurface::MonoSurface(QImage& mono, QImage& scratch, platform::FontCache& fonts,
                         GlyphStamps& stamps, const QString& face)
    : mono_(mono), rows_(mono), scratch_(scratch), fonts_(fonts), stamps_(stamps), face_(face) {}

void MonoSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, mono_.width());
    bottom = std::min(bottom, mono_.height());
    if (right <= left || bottom <= top) return;
    const uchar value = fill == engine::Fill::White ? kWhiteByte : 0;
    rows_.ForEachRun(top, bottom, [&](uchar* row) { FillBits(row, 0, 1, left, right, value); });
}

std::string MonoSurface::FontFace() const {
    if (!selected_.empty()) return selected_.back().font->Font().family().toStdString();
    return face_.isEmpty() ? Painter().FontFace() : face_.toStdString();
}

void MonoSurface::PushFont(const engine::FontSpec& font) {
    selected_.push_back({font, fonts_.Get(font)});
    if (text_) text_->PushFont(font);
}

void MonoSurface::PopFont() {
    if (!selected_.empty()) selected_.pop_back();
    if (text_) text_->PopFont();
}

engine::TextExtent MonoSurface::MeasureText(std::string_view text) const {
    if (selected_.empty()) return Painter().MeasureText(text);
    const platform::SizedFont& font = *selected_.back().font;
    return {font.Width(text), font.CellHeight()};
}

void MonoSurface::DrawText(int x, int y, std::string_view text) {
    if (!StampText(x, y, text)) PaintText(x, y, text);
}

platform::PainterSurface& MonoSurface::Painter() const {
    if (!text_) {
        painter_.emplace(&scratch_);
        text_.emplace(*painter_, fonts_, face_);
        for (const SelectedFont& font : selected_)
            text_->PushFont(font.asked);
    }
    return *text_;
}

// Upright text of a face whose characters sit where their widths put them: the white cell,
// then each character's stamp at its pen.
bool MonoSurface::StampText(int x, int y, std::string_view text) {
    if (selected_.empty() || selected_.back().asked.escapement != 0) return false;
    const std::shared_ptr<const platform::SizedFont>& font = selected_.back().font;
    // Stamps are kept for Latin-1 characters; other texts are painted.
    if (!platform::ToLatin1(text, latin1_) || !font->PenPositions(text, pens_)) return false;
    glyphs_.clear();
    int top = y, bottom = y + font->CellHeight();
    for (std::size_t i = 0; i < latin1_.size(); ++i) {
        const GlyphStamp* stamp =
            stamps_.Get(font, static_cast<unsigned char>(latin1_[i]), pens_[i] & 63,
                        mono_.rect().translated(-(x + (pens_[i] >> 6)), -y));
        if (!stamp) return false;
        glyphs_.push_back(stamp);
        top = std::min(top, y + stamp->top);
        bottom = std::max(bottom, y + stamp->top + stamp->height);
    }
    rows_.Separate(std::max(top, 0), std::min(bottom, mono_.height()));
    const int cellTop = std::max(y, 0);
    const int cellBottom = std::min(y + font->CellHeight(), mono_.height());
    const int left = std::max(x, 0), right = std::min(x + font->Width(text), mono_.width());
    if (cellTop < cellBottom && left < right)
        FillBits(mono_.scanLine(cellTop), mono_.bytesPerLine(), cellBottom - cellTop, left, right,
                 kWhiteByte);
    for (std::size_t i = 0; i < glyphs_.size(); ++i)
        StampGlyph(mono_, *glyphs_[i], x + (pens_[i] >> 6), y);
    return true;
}

void MonoSurface::PaintText(int x, int y, std::string_view text) {
    platform::PainterSurface& painter = Painter();
    const engine::TextExtent extent = painter.MeasureText(text);
    const int escapement = selected_.empty() ? 0 : selected_.back().asked.escapement;
    // The turned text cell, with room for glyphs that reach past it (a quarter of the cell is
    // far more than any text face's overhang).
    QTransform turn;
    turn.translate(x, y);
    turn.rotate(-escapement / 10.0);
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
    painter.DrawText(x, y, text);
    for (int row = area.top(); row <= area.bottom(); ++row)
        PackBits(scratch_.constScanLine(row), mono_.scanLine(row), firstByte, endByte, width);
}

const QImage& RasterCanvas::Draw(const ExportDocument& document, const PictureGeometry& picture) {
    Prepare(mono_, picture.size, QImage::Format_Mono);
    Prepare(scratch_, picture.size, QImage::Format_Grayscale8);
    {
        MonoSurface surface(mono_, scratch_, fonts_, stamps_, document.FontFace);
        DrawPicture(surface, document, picture);
        surface.Finish();
    }
    const int dotsPerMeter = engine::RoundHalfEven(picture.dpi / 0.0254);
    mono_.setDotsPerMeterX(dotsPerMeter);
    mono_.setDotsPerMeterY(dotsPerMeter);
    return mono_;
}

} // namespace exporting
