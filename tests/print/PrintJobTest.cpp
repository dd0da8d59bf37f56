// The print job against a recording printer: label order, skip, pages, copies, sequence numbers,
// cancel, clipping, centring, module widths and refused requests.

#include "print/PrintJob.h"

#include "RecordingPrintTarget.h"
#include "app/BarcodeDocument.h"
#include "engine/Barcode.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

using engine::SymbologyCode;
using print::BarWidthChoice;
using print::LabelCell;
using enum print::PrintRange;

// Letter at 600 dpi. Thirty: 10 rows of 3 (1.0 x 2.625 in, margins 0.5 and 0.1875, gaps 0 and
// 0.125); ten: 5 rows of 2 (2.0 x 4.0 in, margins 0.5 and 0.25).
const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
const app::LabelSheet kTen{2.0, 4.0, 0.5, 0.25, 0.0, 0.0, engine::Unit::Inch};
const app::LabelSheet kNoRow{1.0, 2.0, 12.0, 0.25, 0.0, 0.0, engine::Unit::Inch};
const app::LabelSheet kNoColumn{1.0, 2.0, 0.5, 9.0, 0.0, 0.0, engine::Unit::Inch};

// The cells worked out by hand: left = Trunc(margin) + Trunc(gap x c) + Trunc(label x c).
LabelCell CellOf(const app::LabelSheet& sheet, int column, int row) {
    if (&sheet == &kThirty) return {112 + 1650 * column, 300 + 600 * row, 1575, 600};
    return {150 + 2400 * column, 300 + 1200 * row, 2400, 1200};
}

class PrintJobTest : public ::testing::Test {
  protected:
    PrintJobTest() {
        metrics.PrinterDpiX = metrics.PrinterDpiY = 600;
        metrics.PhysicalWidth = 5100;
        metrics.PhysicalHeight = 6600;
        doc.SetSuspended(true);
        doc.SetBarcodeText("TEST"); // Code 128: 99 modules with the quiet zones
        doc.SetBarHeight(0.5);      // 300 dots
        doc.SetScale(2);
        doc.SetInterpret(true);
    }
    void Use(print::PrintRange range, int count) {
        options.Range = range;
        (range == Pages ? options.Pages : options.Labels) = count;
    }
    void Print(const app::LabelSheet& sheet, int cancelAtPage = 0) {
        int printScale = 6;
        print::RecomputeLayout(sheet, metrics, printScale);
        target.emplace();
        progress = {};
        progress.cancelAtPage = cancelAtPage;
        options.Text = doc.BarcodeText();
        print::RunPrintJob(*target, progress, options, doc, sheet, metrics);
    }
    // "1 1|5": the label texts page by page.
    std::string TextsByPage() const {
        std::string texts;
        int page = 0;
        for (const auto& label : target->labels) {
            if (!texts.empty()) texts += label.box.page != page ? "|" : " ";
            page = label.box.page;
            texts += label.text;
        }
        return texts;
    }
    std::vector<int> CountsByPage() const {
        std::vector<int> counts;
        for (const auto& label : target->labels) {
            counts.resize(static_cast<std::size_t>(label.box.page) + 1);
            ++counts.back();
        }
        return counts;
    }

    app::PrinterMetrics metrics;
    app::BarcodeDocument doc{metrics, engine::Unit::Inch, kThirty};
    print::PrintOptions options;
    std::optional<testing_support::RecordingPrintTarget> target; // afresh for every job
    testing_support::RecordingProgress progress;
};

struct SheetCase {
    const char* what;
    const app::LabelSheet& sheet;
    print::PrintRange range;
    int count; // pages or labels
    int skip;
    std::vector<int> labelsPerPage;
};

