// Label sheet arithmetic: lengths to dots, the fit count, the layout and the label cells.
// Expected values are worked by hand in the comments.

#include "print/LabelLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

using app::LabelSheet;
using app::PrinterMetrics;
using print::LabelCell;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Letter at 600 dpi: 5100 × 6600 dots.
app::PrinterMetrics Letter600(int offsetX = 0, int offsetY = 0) {
    app::PrinterMetrics m;
    m.PrinterDpiX = m.PrinterDpiY = 600;
    m.PhysicalWidth = 5100;
    m.PhysicalHeight = 6600;
    m.PhysicalOffsetX = offsetX;
    m.PhysicalOffsetY = offsetY;
    return m;
}

// Labels 1.0 × 2.625 in, margins 0.5 top and 0.1875 left, gaps 0 and 0.125.
const app::LabelSheet kLetterSheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};

std::array<int, 4> Box(const LabelCell& c) {
    return {c.left, c.top, c.width, c.height};
}

struct DotsCase {
    double length;
    engine::Unit unit;
    int dpi;
    int expected;
};

TEST(LabelLayout, LengthToDotsTruncatesTowardZero) {
    const DotsCase cases[] = {
        {0.5, kIn, 600, 300},        {0.1875, kIn, 600, 112}, // 112.5
        {2.625, kIn, 600, 1575},     {0.0016, kIn, 600, 0},   // 0.96
        {-0.1875, kIn, 600, -112},   {1.0, kCm, 600, 236},    // 236.22
        {2.54, kCm, 600, 600},       {6.5, kCm, 600, 1535},   // 1535.43
        {kNaN, kIn, 600, 0},         {1e300, kIn, 600, INT_MAX},
        {-1e300, kCm, 600, INT_MIN}, {INFINITY, kIn, 600, INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print::LengthToDots(c.length, c.unit, c.dpi), c.expected)
            << c.length << (c.unit == kCm ? " cm" : " in");
}

struct FitCase {
    const char* what;
    int start, size, gap, limit;
    int expected;
};

const FitCase kFitCases[] = {
    {"Letter rows: 900, 1500, ..., 6300", 300, 600, 0, 6600, 10},
    {"Letter columns: 1687, 3337, 4987", 112, 1575, 75, 5100, 3},
    {"last label ends on the paper edge", 0, 100, 0, 1000, 10},
    {"one dot beyond the edge", 0, 100, 0, 999, 9},
    {"third column ends on the edge", 112, 1575, 75, 4987, 3},
    {"third column one dot beyond", 112, 1575, 75, 4986, 2},
    {"first label ends on the edge", 6599, 1, 0, 6600, 1},
    {"first label one dot beyond", 6599, 2, 0, 6600, 0},
    {"margin equal to the paper", 6600, 600, 0, 6600, 0},
    {"margin beyond the paper", 7000, 600, 0, 6600, 0},
    {"zero pitch: the first label only", 0, 100, -100, 1000, 1},
    {"negative pitch: the first label only", 0, 100, -150, 1000, 1},
    {"zero pitch, first label on the edge", 0, 1000, -1000, 1000, 1},
    {"zero pitch, first label beyond", 0, 1001, -1001, 1000, 0},
    {"label of 0 dots without gap", 0, 0, 0, 1000, 1},
    {"label of 0 dots with gap: ends 0, 100, ..., 1000", 0, 0, 100, 1000, 11},
    {"negative label, positive pitch: ends -10, 0, ..., 100", 0, -10, 20, 100, 12},
    {"2^32 - 1 labels saturate", INT_MIN, 1, 0, INT_MAX, INT_MAX},
    {"largest label ends on the largest limit", 0, INT_MAX, INT_MAX, INT_MAX, 1},
    {"smallest values everywhere", INT_MIN, INT_MIN, INT_MIN, 0, 1},
};

TEST(LabelLayout, CountFitTable) {
    for (const auto& c : kFitCases)
        EXPECT_EQ(print::CountFit(c.start, c.size, c.gap, c.limit), c.expected) << c.what;
}

// The count stepped label by label, for positive pitches only (it would not end otherwise).
int SteppingCount(int start, int size, int gap, int limit) {
    if (limit <= start) return 0;
    int count = 0;
    int pos = start;
    do {
        pos += pos == start ? size : gap + size;
        if (pos <= limit) ++count;
    } while (pos < limit);
    return count;
}

TEST(LabelLayout, CountFitAgreesWithSteppingOnSmallSheets) {
    for (int start = -3; start <= 6; ++start)
        for (int size = 1; size <= 6; ++size)
            for (int gap = 1 - size; gap <= 6; ++gap)
                for (int limit = -3; limit <= 20; ++limit)
                    ASSERT_EQ(print::CountFit(start, size, gap, limit),
                              SteppingCount(start, size, gap, limit))
                        << start << " " << size << " " << gap << " " << limit;
}

struct LayoutCase {
    const char* what;
    app::LabelSheet sheet;
    int rows, columns, labels;
};

TEST(LabelLayout, RecomputeLayoutOnLetter) {
    app::LabelSheet marginsOnEdge = kLetterSheet;
    marginsOnEdge.MarginTop = 11.0;
    marginsOnEdge.MarginLeft = 8.5;
    app::LabelSheet topBeyond = kLetterSheet;
    topBeyond.MarginTop = 12.0;
    const LayoutCase cases[] = {
        {"the Letter example", kLetterSheet, 10, 3, 30},
        // rows: 150 + 900k ends 1050..6450; columns: 150 + 1200k ends 1350..4950
        {"the default sheet", app::LabelSheet{}, 7, 4, 28},
        {"margins equal to the paper", marginsOnEdge, 0, 0, 0},
        {"top margin beyond the paper", topBeyond, 0, 3, 0},
        // 1.27 cm = 300 dots, 2.54 cm = 600; columns 118 + 1535, then + 70 + 1535: 3 fit
        {"centimetres", app::LabelSheet{2.54, 6.5, 1.27, 0.5, 0.0, 0.3, engine::Unit::Centimetre},
         10, 3, 30},
        // A label of less than a dot carries nothing: none fits along that axis.
        {"not a number: labels of 0 dots", app::LabelSheet{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}, 0,
         0, 0},
        {"0.001 in wide with 0.5 in gaps", app::LabelSheet{1.0, 0.001, 0.5, 0.0, 0.0, 0.5}, 10, 0,
         0},
        {"0.001 in high", app::LabelSheet{0.001, 1.0, 0.5, 0.0, 0.0, 0.0}, 0, 8, 0},
        {"huge margins", app::LabelSheet{1.0, 1.0, 1e300, 1e300, 0.0, 0.0}, 0, 0, 0},
        {"negative label", app::LabelSheet{-1.0, -2.0, 0.5, 0.5, 0.0, 0.0}, 0, 0, 0},
        // 1-dot labels from INT_MIN: 2^32 - 1 each way, saturated
        {"absurd counts saturate",
         app::LabelSheet{0.002, 0.002, -1e300, -1e300, 0.0, 0.0, engine::Unit::Inch}, INT_MAX,
         INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        app::PrinterMetrics m = Letter600();
        int printScale = 8;
        print::RecomputeLayout(c.sheet, m, printScale);
        EXPECT_EQ(m.Rows, c.rows) << c.what;
        EXPECT_EQ(m.Columns, c.columns) << c.what;
        EXPECT_EQ(m.LabelsPerPage, c.labels) << c.what;
        EXPECT_EQ(printScale, 8) << c.what;
    }
}

struct ScaleCase {
    int dpi;
    int printScale;
    int expected;
};

TEST(LabelLayout, RecomputeLayoutSetsTenMilsOnlyWhenUnset) {
    const ScaleCase cases[] = {
        {600, 0, 6},   {300, 0, 3}, {250, 0, 2}, // 2.5 to even
        {350, 0, 4},                             // 3.5 to even
        {1200, 0, 12}, {600, 8, 8}, {600, -1, -1},
    };
    for (const auto& c : cases) {
        app::PrinterMetrics m = Letter600();
        m.PrinterDpiX = c.dpi;
        int printScale = c.printScale;
        print::RecomputeLayout(kLetterSheet, m, printScale);
        EXPECT_EQ(printScale, c.expected) << c.dpi << " dpi from " << c.printScale;
    }
}

struct CellCase {
    const char* what;
    app::LabelSheet sheet;
    int column, row;
    std::array<int, 4> expected; // left, top, width, height
};

// Uneven lengths at 600 dpi: the index multiplies before truncation, so column 3 is
// Trunc(0.3333 × 600 × 3) = 599, not 3 × Trunc(199.98) = 597.
const app::LabelSheet kUneven{0.2222, 0.3333, 0.05, 0.1, 0.0007, 0.0111, engine::Unit::Inch};

TEST(LabelLayout, LabelCellInPrinterCoordinates) {
    const CellCase cases[] = {
        {"Letter (0, 0)", kLetterSheet, 0, 0, {112 - 75, 300 - 50, 1575, 600}},
        {"Letter (1, 3)", kLetterSheet, 1, 3, {112 + 75 + 1575 - 75, 300 + 1800 - 50, 1575, 600}},
        {"Letter (2, 9)", kLetterSheet, 2, 9, {112 + 150 + 3150 - 75, 300 + 5400 - 50, 1575, 600}},
        // left 60 + Trunc(19.98) + Trunc(599.94); top 30 + Trunc(0.84) + Trunc(266.64)
        {"uneven (3, 2)", kUneven, 3, 2, {60 + 19 + 599 - 75, 30 + 0 + 266 - 50, 199, 133}},
        {"not a number",
         app::LabelSheet{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN},
         4,
         4,
         {-75, -50, 0, 0}},
        {"negative label",
         app::LabelSheet{-1.0, -2.625, 0.5, 0.1875, 0.0, 0.125},
         2,
         1,
         {112 + 150 - 3150 - 75, 300 - 600 - 50, -1575, -600}},
        {"huge margins",
         app::LabelSheet{1.0, 1.0, 1e300, 1e300, 0.0, 0.0},
         0,
         0,
         {INT_MAX - 75, INT_MAX - 50, 600, 600}},
        {"huge index", kLetterSheet, INT_MAX, INT_MAX, {INT_MAX, INT_MAX, 1575, 600}},
        {"huge negative margins",
         app::LabelSheet{1.0, 1.0, -1e300, -1e300, 0.0, 0.0},
         0,
         0,
         {INT_MIN, INT_MIN, 600, 600}},
    };
    const app::PrinterMetrics m = Letter600(75, 50);
    for (const auto& c : cases)
        EXPECT_EQ(Box(print::LabelCellAt(c.sheet, m, c.column, c.row)), c.expected) << c.what;
}

TEST(LabelLayout, CentimetreCellOnEachAxisOwnResolution) {
    // 300 dpi across, 600 down; each length is divided by 2.54 first:
    // left 118.11 + 70.87 (0.3 × 2) + 590.55 (2.5 × 2); top 283.46 + 141.73 + 2480.31
    app::PrinterMetrics m = Letter600(10, 20);
    m.PrinterDpiX = 300;
    const app::LabelSheet sheet{3.5, 2.5, 1.2, 1.0, 0.2, 0.3, engine::Unit::Centimetre};
    const std::array<int, 4> expected{118 + 70 + 590 - 10, 283 + 141 + 2480 - 20, 295, 826};
    EXPECT_EQ(Box(print::LabelCellAt(sheet, m, 2, 3)), expected);
}

struct PreviewCase {
    const char* what;
    app::LabelSheet sheet;
    int px, py, column, row;
    int left, top, right, bottom;
};

TEST(LabelLayout, PreviewCellHasNoOffset) {
    const PreviewCase cases[] = {
        // 2.8125 → 2, 1.875 → 1, 39.375 → 39; 7.5 → 7, 30
        {"Letter (1, 2) at 15", kLetterSheet, 15, 15, 1, 2, 42, 37, 81, 52},
        {"Letter (0, 0) at 15 × 18", kLetterSheet, 15, 18, 0, 0, 2, 9, 41, 27},
        // 7.87 + 4.72 + 39.37, width 19.69; 9.45 + 4.72 + 82.68, height 27.56
        {"centimetres (2, 3) at 20",
         app::LabelSheet{3.5, 2.5, 1.2, 1.0, 0.2, 0.3, engine::Unit::Centimetre}, 20, 20, 2, 3, 50,
         95, 69, 122},
        {"huge margins saturate the far edge", app::LabelSheet{1.0, 1.0, 1e300, 1e300, 0.0, 0.0},
         15, 15, 0, 0, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        const LabelCell cell = print::PreviewCellAt(c.sheet, c.px, c.py, c.column, c.row);
        const std::array<int, 4> actual{cell.left, cell.top, cell.Right(), cell.Bottom()};
        EXPECT_EQ(actual, (std::array<int, 4>{c.left, c.top, c.right, c.bottom})) << c.what;
    }
}

} // namespace
