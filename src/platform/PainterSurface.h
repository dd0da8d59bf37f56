#pragma once
// An engine::Surface over a QPainter: bitmaps, printers, SVG and PDF all draw through it.
// Fonts are sized by cell height (ascent + descent), as the engine measures them.

#include "engine/Surface.h"

#include <QFont>
#include <QPainter>

#include <vector>

namespace platform {

class PainterSurface : public engine::Surface {
  public:
    // The painter's current font family is the face the engine starts from unless one is given.
    explicit PainterSurface(QPainter& painter, const QString& face = {});
    ~PainterSurface() override;

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override;
    std::string FontFace() const override;
    void PushFont(const engine::FontSpec& font) override;
    void PopFont() override;
    engine::TextExtent MeasureText(std::string_view text) const override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    struct SelectedFont {
        QFont font;
        int escapement = 0;
    };
    const SelectedFont& Current() const { return fonts_.back(); }

    QPainter& painter_;
    std::vector<SelectedFont> fonts_; // never empty: the base font is at the bottom
};

// The font of `face` whose ascent + descent is as close to `cellHeight` pixels as it can be
// without exceeding it; drawn without antialiasing so text stays pure black and white.
QFont FontForCellHeight(const QString& face, int cellHeight, int weight);

} // namespace platform