// Every label fills the next cell row by row from the start label, clipped to it, and its
// bars stay inside; later pages start at the first cell.
TEST_F(PrintJobTest, LabelsFillTheSheetRowByRowFromTheStartLabel) {
    const SheetCase cases[] = {
        {"skip 4 on three columns", kThirty, Pages, 2, 4, {26, 30}},
        {"labels 25 on ten", kTen, Labels, 25, 0, {10, 10, 5}},
        {"pages 2 with skip 5", kTen, Pages, 2, 5, {5, 10}},
        {"the last label first", kThirty, Labels, 3, 29, {1, 2}},
        {"a skip beyond the sheet is its last label", kTen, Labels, 2, 999, {1, 1}},
    };
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(c.what);
        Use(c.range, c.count);
        options.SetSkip(c.skip, 1000); // the job itself clamps to the sheet
        Print(c.sheet);
        ASSERT_EQ(CountsByPage(), c.labelsPerPage);
        std::vector<int> pages{1};
        std::vector<std::string> events{"begin Tallyrune", "end"};
        for (std::size_t p = 1; p < c.labelsPerPage.size(); ++p) {
            pages.push_back(static_cast<int>(p) + 1);
            events.insert(events.end() - 1, "page");
        }
        EXPECT_EQ(progress.pages, pages);
        EXPECT_EQ(target->events, events);
        int index = std::min(c.skip, metrics.LabelsPerPage - 1), page = 0;
        for (const auto& label : target->labels) {
            if (label.box.page != page) index = 0, page = label.box.page;
            EXPECT_EQ(label.box.clip,
                      CellOf(c.sheet, index % metrics.Columns, index / metrics.Columns));
            ++index;
        }
        for (const auto& fill : target->fills) {
            ASSERT_TRUE(fill.clip);
            EXPECT_TRUE(fill.rect.left >= fill.clip->left && fill.rect.top >= fill.clip->top &&
                        fill.rect.right <= fill.clip->Right() &&
                        fill.rect.bottom <= fill.clip->Bottom());
        }
    }
}

struct SequenceCase {
    const char* what;
    print::PrintRange range;
    int count;
    bool useSequence;
    int copies;
    app::SequenceSettings sequence;
    const char* texts; // page by page
    int currentAfter;
};

TEST_F(PrintJobTest, EachTextIsTakenBeforeItsLabelAndCopiesRestartOnEachPage) {
    using Seq = app::SequenceSettings;
    const SequenceCase cases[] = {
        {"copies 3", Pages, 2, true, 3, Seq{}, "1 1 1 2 2 2 3 3 3 4|5 5 5 6 6 6 7 7 7 8", 9},
        {"wrap", Labels, 5, true, 1, Seq{true, 1, 3, 1, 0, "", ""}, "1 2 3 1 2", 3},
        {"format", Labels, 2, true, 1, Seq{true, 0, 99, 7, 4, "A-", "/X"}, "A-0007/X A-0008/X", 9},
        {"the text ignores copies", Labels, 3, false, 2, Seq{}, "TEST TEST TEST", 1},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.what);
        Use(c.range, c.count);
        options.UseSequence = c.useSequence;
        options.Copies = c.copies;
        doc.SetSequence(c.sequence);
        Print(kTen);
        EXPECT_EQ(TextsByPage(), c.texts);
        EXPECT_EQ(doc.Sequence().SeqCurrent, c.currentAfter);
    }
}

// A cancel is seen after the label that follows it; every number taken stays taken.
TEST_F(PrintJobTest, CancelAbortsTheJobAndKeepsTheNumbersTaken) {
    const struct {
        int cancelAtPage;
        print::PrintRange range;
        int count;
        int labels;
    } cases[] = {{1, Pages, 3, 1}, {2, Pages, 3, 11}, {3, Labels, 25, 21}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cancelAtPage);
        Use(c.range, c.count);
        options.UseSequence = true;
        doc.SetSequence({});
        Print(kTen, c.cancelAtPage);
        ASSERT_EQ(static_cast<int>(target->labels.size()), c.labels);
        EXPECT_EQ(target->labels.back().text, std::to_string(c.labels));
        EXPECT_EQ(doc.Sequence().SeqCurrent, c.labels + 1);
        EXPECT_EQ(target->events.back(), "abort");
        EXPECT_EQ(std::count(target->events.begin(), target->events.end(), "end"), 0);
        EXPECT_EQ(progress.pages.back(), c.cancelAtPage);
        EXPECT_EQ(progress.finished, 1);
    }
}

