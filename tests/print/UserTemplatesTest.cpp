// The user's imported label sheets: written in the catalogue's form and read back as they were,
// a re-imported product replacing its earlier entry, and offered once beside the catalogue.

#include "print/LabelTemplateCatalogue.h"
#include "print/UserTemplates.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

print::LabelTemplate Sheet(const char* product, double width, bool metric) {
    return {"Maker", product, "Labels", metric ? "A4" : "Letter",
            app::LabelSheet{1.5, width, 0.5, 0.25, 0.125, 0.0625, metric}, 3, 7, 21};
}

TEST(UserTemplates, AreKeptAsImportedAndOfferedOnce) {
    QFile::remove(print::UserTemplatesPath());
    const std::vector<print::LabelTemplate> first{Sheet("X1", 2.5, false), Sheet("X2", 6.35, true)};
    print::KeepUserTemplates(first);
    EXPECT_EQ(print::UserTemplates(), first);
    print::KeepUserTemplates({Sheet("x1", 3.0, false)}); // the same product, letter case aside
    EXPECT_EQ(print::UserTemplates(),
              (std::vector<print::LabelTemplate>{Sheet("x1", 3.0, false), Sheet("X2", 6.35, true)}));

    const std::vector<print::LabelTemplate> builtIn = print::BuiltInTemplates();
    print::LabelTemplate known = builtIn.front();
    known.description = "imported again";
    const auto offered = print::OfferedTemplates(builtIn, {Sheet("X9", 2.0, false), known});
    ASSERT_EQ(offered.size(), builtIn.size() + 1);
    EXPECT_EQ(offered.front(), Sheet("X9", 2.0, false));
    EXPECT_EQ(offered[1], builtIn.front()) << "the catalogue's own entry stays";
}

} // namespace
