#include "engine/BarDrawing.h"

namespace engine {

void DrawBar(Surface& dc, int x, int y, int thickness, int length, Orientation orientation) {
    if (thickness <= 0 || length <= 0) return;
    if (AdvancesAlongY(orientation))
        dc.FillRect(x, y, x + length, y + thickness, Fill::Black);
    else
        dc.FillRect(x, y, x + thickness, y + length, Fill::Black);
}

void AdvanceCursor(int& x, int& y, int step, Orientation orientation) {
    if (AdvancesAlongY(orientation))
        y += step;
    else
        x += step;
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
    DrawBar(dc_, x_, y_, modules * module_, barLength_, orientation_);
    AdvanceCursor(x_, y_, modules * module_, orientation_);
}

void BarCursor::BarAt(int modules, int offset, int length) {
    int x = x_;
    int y = y_;
    // Move across the sequence: along y for vertical bars, along x for horizontal ones.
    if (AdvancesAlongY(orientation_))
        x += offset;
    else
        y += offset;
    DrawBar(dc_, x, y, modules * module_, length, orientation_);
}

void BarCursor::Space(int modules) {
    AdvanceCursor(x_, y_, modules * module_, orientation_);
}

} // namespace engine
