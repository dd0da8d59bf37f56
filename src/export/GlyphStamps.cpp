#include "export/GlyphStamps.h"

#include "engine/Utf8.h"

#include <QPainter>

#include <algorithm>

namespace exporting {
namespace {

constexpr std::size_t kMaxFonts = 8;
constexpr int kFractions = 64;
constexpr int kUnknown = -1;
constexpr int kNone = -2; // reaches the edge of the capture: drawn through Qt instead
// A capture larger than this, of which the picture shows less than a quarter, is left to Qt,
// which draws only what falls in the picture: a one-dot-high picture of huge text would
// otherwise capture every glyph whole.
constexpr long long kCheapCapture = 256 * 256;
constexpr long long kMostlyHidden = 4;
const GlyphStamp kNothing{}; // for a glyph wholly outside the picture

long long Pixels(const QRect& r) {
    return static_cast<long long>(r.width()) * r.height();
}

// The area a character is captured on, from the stamp's origin: its advance and text cell with
// room on every side far beyond any face's overhang.
QRect CaptureArea(const platform::SizedFont& font, unsigned char c) {
    const char character = static_cast<char>(c);
    const int margin = font.CellHeight() / 2 + 4;
    const std::string utf8 = engine::Latin1ToUtf8(std::string_view(&character, 1));
    return QRect(-margin, -margin, font.Width(utf8) + 2 * margin, font.CellHeight() + 2 * margin);
}

// The ink of the captured 8-bit drawing inside `box`, as rows of bits; the capture's top left
// pixel is `origin` from the stamp's origin.
GlyphStamp InkOf(const QImage& gray, const QRect& box, QPoint origin) {
    GlyphStamp stamp{box.left() + origin.x(),
                     box.top() + origin.y(),
                     box.width(),
                     box.height(),
                     (box.width() + 7) / 8,
                     {}};
    stamp.ink.assign(static_cast<std::size_t>(stamp.bytesPerRow * stamp.height), 0);
    for (int y = 0; y < stamp.height; ++y) {
        const uchar* in = gray.constScanLine(box.top() + y) + box.left();
        uchar* out = stamp.ink.data() + y * stamp.bytesPerRow;
        for (int x = 0; x < stamp.width; ++x)
            if (in[x] < 128) out[x / 8] |= static_cast<uchar>(0x80 >> (x % 8));
    }
    return stamp;
}

// The smallest rectangle holding every black pixel; empty for none.
QRect InkBox(const QImage& gray) {
    const int width = gray.width(), height = gray.height();
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const uchar* row = gray.constScanLine(y);
        for (int x = 0; x < width; ++x)
            if (row[x] < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = y;
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

GlyphStamps::FontStamps&
GlyphStamps::StampsOf(const std::shared_ptr<const platform::SizedFont>& font) {
    auto found = std::find_if(fonts_.begin(), fonts_.end(),
                              [&](const FontStamps& f) { return f.font == font; });
    if (found == fonts_.end()) {
        if (fonts_.size() >= kMaxFonts) fonts_.erase(fonts_.begin());
        fonts_.push_back({font, std::vector<int>(256 * kFractions, kUnknown), {}});
    } else if (found + 1 != fonts_.end()) {
        std::rotate(found, found + 1, fonts_.end());
    }
    return fonts_.back();
}

const GlyphStamp* GlyphStamps::Get(const std::shared_ptr<const platform::SizedFont>& font,
                                   unsigned char c, int fraction, const QRect& picture) {
    const QRect area = CaptureArea(*font, c);
    const QRect seen = area & picture;
    if (seen.isEmpty()) return &kNothing;
    FontStamps& stamps = StampsOf(font);
    int& slot =
        stamps.index[static_cast<std::size_t>(c) * kFractions + static_cast<std::size_t>(fraction)];
    if (slot == kUnknown) {
        if (Pixels(area) > kCheapCapture && Pixels(area) > kMostlyHidden * Pixels(seen))
            return nullptr;
        std::optional<GlyphStamp> stamp = Capture(*font, c, fraction, area);
        slot = stamp ? static_cast<int>(stamps.stamps.size()) : kNone;
        if (stamp) stamps.stamps.push_back(std::move(*stamp));
    }
    return slot >= 0 ? &stamps.stamps[static_cast<std::size_t>(slot)] : nullptr;
}

// Drawn as PainterSurface draws text, upright; ink that reaches the edge of the area might have
// been cut, so that character is not stamped.
std::optional<GlyphStamp> GlyphStamps::Capture(const platform::SizedFont& font, unsigned char c,
                                               int fraction, const QRect& area) {
    if (capture_.size() != area.size()) capture_ = QImage(area.size(), QImage::Format_Grayscale8);
    capture_.fill(255);
    {
        QPainter painter(&capture_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.translate(-area.topLeft());
        painter.setFont(font.Font());
        painter.setPen(Qt::black);
        painter.drawText(QPointF(fraction / double(kFractions), font.Ascent()),
                         QString(QChar(char16_t{c})));
    }
    const QRect box = InkBox(capture_);
    if (box.isEmpty()) return GlyphStamp{};
    if (!capture_.rect().adjusted(1, 1, -1, -1).contains(box)) return std::nullopt;
    return InkOf(capture_, box, area.topLeft());
}

void StampGlyph(QImage& mono, const GlyphStamp& stamp, int x, int y) {
    const int width = mono.width(), height = mono.height();
    const qsizetype stride = mono.bytesPerLine();
    uchar* bits = mono.bits();
    const int left = x + stamp.left;
    const bool inside = left >= 0 && left + stamp.width <= width;
    const int shift = left & 7;
    for (int r = 0; r < stamp.height; ++r) {
        const int row = y + stamp.top + r;
        if (row < 0 || row >= height) continue;
        uchar* out = bits + row * stride;
        const uchar* ink = stamp.ink.data() + r * stamp.bytesPerRow;
        if (inside) {
            // A set bit is black ink; in the picture black is 0.
            uchar* at = out + left / 8;
            for (int b = 0; b < stamp.bytesPerRow; ++b) {
                at[b] &= static_cast<uchar>(~(ink[b] >> shift));
                const auto spill = static_cast<uchar>(ink[b] << (8 - shift));
                if (shift != 0 && spill != 0) at[b + 1] &= static_cast<uchar>(~spill);
            }
            continue;
        }
        for (int i = 0; i < stamp.width; ++i) {
            const int px = left + i;
            if (px >= 0 && px < width && (ink[i / 8] & (0x80 >> (i % 8))))
                out[px / 8] &= static_cast<uchar>(~(0x80 >> (px % 8)));
        }
    }
}

} // namespace exporting
