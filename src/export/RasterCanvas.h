#pragma once
// Raster pictures drawn straight at 1 bit per pixel: rectangles set bits, and text is stamped
// from the pixels Qt drew for each character before, or else goes through PainterSurface on an
// 8-bit scratch copy of the text's area only. Either way every pixel is the one PainterSurface
// would draw on a whole 8-bit picture, at a fraction of the memory traffic.

#include "export/GlyphStamps.h"
#include "export/Picture.h"
#include "export/RowRuns.h"
#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <optional>
#include <vector>

namespace exporting {

class MonoSurface final : public engine::Surface {
  public:
    // `mono` is Format_Mono with colour table {black, white}, white to start with; `scratch` is
    // an 8-bit image of the same size, painted on only for text that cannot be stamped.
    MonoSurface(QImage& mono, QImage& scratch, platform::FontCache& fonts, GlyphStamps& stamps,
                const QString& face);

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override;
    std::string FontFace() const override;
    void PushFont(const engine::FontSpec& font) override;
    void PopFont() override;
    engine::TextExtent MeasureText(std::string_view text) const override;
    void DrawText(int x, int y, std::string_view text) override;

    // Completes the picture; call once the drawing is done.
    void Finish() { rows_.Finish(); }

  private:
    struct SelectedFont {
        engine::FontSpec asked;
        std::shared_ptr<const platform::SizedFont> font;
    };
    bool StampText(int x, int y, std::string_view text);
    void PaintText(int x, int y, std::string_view text);
    // The painter on the scratch image, started for the first text that needs it.
    platform::PainterSurface& Painter() const;

    QImage& mono_;
    RowRuns rows_;
    QImage& scratch_;
    platform::FontCache& fonts_;
    GlyphStamps& stamps_;
    QString face_;
    std::vector<SelectedFont> selected_; // the engine's fonts above the base font
    mutable std::optional<QPainter> painter_;
    mutable std::optional<platform::PainterSurface> text_; // ends before the painter
    std::vector<int> pens_;
    std::vector<const GlyphStamp*> glyphs_;
    std::string latin1_; // the text being stamped
};

// Keeps its buffers and the stamps of the characters it drew from one picture to the next (a
// batch of exports).
class RasterCanvas {
  public:
    // `fonts` must outlive the canvas.
    explicit RasterCanvas(platform::FontCache& fonts) : fonts_(fonts) {}
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

    // The picture with its resolution set; valid until the next call. Throws platform::Failure
    // when the memory for it cannot be had.
    const QImage& Draw(const ExportDocument& document, const PictureGeometry& picture);

  private:
    platform::FontCache& fonts_;
    GlyphStamps stamps_;
    QImage mono_;
    QImage scratch_;
};

} // namespace exporting
