#include "app/AppSettings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using app::PrinterOffset;

constexpr double kMm = 1 / 25.4;

// `tallyrune-cli --offset`: two lengths, each with its unit, positive right and down.
TEST(PrinterOffsets, OffsetTextsReadAsInches) {
    const struct {
        const char* text;
        std::optional<PrinterOffset> offset;
    } cases[] = {
        {"1.5mm,-0.5mm", PrinterOffset{1.5 * kMm, -0.5 * kMm}},
        {"0.15cm,+2in", PrinterOffset{1.5 * kMm, 2.0}},
        {" -.5in , 0mm ", PrinterOffset{-0.5, 0.0}},
        {"1.5mm,0", PrinterOffset{1.5 * kMm, 0.0}}, // zero needs no unit
        {"-0.0,2in", PrinterOffset{0.0, 2.0}},
        {"1.5mm", std::nullopt},         // one length
        {"1.5,2mm", std::nullopt},       // no unit
        {"2mm,0.01", std::nullopt},      // no unit, however small
        {"1,5mm,2mm", std::nullopt},     // a decimal comma
        {"1.5pt,2mm", std::nullopt},     // another unit
        {"1e1mm,2mm", std::nullopt},     // an exponent
        {"mm,2mm", std::nullopt},        // no number
        {"1.5mm,2mm,3mm", std::nullopt}, // three lengths
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<PrinterOffset> read = app::ParseOffset(c.text);
        ASSERT_EQ(read.has_value(), c.offset.has_value()) << c.text;
        if (!read) continue;
        EXPECT_DOUBLE_EQ(read->X, c.offset->X) << c.text;
        EXPECT_DOUBLE_EQ(read->Y, c.offset->Y) << c.text;
    }
}

// Offsets and recent files go with the other settings; an offset back at zero leaves the store.
TEST(PrinterOffsets, OffsetsAndRecentFilesRoundTripThroughTheSettings) {
    const QTemporaryDir dir;
    app::AppSettings saved;
    saved.Offsets.Set("Office Laser", {0.04, -0.02});
    saved.Offsets.Set(app::kPdfPrinterName, {-1.5 * kMm, 0.0});
    saved.Offsets.Set("Gone", {0.1, 0.1});
    saved.Recent.Add("/labels/b.tlr");
    saved.Recent.Add("/labels/a.tlr");
    {
        platform::Registry registry(dir.path());
        saved.Save(registry);
        saved.Offsets.Set("Gone", {});
        saved.Save(registry);
    }
    platform::Registry fresh(dir.path());
    app::AppSettings loaded;
    loaded.Load(fresh, "");
    EXPECT_EQ(loaded.Offsets, saved.Offsets);
    EXPECT_EQ(loaded.Offsets.All().size(), 2u);
    EXPECT_EQ(loaded.Offsets.For("Nowhere"), PrinterOffset());
    EXPECT_EQ(loaded.Recent.Paths(), QStringList({"/labels/a.tlr", "/labels/b.tlr"}));
}

} // namespace
