// The user's imported label sheets: written in the catalogue's form and read back as they were,
// a re-imported product replacing its earlier entry, and offered once beside the catalogue.

#include "print/LabelTemplateCatalogue.h"
#include "print/UserTemplates.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

print::LabelTemplate Sheet(const char* product, double width, engine::Unit unit) {
    return {"Maker",
            product,
            "Labels",
            unit == kCm ? "A4" : "Letter",
            app::LabelSheet{1.5, width, 0.5, 0.25, 0.125, 0.0625, unit},
            3,
            7,
            21};
}

TEST(UserTemplates, AreKeptAsImportedAndOfferedOnce) {
    QFile::remove(print::UserTemplatesPath());
    const std::vector<print::LabelTemplate> first{Sheet("X1", 2.5, kIn), Sheet("X2", 6.35, kCm)};
    print::KeepUserTemplates(first);
    EXPECT_EQ(print::UserTemplates(), first);
    print::KeepUserTemplates({Sheet("x1", 3.0, kIn)}); // the same product, letter case aside
    EXPECT_EQ(print::UserTemplates(),
              (std::vector<print::LabelTemplate>{Sheet("x1", 3.0, kIn), Sheet("X2", 6.35, kCm)}));

    const std::vector<print::LabelTemplate> builtIn = print::BuiltInTemplates();
    print::LabelTemplate known = builtIn.front();
    known.description = "imported again";
    const auto offered = print::OfferedTemplates(builtIn, {Sheet("X9", 2.0, kIn), known});
    ASSERT_EQ(offered.size(), builtIn.size() + 1);
    EXPECT_EQ(offered.front(), Sheet("X9", 2.0, kIn));
    EXPECT_EQ(offered[1], builtIn.front()) << "the catalogue's own entry stays";
}

} // namespace