// With offsets of 100 and 120 dots, the thirty-label sheet's cell (1, 2) is at 1662, 1380,
// 1575 x 600; "Single" has the printable area, 4900 x 6360, on a sheet without labels. Lying
// bars swap the extent and the height; each halving truncates by itself (787 - 990, not
// -405 / 2). Every label takes the document's typeface.
TEST_F(PrintJobTest, DrawInCellCentresByRotationAndAlignment) {
    metrics.PhysicalOffsetX = metrics.NonprintableRight = 100;
    metrics.PhysicalOffsetY = metrics.NonprintableBottom = 120;
    doc.SetBarcodeFont(QFont(QStringLiteral("Arial"), 8));
    const struct {
        print::PrintRange range;
        std::uint8_t rotation;
        bool h, v;
        int module;
        int left, top, width, height; // the white box
    } cases[] = {
        {Labels, 0, true, true, 6, 1662 + 787 - 297, 1380 + 300 - 150, 594, 300},
        {Labels, 2, true, true, 6, 1662 + 787 - 297, 1380 + 300 - 150, 594, 300},
        {Labels, 1, true, true, 6, 1662 + 787 - 150, 1380 + 300 - 297, 300, 594},
        {Labels, 3, true, true, 6, 1662 + 787 - 150, 1380 + 300 - 297, 300, 594},
        {Labels, 0, true, false, 6, 1662 + 787 - 297, 1380, 594, 300},
        {Labels, 1, false, true, 6, 1662, 1380 + 300 - 297, 300, 594},
        {Labels, 1, false, false, 6, 1662, 1380, 300, 594},
        {Labels, 0, true, true, 20, 1662 + 787 - 990, 1380 + 300 - 150, 1980, 300},
        {Single, 0, true, true, 6, 2450 - 297, 3180 - 150, 594, 300},
        {Single, 1, true, true, 6, 2450 - 150, 3180 - 297, 300, 594},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.rotation} << c.h << c.v << c.module);
        const bool single = c.range == Single;
        doc.SetRotation(c.rotation);
        options = {};
        Use(c.range, 1);
        options.HAlign = c.h;
        options.VAlign = c.v;
        options.Width = BarWidthChoice::Custom;
        options.CustomDots = c.module;
        options.SetSkip(7, 30); // "Single" takes no start label
        Print(single ? kNoRow : kThirty);
        ASSERT_EQ(target->labels.size(), 1u);
        const auto& box = target->labels[0].box;
        const LabelCell cell{1662, 1380, 1575, 600};
        EXPECT_EQ(box.clip, single ? std::nullopt : std::optional(cell));
        EXPECT_EQ(box.rect.left, c.left);
        EXPECT_EQ(box.rect.top, c.top);
        EXPECT_EQ(box.rect.Width(), c.width);
        EXPECT_EQ(box.rect.Height(), c.height);
        EXPECT_EQ(target->clipsSet, single ? 0 : 1);
        EXPECT_EQ(target->events, (std::vector<std::string>{"begin Tallyrune", "end"}));
        EXPECT_EQ(target->faces, std::vector<std::string>{"Arial"});
        EXPECT_EQ(progress.printers, std::vector<std::string>{"Recorder"});
    }
}

TEST_F(PrintJobTest, ModuleWidthDots) {
    using enum BarWidthChoice;
    const struct {
        BarWidthChoice width;
        SymbologyCode symbology;
        int dpi, scale, custom, expected;
    } cases[] = {
        {AutoSize, SymbologyCode::Postnet, 600, 1, 8, 13}, // 22 mils: 13.2
        {AutoSize, SymbologyCode::Code128, 600, 1, 8, 6},
        {AutoSize, SymbologyCode::Postnet, 300, 1, 8, 7},     // 6.6
        {AutoSize, SymbologyCode::Code39, 40, 1, 8, 1},       // 0.4, but a bar needs a dot
        {ScreenRatio, SymbologyCode::Code128, 600, 1, 8, 6},  // 6.25
        {ScreenRatio, SymbologyCode::Code128, 600, 2, 8, 12}, // 12.5, half to even
        {ScreenRatio, SymbologyCode::Code128, 600, 3, 8, 19}, // 18.75
        {None, SymbologyCode::Code128, 600, 1, 9, 9},
        {Custom, SymbologyCode::Code128, 600, 1, 0, 1},
        // A file's scale prints as the window draws it, within 1..10: 62.5, half to even.
        {ScreenRatio, SymbologyCode::Code128, 600, INT_MAX, 8, 62},
        {ScreenRatio, SymbologyCode::Code128, 600, -7, 8, 6},
    };
    for (const auto& c : cases) {
        metrics.PrinterDpiX = c.dpi;
        doc.SetSymbology(c.symbology);
        doc.SetScale(c.scale);
        options.Width = c.width;
        options.CustomDots = c.custom;
        EXPECT_EQ(print::ModuleWidthDots(options, doc, metrics), c.expected)
            << static_cast<int>(c.width) << " at " << c.dpi;
    }
}

