#include "engine/BarDrawing.h"

#include "engine/Saturating.h"

namespace engine {

void DrawBar(Surface& dc, int x, int y, int thickness, int length, Orientation orientation) {
    const bool alongY = AdvancesAlongY(orientation);
    const int right = AddSaturated(x, alongY ? length : thickness);
    const int bottom = AddSaturated(y, alongY ? thickness : length);
    // Also empty when a bar starts at the far end of the coordinate range.
    if (right <= x || bottom <= y) return;
    dc.FillRect(x, y, right, bottom, Fill::Black);
}

void AdvanceCursor(int& x, int& y, int step, Orientation orientation) {
    int& moving = AdvancesAlongY(orientation) ? y : x;
    moving = AddSaturated(moving, step);
}

void BarCursor::Modules(std::uint16_t bits, int count) {
    int run = 0; // bar modules waiting to be drawn as one bar
    for (int i = 0; i < count; ++i) {
        const bool bar = (bits & (0x8000u >> i)) != 0;
        if (bar) {
            ++run;
            continue;
        }
        if (run > 0) Bar(run);
        run = 0;
        Space(1);
    }
    if (run > 0) Bar(run);
}

void BarCursor::Bar(int modules) {
    DrawBar(dc_, x_, y_, MulSaturated(modules, module_), barLength_, orientation_);
    Space(modules);
}

void BarCursor::BarAt(int modules, int offset, int length) {
    int x = x_;
    int y = y_;
    // Move across the sequence: along y for vertical bars, along x for horizontal ones.
    AdvanceCursor(x, y, offset, Crosswise(orientation_));
    DrawBar(dc_, x, y, MulSaturated(modules, module_), length, orientation_);
}

void BarCursor::Space(int modules) {
    AdvanceCursor(x_, y_, MulSaturated(modules, module_), orientation_);
}

} // namespace engine
