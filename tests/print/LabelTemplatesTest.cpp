// The built-in label sheets laid out on their paper by the program's own arithmetic, the search,
// and gLabels template files: written here, and gLabels' own (package glabels-data) as the
// oracle for the products both know.

#include "platform/Errors.h"
#include "print/DeviceMetrics.h"
#include "print/GlabelsTemplates.h"
#include "print/LabelLayout.h"
#include "print/LabelSheetEditor.h"
#include "print/LabelTemplateCatalogue.h"
#include "print/PaperSize.h"
#include "print/PrinterAccess.h"
#include "support/QtPrint.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

namespace {

using print::LabelTemplate;

const std::vector<LabelTemplate>& Catalogue() {
    static const std::vector<LabelTemplate> sheets = print::BuiltInTemplates();
    return sheets;
}

const LabelTemplate& Entry(const char* product) {
    const auto& all = Catalogue();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const LabelTemplate& t) { return t.product == product; });
    EXPECT_NE(found, all.end()) << product;
    return *found;
}

QString Name(const LabelTemplate& t) {
    return t.maker + ' ' + t.product;
}

// A roll's paper is its label.
TEST(LabelTemplates, EverySheetLaysOutItsCountOnItsPaperAt300And600Dpi) {
    ASSERT_GE(Catalogue().size(), 30u);
    std::set<QString> names;
    for (const LabelTemplate& t : Catalogue()) {
        EXPECT_TRUE(names.insert(Name(t)).second) << "twice: " << Name(t).toStdString();
        const auto paper = print::PaperFromName(t.paper.toStdString());
        ASSERT_TRUE(paper || app::IsRoll(t.sheet)) << Name(t).toStdString() << " on "
                                                   << t.paper.toStdString();
        const QPageSize page =
            paper ? print::PageSizeOf(*paper) : print::PageOfRoll(t.sheet);
        EXPECT_EQ(t.rows * t.columns, t.count) << Name(t).toStdString();
        for (const int dpi : {300, 600}) {
            app::PrinterMetrics m;
            print::ReadPageCapabilities(QPageLayout(page, QPageLayout::Portrait, QMarginsF()), dpi,
                                        m);
            int printScale = 0;
            print::RecomputeLayout(t.sheet, m, printScale);
            EXPECT_EQ(std::to_array({m.Columns, m.Rows, m.Columns * m.Rows}),
                      std::to_array({t.columns, t.rows, t.count}))
                << Name(t).toStdString() << " at " << dpi << " dpi";
        }
    }
}

// The dialog's boxes hold seven characters: each sheet shows whole and reads back unchanged.
TEST(LabelTemplates, EverySheetFitsTheDialogsBoxes) {
    for (const LabelTemplate& t : Catalogue()) {
        const print::LabelBoxes boxes = print::BoxesOfSheet(t.sheet, '.');
        for (const QString& text : boxes.Text)
            EXPECT_LE(text.size(), print::kLabelBoxLength)
                << Name(t).toStdString() << " " << text.toStdString();
        EXPECT_EQ(print::SheetOfBoxes(boxes, '.'), t.sheet) << Name(t).toStdString();
    }
}

TEST(LabelTemplates, SheetsAreHeldInTheirMakersUnit) {
    // Avery 5160: 1 x 2-5/8 in, margins 1/2 and 3/16, pitch 2-3/4 across; L7163: 99.1 x 38.1 mm,
    // margins 15.15 and 4.65 mm, pitch 101.6 mm across.
    EXPECT_EQ(Entry("5160").sheet,
              (app::LabelSheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}));
    EXPECT_EQ(Entry("L7163").sheet,
              (app::LabelSheet{3.81, 9.91, 1.515, 0.465, 0.0, 0.25, engine::Unit::Centimetre}));
    EXPECT_EQ(print::TemplateLine(Entry("L7163")).simplified(),
              "Avery L7163 Address Labels A4 99.1 x 38.1 mm 14");
}

TEST(LabelTemplates, SearchByProductSizeOrWords) {
    const struct {
        const char* search;
        std::vector<QString> products; // the first ones found, in the catalogue's order
        size_t count;
    } cases[] = {
        {"5160", {"5160"}, 1},
        {"l7163", {"L7163"}, 1},
        {"2.625", {"5160", "8160"}, 2},
        {"99.1 x 38.1", {"L7163", "J8163"}, 2},
        {"38,1×99,1mm", {"L7163", "J8163"}, 2},
        {"zweckform 105 x", {"3484", "3477"}, 6},
        {"file folder", {"5266", "5366", "8366"}, 3},
        {"inkjet a4", {"J8160", "J8163"}, 2},
        {"5160 a4", {}, 0},
        {"", {"5160"}, Catalogue().size()},
    };
    for (const auto& c : cases) {
        const auto found = print::FindTemplates(Catalogue(), QString::fromUtf8(c.search));
        EXPECT_EQ(found.size(), c.count) << c.search;
        for (size_t i = 0; i < c.products.size() && i < found.size(); ++i)
            EXPECT_EQ(found[i].product, c.products[i]) << c.search;
    }
}

// The catalogue's products as gLabels writes them: points, inches, picas, millimetres, the older
// name="" form, a clone by equiv, and shapes and grids a label sheet cannot hold.
const QString kGlabelsFile = QStringLiteral(TALLYRUNE_TEST_DATA "/glabels/mixed-shapes.template");

