#pragma once
// Fonts sized by cell height (ascent + descent), as the engine measures them, and a cache of
// them that a batch of pictures shares.

#include "engine/Surface.h"

#include <QFont>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The font of `face` whose ascent + descent is as close to `cellHeight` pixels as it can be
// without exceeding it; drawn without antialiasing so text stays pure black and white.
QFont FontForCellHeight(const QString& face, int cellHeight, int weight);

// A font sized by cell height that measures as QFontMetrics does, keeping what it measured:
// Qt lays out every text it measures, which costs more than drawing a whole barcode. A text is
// measured from the widths of its characters and of their pairs (kerning) in 64ths of a pixel;
// a face with ligatures or contextual forms, and control, missing or non-Latin-1 characters, go
// to Qt. Texts are UTF-8, as the engine passes them. Used by one thread at a time.
class SizedFont {
  public:
    explicit SizedFont(QFont font);

    const QFont& Font() const { return font_; }
    int Ascent() const { return ascent_; }
    int CellHeight() const { return cellHeight_; }
    // The face's average character width in whole pixels, as its font tables give it.
    int AverageWidth() const;
    // QFontMetrics::horizontalAdvance of the text.
    int Width(std::string_view text) const;
    // The steps of the widths of the text's growing prefixes, one per UTF-16 unit as EMF text
    // records count them (0 for the second unit of a surrogate pair): they sum to Width(text).
    std::vector<int> PrefixAdvances(std::string_view text) const;
    // Where each character's pen lies from the text's start, in 64ths of a pixel, for a Latin-1
    // text and a face whose characters' widths never depend on their neighbours; false
    // otherwise.
    bool PenPositions(std::string_view text, std::vector<int>& pens) const;

  private:
    enum class Layout {
        Plain,     // a character's width never depends on its neighbours
        Kerned,    // pairs of characters are kerned
        Contextual // ligatures or contextual forms: only Qt's layout knows the widths
    };
    // Measured from the tables: `latin1` is then the text's characters.
    bool Measurable(std::string_view text, std::string& latin1) const;
    int CharWidth(unsigned char c) const; // 64ths of a pixel
    int PairKerning(unsigned char first, unsigned char second) const;
    // Steps through the widths of the text's growing prefixes; returns the whole width.
    template <class Step> int Walk(std::string_view text, Step step) const;

    QFont font_;
    int ascent_ = 0;
    int cellHeight_ = 0;
    Layout layout_ = Layout::Contextual;
    std::array<bool, 256> inFace_{}; // drawn by this face, not a fallback
    mutable std::array<int, 256> widths_;
    mutable std::vector<int> kerning_; // 256 x 256, filled on first use
};

// Sized fonts kept for a batch of pictures, by face, cell height and weight (the escapement
// only turns the text). Owned by whoever draws the batch and handed to its surfaces.
class FontCache {
  public:
    // The font for `asked`, made on first use; the sixteen most recently used are kept, and a
    // font handed out stays valid as long as it is held.
    std::shared_ptr<const SizedFont> Get(const engine::FontSpec& asked);

  private:
    struct Entry {
        std::string face;
        int cellHeight = 0;
        int weight = 0;
        std::shared_ptr<const SizedFont> font;
    };
    std::vector<Entry> entries_; // the most recently used last
};

} // namespace platform
