#pragma once
// An engine::Surface that writes SVG: one <rect> per filled rectangle in groups of one colour,
// and the readable text as <text> in the face the engine chose, all in the picture's dots.
// Written directly rather than through QSvgGenerator, which spends most of a picture's time
// formatting numbers and wraps every fill in a group of its own.

#include "engine/Surface.h"
#include "platform/PainterSurface.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace exporting {

class SvgSurface final : public engine::Surface {
  public:
    // Takes its fonts and their measurements from `fonts`, which must outlive the surface.
    SvgSurface(const QString& face, platform::FontCache& fonts);

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override;
    std::string FontFace() const override;
    void PushFont(const engine::FontSpec& font) override;
    void PopFont() override;
    engine::TextExtent MeasureText(std::string_view text) const override;
    void DrawText(int x, int y, std::string_view text) override;

    // The whole file: `picture` dots wide and high, sized in millimetres at `dpi`.
    QByteArray Document(QSize picture, int dpi);

  private:
    struct SelectedFont {
        std::shared_ptr<const platform::SizedFont> font; // none for the base font
        int escapement = 0;
    };
    const platform::SizedFont& Current() const;
    void OpenGroup(engine::Fill fill);
    void CloseGroup();

    platform::FontCache& cache_;
    QString face_;
    std::vector<SelectedFont> fonts_; // never empty: the base font is at the bottom
    mutable std::shared_ptr<const platform::SizedFont> base_; // made when first measured
    std::string body_;
    std::optional<engine::Fill> group_; // the fill of the open <g>
};

} // namespace exporting
