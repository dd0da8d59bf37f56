// The print dialog's model: loading from and storing to the settings and the document, the
// read-outs, the enabled controls, the start label and the count boxes.

#include "print/PrintOptions.h"

#include "app/AppSettings.h"
#include "app/BarcodeDocument.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using app::PrintSettings;
using print::BarWidthChoice;
using print::PrintRange;

// Letter at 600 dpi; the thirty-label sheet gives 10 rows of 3.
const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};

// Every choice on one line, so a whole model compares at once: range, pages (p), labels (l),
// text or sequence, copies (x), width and custom dots (d), alignments, text, mils read-out.
std::string Describe(const print::PrintOptions& o) {
    const char* ranges[] = {"Single", "Pages", "Labels"};
    const char* widths[] = {"Auto", "Screen", "Custom", "None"};
    std::ostringstream s;
    s << ranges[static_cast<int>(o.Range)] << " " << o.Pages << "p " << o.Labels << "l "
      << (o.UseSequence ? "seq " : "text ") << o.Copies << "x " << widths[static_cast<int>(o.Width)]
      << " " << o.CustomDots << "d " << o.HAlign << o.VAlign << " " << o.Text << " "
      << o.BarWidthText.toStdString();
    return s.str();
}

class PrintOptionsTest : public ::testing::Test {
  protected:
    PrintOptionsTest() {
        metrics.PrinterDpiX = metrics.PrinterDpiY = 600;
        metrics.PhysicalWidth = 5100;
        metrics.PhysicalHeight = 6600;
        doc.SetSuspended(true);
        doc.SetBarcodeText("ABC");
    }
    app::PrinterMetrics metrics;
    app::BarcodeDocument doc{metrics, engine::Unit::Inch, app::LabelSheet{}};
    app::AppSettings settings;
    print::PrintOptions options;
};

// Fields of PrintSettings: Pages, PrintScale, Copies, BP, PR, HAlign, VAlign. A PrintScale of 0
// shows the layout's 10 mils.
TEST_F(PrintOptionsTest, LoadOptionsFillsFromSettingsAndDocument) {
    const struct {
        app::PrintSettings printing;
        bool autoSize, seqUse;
        const char* expected;
    } cases[] = {
        {{3, 0, 2, 1, 0, false, true}, false, true, "Pages 3p 30l seq 2x None 6d 01 ABC 10.0 mils"},
        {{1, 8, 1, 0, 1, true, true},
         true,
         false,
         "Single 1p 30l text 1x Auto 8d 11 ABC 13.3 mils"},
        {{9, 13, 4, 1, 7, true, false},
         true,
         false,
         "Labels 9p 30l text 4x Auto 13d 10 ABC 21.7 mils"},
    };
    doc.SetLabels(kThirty);
    for (const auto& c : cases) {
        settings.Printing = c.printing;
        doc.SetAutoSize(c.autoSize);
        doc.SetSequence({.SeqUse = c.seqUse});
        options.LoadOptions(doc, settings, metrics);
        EXPECT_EQ(Describe(options), c.expected);
        EXPECT_EQ(settings.Labels, kThirty); // the document's sheet is now the current one
    }
    EXPECT_EQ(settings.Printing.PrintScale, 13);
}

TEST_F(PrintOptionsTest, LoadOptionsRoundsBarWidthToWholeDots) {
    const struct {
        int dpi;
        double stored, rounded; // whole dots x 1000 / dpi
    } cases[] = {
        {600, 10.0, 6 * 1000.0 / 600}, {600, 7.5, 4 * 1000.0 / 600},  // 4.5: half to even
        {600, 12.5, 8 * 1000.0 / 600}, {600, 11.0, 7 * 1000.0 / 600}, // 6.6
        {300, 10.0, 3 * 1000.0 / 300}, {0, 12.5, 12.5},               // no resolution: kept
    };
    for (const auto& c : cases) {
        metrics.PrinterDpiX = c.dpi;
        doc.SetBarWidth(c.stored);
        options.LoadOptions(doc, settings, metrics);
        EXPECT_DOUBLE_EQ(doc.BarWidth(), c.rounded) << c.stored << " at " << c.dpi;
    }
}

// What "&Ok" stores, loaded again, gives the same choices; a width other than Auto Size comes
// back as none selected, which behaves as Custom. "Single" stores PR 1.
TEST_F(PrintOptionsTest, StoreOptionsRoundTrip) {
    using enum BarWidthChoice;
    const struct {
        PrintRange range;
        BarWidthChoice width;
        bool sequence;
        int dots;
        app::PrintSettings stored;
        double barWidth;
    } cases[] = {
        {PrintRange::Single, AutoSize, true, 8, {12, 8, 4, 0, 1, false, true}, 8000.0 / 600},
        {PrintRange::Pages, ScreenRatio, false, 6, {12, 6, 4, 1, 0, false, true}, 10.0},
        {PrintRange::Labels, Custom, true, 13, {12, 13, 4, 1, 1, false, true}, 13000.0 / 600},
        {PrintRange::Pages, None, false, 100, {12, 100, 4, 1, 0, false, true}, 100000.0 / 600},
    };
    for (const auto& c : cases) {
        options.LoadOptions(doc, settings, metrics);
        options.Range = c.range;
        options.Width = c.width;
        options.UseSequence = c.sequence;
        options.CustomDots = c.dots;
        options.Pages = 12;
        options.Copies = 4;
        options.HAlign = false;
        options.UpdateCounts(metrics);
        options.StoreOptions(doc, settings, metrics);
        EXPECT_EQ(settings.Printing, c.stored);
        EXPECT_EQ(doc.AutoSize(), c.width == AutoSize);
        EXPECT_EQ(doc.Sequence().SeqUse, c.sequence);
        EXPECT_DOUBLE_EQ(doc.BarWidth(), c.barWidth);
        const std::string before = Describe(options);
        options.LoadOptions(doc, settings, metrics);
        options.Width = options.Width == None ? c.width : options.Width;
        EXPECT_EQ(Describe(options), before);
        EXPECT_DOUBLE_EQ(doc.BarWidth(), c.barWidth); // already whole dots
    }
}

