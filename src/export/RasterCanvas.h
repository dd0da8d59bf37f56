#pragma once
// Raster pictures drawn straight at 1 bit per pixel: rectangles set bits, and text goes through
// PainterSurface on an 8-bit scratch copy of the text's area only, so every pixel is the one
// PainterSurface would draw on a whole 8-bit picture, at a fraction of the memory traffic.

#include "export/Picture.h"
#include "export/RowRuns.h"
#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <vector>

namespace exporting {

class MonoSurface final : public engine::Surface {
  public:
    // `mono` is Format_Mono with colour table {black, white}, white to start with; `scratch` is
    // an 8-bit image of the same size that `scratchPainter` paints on.
    MonoSurface(QImage& mono, QImage& scratch, QPainter& scratchPainter, const QString& face);

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override;
    std::string FontFace() const override { return text_.FontFace(); }
    void PushFont(const engine::FontSpec& font) override;
    void PopFont() override;
    engine::TextExtent MeasureText(std::string_view text) const override {
        return text_.MeasureText(text);
    }
    void DrawText(int x, int y, std::string_view text) override;

    // Completes the picture; call once the drawing is done.
    void Finish() { rows_.Finish(); }

  private:
    QImage& mono_;
    RowRuns rows_;
    QImage& scratch_;
    platform::PainterSurface text_;
    std::vector<int> escapements_{0}; // mirrors the font stack of text_
};

// Keeps its buffers from one picture to the next of the same size (a batch of exports).
class RasterCanvas {
  public:
    // The picture with its resolution set; valid until the next call. Throws platform::Failure
    // when the memory for it cannot be had.
    const QImage& Draw(const ExportDocument& document, const PictureGeometry& picture);

  private:
    QImage mono_;
    QImage scratch_;
};

} // namespace exporting