TEST(GlabelsTemplates, RectanglesImportToTheCataloguesSheetsAndOthersAreNamed) {
    const print::GlabelsImport import = print::ImportGlabelsTemplates(kGlabelsFile);
    const char* expected[] = {"5160", "8160", "L7163", "5163", "5165"};
    ASSERT_EQ(import.sheets.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const LabelTemplate& imported = import.sheets[i];
        const LabelTemplate& entry = Entry(expected[i]);
        EXPECT_EQ(Name(imported), Name(entry));
        EXPECT_EQ(imported.sheet, entry.sheet) << expected[i];
        EXPECT_EQ(std::to_array({imported.columns, imported.rows, imported.count}),
                  std::to_array({entry.columns, entry.rows, entry.count}))
            << expected[i];
        EXPECT_EQ(imported.paper, entry.paper) << expected[i];
    }
    EXPECT_EQ(import.sheets[1].description, "Address Labels") << "a clone keeps the description";
    EXPECT_EQ(
        import.refused,
        (QStringList{"Avery 5294: round labels", "Avery 5295: round labels", "Neato CD: CD labels",
                     "Misc Bond: labels in more than one grid", "Misc Bad: no readable width"}));
    EXPECT_TRUE(print::RefusedTemplatesMessage(import).startsWith(
        "5 label sheets were left out: only rectangular labels in a single grid can be imported."));
}

TEST(GlabelsTemplates, FilesThatAreNoTemplatesFail) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"[FORMAT]\nHEIGHT=1\n", "This is not a gLabels template file"},
        {"<?xml version=\"1.0\"?><Glabels-document/>", "This is not a gLabels template file"},
        {"<Glabels-templates>\n<Template brand=\"A\" part=\"1\">\n</Glabels-templates>",
         "This gLabels template file is damaged on line 3"},
    };
    for (const auto& c : cases) {
        try {
            print::ReadGlabelsTemplates(c.text);
            ADD_FAILURE() << c.text;
        } catch (const platform::Failure& failure) {
            EXPECT_TRUE(QString(failure.what()).startsWith(c.message)) << failure.what();
        }
    }
    const print::GlabelsImport none =
        print::ReadGlabelsTemplates("<Glabels-templates><Template brand=\"A\" part=\"1\">"
                                    "<Label-round radius=\"1in\"/></Template></Glabels-templates>");
    EXPECT_EQ(print::RefusedTemplatesMessage(none),
              "No label sheet in this file can be used: only rectangular labels in a single grid "
              "can be imported.\nA 1: round labels");
}

// gLabels' own files, read by our import: the products both know agree to within a small part
// of a millimetre in the size and place of the first and last label of the sheet.
constexpr double kOracleToleranceMm = 1.5;
// gLabels places these differently from their makers' published figures, by up to this much.
const std::map<QString, double> kOracleDeviationMm = {{"L7169", 2.5}};
// Not in gLabels' files, or another product under the same number there.
const std::set<QString> kNotInGlabels = {"L7159", "J8163", "L7173", "L7166", "L7168",
                                         "L7167", "3422",  "3481",  "3484",  "3424",
                                         "3425",  "3427",  "3483",  "3478",  "5195"};

// Left, top, right and bottom of the first and of the last label, in millimetres.
std::array<double, 8> LabelEdges(const LabelTemplate& t) {
    const app::LabelSheet& s = t.sheet;
    const double mm = s.Unit == engine::Unit::Centimetre ? 10.0 : 25.4;
    const double lastLeft = s.MarginLeft + (t.columns - 1) * (s.LabelWidth + s.GapWidth);
    const double lastTop = s.MarginTop + (t.rows - 1) * (s.LabelHeight + s.GapHeight);
    const std::array<double, 8> edges{
        s.MarginLeft, s.MarginTop, s.MarginLeft + s.LabelWidth, s.MarginTop + s.LabelHeight,
        lastLeft,     lastTop,     lastLeft + s.LabelWidth,     lastTop + s.LabelHeight};
    std::array<double, 8> millimetres{};
    std::transform(edges.begin(), edges.end(), millimetres.begin(),
                   [&](double v) { return v * mm; });
    return millimetres;
}

TEST(GlabelsTemplates, TheCatalogueAgreesWithGlabelsOwnTemplates) {
    const QDir folder(QStringLiteral("/usr/share/libglabels-3.0/templates"));
    const QStringList files = folder.entryList({"*-templates.xml"}, QDir::Files);
    ASSERT_GE(files.size(), 10) << "glabels-data is not installed (tools/packages.txt)";
    std::map<QString, LabelTemplate> glabels;
    for (const QString& file : files)
        for (const LabelTemplate& t : print::ImportGlabelsTemplates(folder.filePath(file)).sheets)
            glabels.emplace(Name(t), t);
    for (const LabelTemplate& ours : Catalogue()) {
        const auto theirs = glabels.find(Name(ours));
        // Rolls are generic sizes, no maker's product.
        if (kNotInGlabels.contains(ours.product) || app::IsRoll(ours.sheet)) continue;
        ASSERT_NE(theirs, glabels.end()) << Name(ours).toStdString();
        EXPECT_EQ(std::to_array({ours.columns, ours.rows}),
                  std::to_array({theirs->second.columns, theirs->second.rows}))
            << Name(ours).toStdString();
        const auto deviation = kOracleDeviationMm.find(ours.product);
        const double tolerance =
            deviation == kOracleDeviationMm.end() ? kOracleToleranceMm : deviation->second;
        const auto a = LabelEdges(ours);
        const auto b = LabelEdges(theirs->second);
        for (size_t i = 0; i < a.size(); ++i)
            EXPECT_NEAR(a[i], b[i], tolerance) << Name(ours).toStdString() << " edge " << i;
    }
}

} // namespace
