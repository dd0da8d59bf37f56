// The label settings boxes: how each is shown and rewritten when left, the label size minimum and
// its messages, the unit switch, the read-outs worked out from the boxes, and the sheet they
// make. The decimal separator is given, so no test depends on the machine's locale.

#include "print/LabelSheetEditor.h"

#include <gtest/gtest.h>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

using print::LabelBox;
using print::LabelBoxes;

const QChar kDot('.');

LabelBoxes Boxes(std::array<const char*, 6> texts, engine::Unit unit) {
    LabelBoxes boxes;
    for (int i = 0; i < print::kLabelBoxCount; ++i)
        boxes.Text[i] = texts[i];
    boxes.Unit = unit;
    return boxes;
}

TEST(LabelSheetEditor, ShowsTheSheetWithUpToFiveDecimals) {
    const app::LabelSheet sheet{1.0, 2.625, 0.1875, 1.234567, -0.5, 0.0, engine::Unit::Centimetre};
    EXPECT_EQ(print::BoxesOfSheet(sheet, kDot),
              Boxes({"1.0", "2.625", "0.1875", "1.23457", "-0.5", "0.0"}, kCm));
    EXPECT_EQ(print::BoxesOfSheet(sheet, QChar(',')).Text[1], "2,625");
}

TEST(LabelSheetEditor, LeavingABoxRewritesItOrRefusesATooSmallLabel) {
    const char* none = "";
    const struct {
        LabelBox box;
        const char* typed;
        engine::Unit unit;
        const char* text;
        const char* message;
    } cases[] = {
        {LabelBox::Height, "0.04", kIn, "0.25", "Minimum label height is 0.05\" tall!"},
        {LabelBox::Height, "0.09", kCm, "1.0", "Minimum label height is 0.10 centimeter tall!"},
        {LabelBox::Width, "0.04", kIn, "0.25", "Minimum label width is 0.05\" wide!"},
        {LabelBox::Width, "-3", kCm, "1.0", "Minimum label width is 0.10 centimeter wide!"},
        {LabelBox::Height, "0.05", kIn, "0.05", none},
        {LabelBox::Width, "0.1", kCm, "0.1", none},
        {LabelBox::Height, "2.1234567", kIn, "2.12346", none},
        {LabelBox::Height, "x", kIn, "0.25", none}, // unreadable: replaced without a message
        {LabelBox::Height, "", kCm, "1.0", none},
        {LabelBox::Width, "1,5", kIn, "0.25", none}, // the other separator is no number
        {LabelBox::Width, "-", kCm, "1.0", none},
        {LabelBox::Top, "-0.5", kIn, "-0.5", none}, // margins and gaps may be negative
        {LabelBox::Left, "2", kCm, "2.0", none},
        {LabelBox::GapHeight, "abc", kIn, "0.0", none},
        {LabelBox::GapWidth, ".125", kIn, "0.125", none},
    };
    for (const auto& c : cases) {
        const bool size = c.box == LabelBox::Height || c.box == LabelBox::Width;
        const print::SizeBoxExit exit =
            size ? print::LeaveLabelSizeBox(c.box, c.typed, c.unit, kDot)
                 : print::SizeBoxExit{print::LeaveLengthBox(c.typed, kDot), {}};
        EXPECT_EQ(exit.Text, c.text) << c.typed;
        EXPECT_EQ(exit.Message.value_or(""), c.message) << c.typed;
    }
}

TEST(LabelSheetEditor, UnitSwitchThereAndBackKeepsTheValues) {
    LabelBoxes boxes = Boxes({"1.0", "2.625", "0.5", "0.1875", "0.0", "0.3333"}, kIn);
    print::SwitchUnit(boxes, kCm, kDot);
    EXPECT_EQ(boxes, Boxes({"2.54", "6.6675", "1.27", "0.47625", "0.0", "0.84658"}, kCm));
    print::SwitchUnit(boxes, kIn, kDot);
    EXPECT_EQ(boxes, Boxes({"1.0", "2.625", "0.5", "0.1875", "0.0", "0.3333"}, kIn));
}

TEST(LabelSheetEditor, ReadoutsFollowTheBoxesInTheirUnit) {
    app::PrinterMetrics metrics; // Letter at 600 dpi with a printer's border
    metrics.PrinterDpiX = metrics.PrinterDpiY = 600;
    metrics.PhysicalWidth = 5100;
    metrics.PhysicalHeight = 6600;
    metrics.PhysicalOffsetX = 75;
    metrics.PhysicalOffsetY = 150;
    metrics.NonprintableRight = 300;
    metrics.NonprintableBottom = 0;
    const struct {
        LabelBoxes boxes;
        print::LabelReadouts expected;
    } cases[] = {
        {Boxes({"1", "2.625", "0.5", "0.1875", "0", "0.125"}, kIn),
         {"Rows: 10", "Columns: 3", "Top: 0.25\"", "Left: 0.125\"", "Right: 0.5\"", "Bottom: 0\""}},
        {Boxes({"2.54", "6.6675", "1.27", "0.47625", "0", "0.3175"}, kCm),
         {"Rows: 10", "Columns: 3", "Top: 0.635ct", "Left: 0.318ct", "Right: 1.27ct",
          "Bottom: 0ct"}},
        {Boxes({"x", "2", "12", "0", "0", "0"}, kIn), // a margin beyond the paper: no row
         {"Rows: 0", "Columns: 4", "Top: 0.25\"", "Left: 0.125\"", "Right: 0.5\"", "Bottom: 0\""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print::ReadoutsOf(c.boxes, metrics, kDot), c.expected)
            << engine::MetricFlagOf(c.boxes.Unit);
}

TEST(LabelSheetEditor, CommitMakesTheSheetOfTheBoxes) {
    const app::LabelSheet expected{1.5, 6.6675, -0.25, 0.0, 0.0, 0.125, engine::Unit::Centimetre};
    EXPECT_EQ(print::SheetOfBoxes(Boxes({"1.5", "6.6675", "-0.25", "x", "", "0.125"}, kCm), kDot),
              expected);
}

// "Roll" ticked: the margins and gaps become 0 and the label is the page; unticked, the
// boxes stay as they are and make a sheet.
TEST(LabelSheetEditor, RollKeepsTheLabelAndClearsMarginsAndGaps) {
    struct Case {
        bool roll;
        app::LabelSheet expected;
    };
    const Case cases[] = {
        {true, app::RollSheet(2.0, 1.0, engine::Unit::Inch)},
        {false, {1.0, 2.0, 0.25, 0.5, 0.0, 0.125, engine::Unit::Inch}},
    };
    for (const Case& c : cases) {
        print::LabelBoxes boxes = Boxes({"1.0", "2.0", "0.25", "0.5", "0.0", "0.125"}, kIn);
        print::SetRoll(boxes, c.roll, kDot);
        EXPECT_EQ(print::SheetOfBoxes(boxes, kDot), c.expected) << c.roll;
    }
}

} // namespace
