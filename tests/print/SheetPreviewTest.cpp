// The sheet preview: the paper fitted into the paint box, the preview scale, the labels' fills,
// the hit test, and the skip read-out. Expected values are worked by hand in the comments.

#include "print/SheetPreview.h"

#include <gtest/gtest.h>

namespace {

using print::PreviewFill;
using print::PreviewGeometry;

app::PrinterMetrics Page(int width, int height) {
    app::PrinterMetrics m;
    m.PrinterDpiX = m.PrinterDpiY = 600;
    m.PhysicalWidth = width;
    m.PhysicalHeight = height;
    return m;
}

// 1.0 × 2.625 in, margins 0.5 and 0.1875, gaps 0 and 0.125: 10 rows of 3 on Letter.
const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};

TEST(SheetPreview, PaperFitsTheBoxAndGivesWholePixelsPerInch) {
    app::PrinterMetrics bordered = Page(5100, 6600);
    bordered.PhysicalOffsetX = bordered.PhysicalOffsetY = 150;
    bordered.NonprintableRight = bordered.NonprintableBottom = 150;
    const struct {
        app::PrinterMetrics metrics;
        PreviewGeometry expected;
    } cases[] = {
        // portrait: half width 5100 × 175 / 6600 / 2 = 67.61; left Round(15.89), right
        // Round(151.11); px Trunc(135 × 600 / 5100), py Trunc(176 × 600 / 6600)
        {Page(5100, 6600), {16, 5, 151, 181, 15, 16}},
        // landscape: full width, half height 5100 × 157 / 6600 / 2 = 60.66, centred, + 1 below
        {Page(6600, 5100), {5, 32, 162, 154, 14, 14}},
        // square pages count as landscape
        {Page(6000, 6000), {5, 14, 162, 172, 15, 15}},
        // printable 4800 × 6300: half width 66.67; px Trunc(133 × 600 / 4950)
        {bordered, {17, 5, 150, 181, 16, 16}},
        // no page: an empty paper, no scale
        {Page(0, 0), {5, 5, 162, 181, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print::ComputePreviewGeometry(167, 185, c.metrics), c.expected)
            << c.metrics.PhysicalWidth << " x " << c.metrics.PhysicalHeight;
}

TEST(SheetPreview, LabelsAreFilledBeforeAtAndAfterTheStartLabel) {
    app::PrinterMetrics metrics = Page(5100, 6600);
    metrics.Rows = 10;
    metrics.Columns = 3;
    const PreviewGeometry g = print::ComputePreviewGeometry(167, 185, metrics);
    const auto labels = print::PreviewLabels(kThirty, metrics, g, 5);
    ASSERT_EQ(labels.size(), 30u);
    for (const auto& label : labels) {
        const PreviewFill expected = label.index < 5    ? PreviewFill::Skipped
                                     : label.index == 5 ? PreviewFill::Start
                                                        : PreviewFill::Free;
        EXPECT_EQ(label.fill, expected) << label.index;
    }
    // column 2, row 1 at 15 and 16 pixels per inch: left 16 + 2 + 3 + 78, top 5 + 8 + 16
    EXPECT_EQ(labels[5].cell, (print::LabelCell{99, 29, 39, 16}));
}

TEST(SheetPreview, ClickHitsTheLastLabelUnderThePoint) {
    app::PrinterMetrics metrics = Page(5100, 6600);
    metrics.Rows = 10;
    metrics.Columns = 3;
    const PreviewGeometry g = print::ComputePreviewGeometry(167, 185, metrics);
    app::LabelSheet overlapping = kThirty;
    overlapping.GapWidth = -1.0; // each label reaches 1 inch into the one before it
    const struct {
        const app::LabelSheet& sheet;
        int rows, columns, x, y;
        std::optional<int> expected;
    } cases[] = {
        {kThirty, 10, 3, 110, 35, 5},    // third label of the second row
        {kThirty, 10, 3, 99, 29, 5},     // its top-left pixel
        {kThirty, 10, 3, 138, 29, {}},   // one past its right edge
        {kThirty, 10, 3, 18, 13, 0},     // the first label, at 16 + 2 and 5 + 8
        {kThirty, 10, 3, 10, 100, {}},   // beside the paper
        {kThirty, 0, 3, 110, 35, {}},    // a sheet without labels
        {overlapping, 10, 3, 50, 29, 4}, // in labels 3 and 4: the later wins
    };
    for (const auto& c : cases) {
        metrics.Rows = c.rows;
        metrics.Columns = c.columns;
        EXPECT_EQ(print::PreviewHitTest(c.sheet, metrics, g, c.x, c.y), c.expected)
            << c.x << "," << c.y;
    }
}

TEST(SheetPreview, SkipReadoutIsSingularForOneLabelOnly) {
    const struct {
        int skip;
        const char* expected;
    } cases[] = {
        {0, "Skip 0 Labels"}, {1, "Skip 1 Label"}, {2, "Skip 2 Labels"}, {29, "Skip 29 Labels"}};
    for (const auto& c : cases)
        EXPECT_EQ(print::SkipLabelText(c.skip), c.expected);
}

} // namespace

// A roll is a strip of its labels down the box: as wide as the box allows (or as tall), 4
// pixels apart, the first the start label.
TEST(SheetPreview, RollIsAStripOfItsLabels) {
    struct Case {
        app::LabelSheet roll;
        std::vector<print::LabelCell> cells;
    };
    const Case cases[] = {
        {app::RollSheet(2.0, 1.0, engine::Unit::Inch), // 157 x 79 (78.5, to even)
         {{5, 5, 157, 78}, {5, 87, 157, 78}}},
        {app::RollSheet(10.0, 15.0,
                        engine::Unit::Centimetre), // as tall as the box: 175 high, 117 wide
         {{25, 5, 117, 175}}},
        {app::RollSheet(6.2, 0.5, engine::Unit::Centimetre), // 13 pixels high
         {{5, 5, 157, 13},
          {5, 22, 157, 13},
          {5, 39, 157, 13},
          {5, 56, 157, 13},
          {5, 73, 157, 13},
          {5, 90, 157, 13},
          {5, 107, 157, 13},
          {5, 124, 157, 13},
          {5, 141, 157, 13},
          {5, 158, 157, 13}}},
    };
    for (const Case& c : cases) {
        std::vector<print::LabelCell> cells;
        for (const print::PreviewLabel& label :
             print::RollStrip(c.roll, print::kPreviewWidth, print::kPreviewHeight)) {
            EXPECT_EQ(label.fill, label.index == 0 ? print::PreviewFill::Start
                                                   : print::PreviewFill::Free);
            cells.push_back(label.cell);
        }
        EXPECT_EQ(cells, c.cells) << c.roll.LabelWidth << " x " << c.roll.LabelHeight;
    }
}
