#pragma once
// Records the engine's drawing as an enhanced metafile (EMF); the same recording also serialises
// as a placeable Windows metafile (WMF).

#include "engine/Surface.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

namespace platform {

class FontCache;

// The reference screen: its size in pixels and millimetres (96 dpi and 0.2646 mm per pixel
// when there is no display).
struct ReferenceScreen {
    int widthPixels = 1024;
    int heightPixels = 768;
    double widthMillimetres = 1024 * 0.2646;
    double heightMillimetres = 768 * 0.2646;
};

// The primary screen's reference values, or the defaults above when there is none.
ReferenceScreen CurrentReferenceScreen();

class MetafileSurface : public engine::Surface {
  public:
    // `picture` in pixels (device units of the drawing); `dotsPerInch` becomes the units per inch.
    MetafileSurface(QSize picture, int dotsPerInch, const QString& fontFace,
                    const ReferenceScreen& screen = CurrentReferenceScreen());
    // Takes its fonts and their measurements from `fonts`, which must outlive the surface.
    MetafileSurface(QSize picture, int dotsPerInch, const QString& fontFace, FontCache& fonts,
                    const ReferenceScreen& screen = CurrentReferenceScreen());
    ~MetafileSurface() override;

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override;
    std::string FontFace() const override;
    void PushFont(const engine::FontSpec& font) override;
    void PopFont() override;
    engine::TextExtent MeasureText(std::string_view text) const override;
    void DrawText(int x, int y, std::string_view text) override;

    // The recording as an enhanced metafile file image (header, records, EOF).
    QByteArray ToEmf() const;
    // The recording as a placeable Windows metafile: the 22-byte header, then the records. Units
    // per inch are the resolution, lowered (keeping the physical size) where it or the bounding
    // box would not fit the header's 16-bit fields. Throws Failure for a picture wider or higher
    // than 32767 pixels, which the 16-bit coordinates cannot reach.
    QByteArray ToPlaceableWmf() const;

  private:
    struct Recording;
    std::unique_ptr<Recording> recording_;
};

} // namespace platform