TEST_F(PrintJobTest, BarHeightDotsUsesTheHorizontalResolution) {
    metrics.PrinterDpiY = 300;
    const struct {
        engine::Unit unit;
        double height;
        int expected;
    } cases[] = {
        {kIn, 0.75, 450}, {kCm, 2.54, 600}, {kCm, 1.0, 236}, {kIn, -1.0, 0}, {kIn, 1e300, INT_MAX}};
    for (const auto& c : cases) {
        doc.SetBarUnit(c.unit);
        doc.SetBarHeight(c.height);
        EXPECT_EQ(print::BarHeightDots(doc, metrics), c.expected) << c.height;
    }
}

// A file's absurd height centres in 64 bits: 3300 - INT_MAX / 2 on the 6600-dot page.
TEST_F(PrintJobTest, AHugeBarHeightCentresWithoutOverflow) {
    doc.SetBarHeight(1e300);
    Use(Single, 1);
    Print(kTen);
    ASSERT_EQ(target->labels.size(), 1u);
    EXPECT_EQ(target->labels[0].box.rect.top, 3300 - INT_MAX / 2);
    EXPECT_EQ(target->labels[0].box.rect.Height(), INT_MAX);
}

TEST_F(PrintJobTest, RefusedRequestsPrintNothing) {
    const char* noLabel = print::kNoLabelFits;
    const char* zero = print::kZeroNotAllowed;
    const struct {
        const app::LabelSheet& sheet;
        print::PrintRange range;
        int pages, labels, copies;
        const char* message;
    } cases[] = {{kNoRow, Pages, 1, 1, 1, noLabel},
                 {kNoColumn, Labels, 1, 5, 1, noLabel},
                 {kTen, Pages, 0, 1, 1, zero},
                 {kTen, Labels, 1, 0, 1, zero},
                 {kTen, Single, 1, 1, 0, zero}};
    options.UseSequence = true;
    for (const auto& c : cases) {
        options.Range = c.range;
        options.Pages = c.pages;
        options.Labels = c.labels;
        options.Copies = c.copies;
        try {
            Print(c.sheet);
            ADD_FAILURE() << "printed";
        } catch (const platform::Failure& failure) {
            EXPECT_STREQ(failure.what(), c.message);
        }
        EXPECT_TRUE(target->events.empty() && target->fills.empty());
        EXPECT_TRUE(progress.printers.empty());
        EXPECT_EQ(doc.Sequence().SeqCurrent, 1);
    }
}

TEST_F(PrintJobTest, AFailingPrinterAbortsTheJobAndClosesTheProgress) {
    struct Failing : testing_support::RecordingPrintTarget {
        void NewPage() override { throw platform::Failure("out of paper"); }
    } failing;
    int printScale = 6;
    print::RecomputeLayout(kTen, metrics, printScale);
    Use(Pages, 2);
    EXPECT_THROW(print::RunPrintJob(failing, progress, options, doc, kTen, metrics),
                 platform::Failure);
    EXPECT_EQ(failing.events, (std::vector<std::string>{"begin Tallyrune", "abort"}));
    EXPECT_EQ(failing.labels.size(), 10u);
    EXPECT_EQ(progress.finished, 1);
}

struct CarriedCase {
    const char* what;
    SymbologyCode code;
    const char* prefix;
    int current;
    print::PrintRange range;
    int count, copies, skip;
    const char* refused; // the first text not carried, or nullptr when the job prints
};

