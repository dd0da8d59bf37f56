// The paper a job names, and the roll a page makes.

#include "print/PaperSize.h"

#include <QSize>

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(PaperSize, NamesGiveTheirPages) {
    struct Case {
        const char* name;
        std::optional<QSize> points; // none: not a paper
    };
    const Case cases[] = {
        {"letter", QSize(612, 792)}, {"A4", QSize(595, 842)},     {"2x1in", QSize(144, 72)},
        {"2.25 x 1.25in", QSize(162, 90)}, {"50x25mm", QSize(142, 71)}, {"6,2X10cm", QSize(176, 283)},
        {"4x6IN", QSize(288, 432)}, {"0x1in", std::nullopt},     {"2x1", std::nullopt},
        {"2x1ft", std::nullopt},    {"w144h72", std::nullopt}, // media names need a printer
    };
    for (const Case& c : cases) {
        const auto page = print::PageSizeNamed(c.name);
        EXPECT_EQ(page ? std::optional(page->sizePoints()) : std::nullopt, c.points) << c.name;
    }
}

// A page in millimetres makes a roll in centimetres, any other one in inches; and back.
TEST(PaperSize, RollsAndTheirPagesAgree) {
    struct Case {
        const char* name;
        app::LabelSheet roll;
    };
    const Case cases[] = {
        {"2x1in", app::RollSheet(2.0, 1.0, engine::Unit::Inch)},
        {"57x32mm", app::RollSheet(5.7, 3.2, engine::Unit::Centimetre)},
        {"letter", app::RollSheet(8.5, 11.0, engine::Unit::Inch)},
    };
    for (const Case& c : cases) {
        const app::LabelSheet roll = print::RollOfPage(*print::PageSizeNamed(c.name));
        EXPECT_EQ(roll, c.roll) << c.name;
        EXPECT_EQ(print::PageOfRoll(roll).sizePoints(), print::PageSizeNamed(c.name)->sizePoints())
            << c.name;
    }
}

} // namespace
