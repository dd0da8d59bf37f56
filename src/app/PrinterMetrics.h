#pragma once
// The selected printer's resolution and page geometry and the screen's resolution, cached so
// that layout needs no device query, with the label layout results derived from them.

#include <algorithm>
#include <climits>

namespace app {

struct PrinterMetrics {
    int PrinterDpiX = 0;
    int PrinterDpiY = 0;
    int PhysicalWidth = 0; // whole paper, dots
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0; // paper edge to printable area, dots
    int PhysicalOffsetY = 0;
    int NonprintableRight = 0; // printable area's right edge to the paper's
    int NonprintableBottom = 0;
    int ScreenDpiX = 96;
    int ScreenDpiY = 96;

    // Set by RecomputeLayout.
    int Rows = 0;
    int Columns = 0;
    int LabelsPerPage = 0;

    bool operator==(const PrinterMetrics&) const = default;
};

inline constexpr int kDefaultScreenDpi = 96; // when there is no screen to ask

// Layout sums run in 64 bits and come back to the 32-bit fields saturated.
inline int SaturateToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The printable area in dots, as the printer's painter sees it.
inline int PrintableWidth(const PrinterMetrics& m) {
    return SaturateToInt(static_cast<long long>(m.PhysicalWidth) - m.PhysicalOffsetX -
                         m.NonprintableRight);
}
inline int PrintableHeight(const PrinterMetrics& m) {
    return SaturateToInt(static_cast<long long>(m.PhysicalHeight) - m.PhysicalOffsetY -
                         m.NonprintableBottom);
}

} // namespace app
