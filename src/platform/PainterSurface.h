#pragma once
// An engine::Surface over a QPainter: bitmaps, printers, SVG and PDF all draw through it.
// Fonts are sized by cell height (ascent + descent), as the engine measures them.

#include "platform/SizedFont.h"

#include <QPainter>

#include <string>
#include <string_view>
#include <vector>

namespace platform {

class PainterSurface : public engine::Surface {
  public:
    // The painter's current font family is the face the engine starts from unless one is given.
    explicit PainterSurface(QPainter& painter, const QString& face = {});
    // Takes its fonts and their measurements from `fonts`, which must outlive the surface.
    PainterSurface(QPainter& painter, FontCache& fonts, const QString& face = {});
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
        std::shared_ptr<const SizedFont> sized; // none for the base font and without a cache
    };
    const SelectedFont& Current() const { return fonts_.back(); }

    QPainter& painter_;
    FontCache* cache_ = nullptr;
    std::vector<SelectedFont> fonts_; // never empty: the base font is at the bottom
};

// A text cell as the surfaces draw it: the cell filled with its background, then the text from
// the reference point (where reading starts on the top line), all turned by the escapement
// (tenths of a degree, counter-clockwise).
struct TextCell {
    QSize size;
    int ascent = 0;
    QColor background = Qt::white;
    QColor ink = Qt::black;
};
void DrawTextCell(QPainter& painter, QPoint reference, const QString& text, const QFont& font,
                  int escapement, const TextCell& cell);

} // namespace platform