// EAN 8 carries 7 digits, so 10000000 is refused wherever the job would reach it: the texts are
// counted from the range, the copies restarting on every page and the start label (ten labels
// a page).
TEST_F(PrintJobTest, SequenceTextsNotCarriedWholeAreRefusedBeforePrinting) {
    using enum SymbologyCode;
    const CarriedCase cases[] = {
        {"ten texts end at 9999999", Ean8, "", 9999990, Labels, 10, 1, 0, nullptr},
        {"the eleventh", Ean8, "", 9999990, Labels, 11, 1, 0, "10000000"},
        {"20 labels by twos", Ean8, "", 9999990, Labels, 20, 2, 0, nullptr},
        {"21 labels by twos", Ean8, "", 9999990, Labels, 21, 2, 0, "10000000"},
        {"two pages by twos from label 5: 3 + 5", Ean8, "", 9999992, Pages, 2, 2, 5, nullptr},
        {"one text more", Ean8, "", 9999993, Pages, 2, 2, 5, "10000000"},
        {"Single takes one", Ean8, "", 9999999, Single, 1, 3, 0, nullptr},
        {"Single", Ean8, "", 10000000, Single, 1, 1, 0, "10000000"},
        {"a letter prefix", Ean13, "A", 1, Labels, 1, 1, 0, "A1"},
        {"5 + 9 digits on SSC-14", Ssc14, "12345", 123456789, Labels, 1, 1, 0, "12345123456789"},
    };
    for (const CarriedCase& c : cases) {
        SCOPED_TRACE(c.what);
        doc.SetSymbology(c.code);
        Use(c.range, c.count);
        options.UseSequence = true;
        options.Copies = c.copies;
        options.SetSkip(c.skip, 10);
        doc.SetSequence({true, 0, 999999999, c.current, 0, c.prefix, ""});
        if (!c.refused) {
            Print(kTen);
            EXPECT_EQ(target->events.back(), "end");
            continue;
        }
        try {
            Print(kTen);
            ADD_FAILURE() << "printed";
        } catch (const platform::Failure& failure) {
            EXPECT_EQ(failure.what(), print::SequenceNotCarried(c.code, c.refused));
        }
        EXPECT_TRUE(target->events.empty() && progress.printers.empty());
        EXPECT_EQ(doc.Sequence().SeqCurrent, c.current); // no number used up
    }
    EXPECT_EQ(print::SequenceNotCarried(Ean13, "A1"),
              "EAN 13 cannot carry the sequence text \"A1\" whole: check the sequence settings");
}

// A text that never passed the filter (a document file's) is drawn as the symbology carries it:
// the same bars and readable text as the filtered text.
TEST_F(PrintJobTest, EveryLabelIsDrawnFromTheFilteredText) {
    const struct {
        SymbologyCode code;
        const char* typed;
    } cases[] = {{SymbologyCode::Ean13, "12A456789012"},
                 {SymbologyCode::Code39, "abc-1"},
                 {SymbologyCode::Ssc14, "12345123456789"},
                 {SymbologyCode::Code128, "caf\xe9"}};
    int printScale = 6;
    print::RecomputeLayout(kTen, metrics, printScale);
    Use(Labels, 2);
    struct Drawing {
        std::vector<std::string> texts;
        std::vector<testing_support::RecordedRect> rects;
        bool operator==(const Drawing&) const = default;
    };
    auto printed = [&](const std::string& text) {
        testing_support::RecordingPrintTarget recorder;
        options.Text = text;
        print::RunPrintJob(recorder, progress, options, doc, kTen, metrics);
        Drawing drawing;
        for (const auto& label : recorder.labels)
            drawing.texts.push_back(label.text);
        for (const auto& fill : recorder.fills)
            drawing.rects.push_back(fill.rect);
        return drawing;
    };
    for (const auto& c : cases) {
        doc.SetSymbology(c.code);
        const Drawing typed = printed(c.typed);
        EXPECT_EQ(typed.texts.size(), 2u) << c.typed;
        EXPECT_TRUE(typed == printed(engine::FilterBarcodeText(c.code, c.typed))) << c.typed;
    }
}

} // namespace
