#pragma once
// The two drawing primitives every encoder uses, and a cursor that walks bar patterns with them
// so that one pattern table serves all four orientations.

#include "engine/Surface.h"

#include <cstdint>

namespace engine {

// 0 = 0°, 1 = 90°, 2 = 180°, 3 = 270°; the numeric values are the stored ones.
enum class Orientation : std::uint8_t { Deg0 = 0, Deg90 = 1, Deg180 = 2, Deg270 = 3 };

inline constexpr Orientation kAllOrientations[] = {Orientation::Deg0, Orientation::Deg90,
                                                   Orientation::Deg180, Orientation::Deg270};

// Bars run vertically for 0° and 180°, so the sequence advances along x; otherwise along y.
inline bool AdvancesAlongY(Orientation o) {
    return o == Orientation::Deg90 || o == Orientation::Deg270;
}

// The orientation whose sequence runs across the bars of `o`: bearer bars, offsets across.
inline Orientation Crosswise(Orientation o) {
    return AdvancesAlongY(o) ? Orientation::Deg0 : Orientation::Deg90;
}

// Coordinates saturate at the int range: a bar past its end is left out, a cursor stops there.
void DrawBar(Surface& dc, int x, int y, int thickness, int length, Orientation orientation);
void AdvanceCursor(int& x, int& y, int step, Orientation orientation);

// Draws patterns stored most significant bit first (1 = bar) from a moving bar start.
class BarCursor {
  public:
    BarCursor(Surface& dc, int x, int y, int barLength, int module, Orientation orientation)
        : dc_(dc), x_(x), y_(y), barLength_(barLength), module_(module), orientation_(orientation) {
    }

    // The top `count` bits of `bits` (at most 16), one module each; adjacent bar modules merge.
    void Modules(std::uint16_t bits, int count);
    // One bar `modules` wide at the full bar length, then the cursor moves past it.
    void Bar(int modules);
    // A bar `modules` thick, `length` long and `offset` in from the bar start across the
    // sequence; the cursor does not move.
    void BarAt(int modules, int offset, int length);
    void Space(int modules);

    int X() const { return x_; }
    int Y() const { return y_; }
    int Module() const { return module_; }
    int BarLength() const { return barLength_; }

  private:
    Surface& dc_;
    int x_;
    int y_;
    int barLength_;
    int module_;
    Orientation orientation_;
};

} // namespace engine
