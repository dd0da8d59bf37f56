#pragma once
// The drawing surface the engine draws on: bitmaps, printers, metafiles and test recorders
// all implement this narrow interface, so the encoders never know where their bars go.

#include <string>
#include <string_view>

namespace engine {

enum class Fill { Black, White };

struct TextExtent {
    int width = 0;  // along the reading direction
    int height = 0; // across it
};

struct FontSpec {
    std::string face;
    int cellHeight = 0; // ascent + descent, device units
    int weight = 400;   // 100..900, 400 normal, 700 bold
    int escapement = 0; // tenths of a degree, counter-clockwise
};

// Texts are UTF-8: MeasureText and DrawText take any Unicode text, and a surface whose format
// cannot carry a character puts what the format allows in its place ('?' in a WMF). The engine
// turns the linear symbologies' Latin-1 texts into UTF-8 before they reach a surface.
class Surface {
  public:
    virtual ~Surface() = default;

    // Fills left <= x < right, top <= y < bottom; an empty rectangle draws nothing.
    virtual void FillRect(int left, int top, int right, int bottom, Fill fill) = 0;

    virtual std::string FontFace() const = 0;
    virtual void PushFont(const FontSpec& font) = 0;
    virtual void PopFont() = 0;

    virtual TextExtent MeasureText(std::string_view text) const = 0;
    // (x, y) is the corner where reading starts on the text's top line; the text cell is filled
    // white first and the whole cell is turned by the current escapement.
    virtual void DrawText(int x, int y, std::string_view text) = 0;
};

// Selects a font for the lifetime of the object and restores the previous one on every path.
class ScopedFont {
  public:
    ScopedFont(Surface& surface, const FontSpec& font) : surface_(surface) {
        surface_.PushFont(font);
    }
    ~ScopedFont() { surface_.PopFont(); }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

  private:
    Surface& surface_;
};

} // namespace engine