TEST_F(PrintOptionsTest, UpdateCountsShowsMilsOfTheCustomWidth) {
    const struct {
        int dots, dpi;
        QChar separator;
        const char* text;
    } cases[] = {{6, 600, '.', "10.0 mils"},    {8, 600, '.', "13.3 mils"},
                 {13, 600, ',', "21,7 mils"},   {1, 300, '.', "3.3 mils"},
                 {100, 96, '.', "1041.7 mils"}, {8, 0, '.', "0.0 mils"}};
    metrics.LabelsPerPage = 30;
    for (const auto& c : cases) {
        metrics.PrinterDpiX = c.dpi;
        options.CustomDots = c.dots;
        options.UpdateCounts(metrics, c.separator);
        EXPECT_EQ(options.BarWidthText, c.text);
        EXPECT_EQ(options.Labels, 30);
    }
}

TEST_F(PrintOptionsTest, UpdateEnablingFollowsRangeAndTextSource) {
    const struct {
        PrintRange range;
        bool sequence;
        print::PrintEnabling expected; // copies, sheet setup, sequence settings, text, skip panel,
                                       // range, data file
        bool data = false;
    } cases[] = {{PrintRange::Single, false, {false, false, false, true, false}},
                 {PrintRange::Single, true, {true, false, true, false, false}},
                 {PrintRange::Pages, false, {false, true, false, true, true}},
                 {PrintRange::Labels, true, {true, true, true, false, true}},
                 // a data file's records fill the sheet whatever the range
                 {PrintRange::Single, false, {true, true, false, false, true, false, true}, true},
                 {PrintRange::Pages, true, {true, true, false, false, true, false, true}, true}};
    for (const auto& c : cases) {
        options.Range = c.range;
        options.UseSequence = c.sequence;
        options.UseData = c.data;
        EXPECT_EQ(options.UpdateEnabling(), c.expected);
    }
}

TEST_F(PrintOptionsTest, SetSkipAndTheSpinButtonsStayInRange) {
    const int skips[][3] = {{4, 30, 4}, {29, 30, 29}, {30, 30, 29}, {-1, 30, 0}, {5, 0, 0}};
    for (const auto& c : skips) {
        options.SetSkip(c[0], c[1]);
        EXPECT_EQ(options.Skip(), c[2]) << c[0] << " on " << c[1];
    }
    const int spins[][3] = {{8, 1, 9},  {99, 1, 100}, {100, 1, 100}, {150, 1, 100},
                            {8, -1, 7}, {1, -1, 1},   {0, -1, 1}};
    for (const auto& c : spins) {
        options.CustomDots = c[0];
        c[1] > 0 ? options.CustomDotsUp() : options.CustomDotsDown();
        EXPECT_EQ(options.CustomDots, c[2]) << c[0];
    }
}

TEST(PrintOptions, CheckCountFieldRefusesZero) {
    const struct {
        const char* text;
        print::CountFieldCheck expected;
    } cases[] = {{"", {"1", false}},
                 {"007", {"7", false}},
                 {"12", {"12", false}},
                 {"0", {"0", true}},
                 {"000", {"000", true}},
                 {"1x", {"1x", true}},
                 {"99999999999", {"99999999999", true}}};
    for (const auto& c : cases)
        EXPECT_EQ(print::CheckCountField(c.text), c.expected) << c.text;
}

TEST_F(PrintOptionsTest, EditTextKeepsWhatTheSymbologyCarries) {
    doc.SetSymbology(engine::SymbologyCode::Ean13);
    EXPECT_TRUE(options.EditText(doc, "12a34"));
    EXPECT_EQ(options.Text, "1234");
    EXPECT_EQ(doc.BarcodeText(), "1234");
    EXPECT_FALSE(options.EditText(doc, "98765"));
    EXPECT_EQ(options.Text, "98765");
}

TEST(PrintOptions, ValidateCountsRefusesZeroCountsInUse) {
    const struct {
        PrintRange range;
        bool sequence;
        int pages, labels, copies;
        bool refused;
    } cases[] = {{PrintRange::Pages, false, 0, 1, 1, true},
                 {PrintRange::Labels, false, 1, 0, 1, true},
                 {PrintRange::Single, true, 1, 1, 0, true},
                 {PrintRange::Single, false, 0, 0, 0, false}, // none of them is used
                 {PrintRange::Labels, true, 0, 1, 1, false}};
    for (const auto& c : cases) {
        print::PrintOptions options;
        options.Range = c.range;
        options.UseSequence = c.sequence;
        options.Pages = c.pages;
        options.Labels = c.labels;
        options.Copies = c.copies;
        if (c.refused)
            EXPECT_THROW(options.ValidateCounts(), platform::Failure);
        else
            EXPECT_NO_THROW(options.ValidateCounts());
    }
}

} // namespace
