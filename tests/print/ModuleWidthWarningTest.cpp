// A module width that is no whole number of printer dots is reported with the width it prints.

#include "print/ModuleWidthWarning.h"

#include "engine/Units.h"

#include <gtest/gtest.h>

namespace {

TEST(ModuleWidthWarning, CommonWidthsOnCommonPrinters) {
    const struct {
        int dpi;
        double mils;
        const char* warning; // empty: whole dots, nothing to say
    } rows[] = {
        {203, 10, "10.0 mils is 2.03 dots at 203 dpi: prints 2 dots, 9.9 mils"},
        {203, 13, "13.0 mils is 2.64 dots at 203 dpi: prints 3 dots, 14.8 mils"},
        {203, 15, "15.0 mils is 3.04 dots at 203 dpi: prints 3 dots, 14.8 mils"},
        {300, 10, ""},
        {300, 13, "13.0 mils is 3.9 dots at 300 dpi: prints 4 dots, 13.3 mils"},
        {300, 15, "15.0 mils is 4.5 dots at 300 dpi: prints 4 dots, 13.3 mils"},
        {600, 10, ""},
        {600, 13, "13.0 mils is 7.8 dots at 600 dpi: prints 8 dots, 13.3 mils"},
        {600, 15, ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(print::ModuleWidthWarning(r.mils, r.dpi, engine::MilsToDots(r.dpi, r.mils), '.')
                      .toStdString(),
                  r.warning)
            << r.mils << " mils at " << r.dpi << " dpi";
}

} // namespace
