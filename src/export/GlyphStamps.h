#pragma once
// The pixels Qt draws for one character of a sized font, captured once from Qt's own drawing
// for each 64th of a pixel its pen can fall on, then stamped onto 1-bit pictures: a batch draws
// its readable text without laying it out and painting it again for every picture.

#include "platform/PainterSurface.h"

#include <QImage>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace exporting {

// The black pixels of one character, placed from the whole pixel at or left of its pen and the
// top of its text cell.
struct GlyphStamp {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int bytesPerRow = 0;
    std::vector<uchar> ink; // rows of bits, first pixel in the top bit, 1 = black
};

class GlyphStamps {
  public:
    // The stamp of the Latin-1 character `c` upright, its pen `fraction` 64ths of a pixel right of
    // a whole pixel, for a picture whose rectangle, seen from the stamp's origin, is `picture`.
    // Empty when the glyph lies wholly outside the picture; null when its drawing reaches the edge
    // of the area captured, or when the picture shows so little of a large glyph that capturing it
    // would cost more than Qt drawing the text cut to the picture. Valid while the font is among
    // the few most recently used.
    const GlyphStamp* Get(const std::shared_ptr<const platform::SizedFont>& font, unsigned char c,
                          int fraction, const QRect& picture);

  private:
    struct FontStamps {
        std::shared_ptr<const platform::SizedFont> font; // kept alive while its stamps are
        std::vector<int> index;        // by character and fraction: a stamp, or unknown, or none
        std::deque<GlyphStamp> stamps; // stays in place as it grows
    };
    FontStamps& StampsOf(const std::shared_ptr<const platform::SizedFont>& font);
    std::optional<GlyphStamp> Capture(const platform::SizedFont& font, unsigned char c,
                                      int fraction, const QRect& area);

    std::vector<FontStamps> fonts_; // the most recently used last
    QImage capture_;
};

// Blackens the stamp's pixels in a Format_Mono picture (colour table {black, white}) with the
// stamp's origin at (x, y); pixels outside the picture are left out.
void StampGlyph(QImage& mono, const GlyphStamp& stamp, int x, int y);

} // namespace exporting
