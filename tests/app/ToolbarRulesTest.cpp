// The toolbar's rules without a window: the height box, the read-outs, and which paths open as
// documents.

#include "app/ToolbarRules.h"
#include "app/DocumentPaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

struct HeightBoxCase {
    const char* text;
    engine::Unit unit;
    double value;
};

TEST(ToolbarRules, TheHeightBoxFallsBackOnItsUnitsDefault) {
    const HeightBoxCase cases[] = {
        {"1.5", kIn, 1.5}, {" 2.25 ", kCm, 2.25}, {"200", kIn, 200.0}, {"200.001", kIn, 0.5},
        {"250", kCm, 2.0}, {"0", kIn, 0.5},       {"0.0", kCm, 2.0},   {"-1", kIn, 0.5},
        {"", kIn, 0.5},    {"1.2.3", kCm, 2.0},   {"1,5", kIn, 0.5},   {"abc", kIn, 0.5},
    };
    for (const HeightBoxCase& c : cases)
        EXPECT_EQ(app::HeightBoxValue(QString::fromLatin1(c.text), c.unit, '.'), c.value)
            << c.text << (c.unit == engine::Unit::Centimetre ? " cm" : " in");
    EXPECT_EQ(app::HeightBoxValue(u"1,5", kIn, ','), 1.5); // the system's separator
}

struct ReadoutCase {
    engine::Unit unit;
    const char* height;
    const char* unitName;
};

TEST(ToolbarRules, AnEmptyToolbarShowsItsUnitsDefaults) {
    for (const ReadoutCase& c :
         {ReadoutCase{kIn, "0.75", "inches"}, ReadoutCase{kCm, "2.0", "cm"}}) {
        const app::SizeReadouts shown = app::ReadoutsOf(nullptr, c.unit, '.');
        EXPECT_EQ(shown.height, c.height);
        EXPECT_EQ(shown.width, "0.0");
        EXPECT_EQ(app::UnitName(c.unit), c.unitName);
    }
    EXPECT_EQ(app::FormatSize(151.0 / 192.0, ','), "0,786");
    EXPECT_DOUBLE_EQ(app::ConvertBarHeight(1.0, kCm), 2.54);
    EXPECT_DOUBLE_EQ(app::ConvertBarHeight(2.54, kIn), 1.0);
}

struct PathCase {
    QStringList paths;
    const char* opened; // by the command line / by a drop
    const char* dropped;
};

TEST(DocumentPaths, OnlyTlrFilesOpenInAnyLetterCase) {
    QTemporaryDir dir;
    for (const char* name : {"a.TLR", "b.tlr", "c.txt", "d.Tlr"})
        testing_support::WriteBytes(dir.filePath(name), "");
    QDir(dir.path()).mkdir("folder.TLR");
    const auto in = [&](const char* name) { return dir.filePath(name); };
    const PathCase cases[] = {
        {{in("a.TLR")}, "a.TLR", "a.TLR"},
        {{in("d.Tlr"), in("b.tlr")}, "d.Tlr", "d.Tlr"},
        {{in("c.txt"), in("b.tlr")}, "", "b.tlr"},                // a drop skips other files
        {{in("folder.TLR"), in("b.tlr")}, "folder.TLR", "b.tlr"}, // and folders
        {{in("missing.tlr")}, "missing.tlr", ""},
        {{}, "", ""},
    };
    for (const PathCase& c : cases) {
        const auto name = [](const QString& path) { return path.section('/', -1); };
        EXPECT_EQ(name(app::CommandLineDocument(c.paths)), c.opened)
            << c.paths.join(' ').toStdString();
        EXPECT_EQ(name(app::FirstDroppedDocument(c.paths)), c.dropped)
            << c.paths.join(' ').toStdString();
    }
}

} // namespace
