// The test page's figures worked out by hand from its layout rules, and the page drawn on a
// recording target: one portrait page in a job of its own, the orientation put back.

#include "print/TestPage.h"

#include "RecordingTestPageTarget.h"
#include "engine/RecordingSurface.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using engine::SymbologyCode;
using print::CaptionPlace;
using print::PageOrientation;
using print::PageSize;
using print::TestPageMeasures;
using print::TextPosition;
using testing_support::RecordedRect;

// ---- the figures -------------------------------------------------------------------------

struct MeasureCase {
    PageSize printable;
    int dpi;
    TestPageMeasures expected; // W, H, col, band, module, e, font height
};

const MeasureCase kMeasures[] = {
    {{5100, 6400}, 600, {5100, 6400, 159, 145, 6, 360, 116}}, // the worked example
    {{5100, 6600}, 600, {5100, 6600, 159, 150, 6, 360, 120}}, // Letter, no border
    {{2550, 3300}, 300, {2550, 3300, 79, 75, 3, 180, 60}},
    {{2125, 2750}, 250, {2125, 2750, 66, 62, 2, 120, 50}}, // 2.5 dots rounds to even 2
    {{2975, 3850}, 350, {2975, 3850, 92, 87, 4, 240, 70}}, // 3.5 dots rounds to even 4
};

TEST(TestPageLayout, MeasuresFromThePrintableAreaAndResolution) {
    for (const auto& c : kMeasures)
        EXPECT_EQ(print::MeasureTestPage(c.printable, c.dpi), c.expected) << c.dpi;
}

// The bars keep 10 mils on a small page, so the lower samples fall off it: band 2400 / 44 = 54,
// the last POSTNET sample at 5 × 360 + 22 × 54 = 2988.
TEST(TestPageLayout, NothingScalesToASmallPage) {
    const auto layout = print::LayoutTestPage({2400, 2400}, 600);
    EXPECT_EQ(layout.measures, (TestPageMeasures{2400, 2400, 75, 54, 6, 360, 44}));
    EXPECT_EQ(layout.samples.back().y, 2988);
}

struct SampleFigure {
    const char* caption;
    SymbologyCode symbology;
    const char* text;
    int x, y, module, height;
    CaptionPlace place;
};

// At 600 dpi on a printable 5100 × 6400: col 159, band 145, m 6, e 360. The EAN 8 text
// "12345678" is cut to its seven data digits, as typing it would be.
const SampleFigure kSamplesAt600[] = {
    {"Code 128", SymbologyCode::Code128, "Test 1234", 159, 725, 6, 360, CaptionPlace::Centred},
    {"EAN 128", SymbologyCode::Ean128, "Test 1234", 1749, 725, 6, 360, CaptionPlace::Centred},
    {"Code 39", SymbologyCode::Code39, "TEST 1234", 3498, 725, 6, 360, CaptionPlace::Centred},
    {"Code 93", SymbologyCode::Code93, "Test 1234", 159, 1375, 6, 360, CaptionPlace::Centred},
    {"Code 39 ext", SymbologyCode::Code39Extended, "Test 1234", 1749, 1375, 6, 360,
     CaptionPlace::Centred},
    {"UPC A", SymbologyCode::UpcA, "12345678912", 1, 2315, 6, 360, CaptionPlace::Centred},
    {"UPC E", SymbologyCode::UpcE, "123456", 1431, 2315, 6, 360, CaptionPlace::Centred},
    {"UPC 5 Ext", SymbologyCode::UpcExt5, "12345", 2703, 2315, 6, 360, CaptionPlace::AtSampleX},
    {"UPC 2 Ext", SymbologyCode::UpcExt2, "12", 3975, 2315, 6, 360, CaptionPlace::AtSampleX},
    {"EAN 13/JAN", SymbologyCode::Ean13, "123456789123", 1, 2965, 6, 360, CaptionPlace::Centred},
    {"EAN 8", SymbologyCode::Ean8, "1234567", 1431, 2965, 6, 360, CaptionPlace::Centred},
    {"Int 2 of 5", SymbologyCode::Interleaved2of5, "1234567890", 1, 3905, 6, 360,
     CaptionPlace::Centred},
    {"Postnet 11 digit (12345678901)", SymbologyCode::Postnet, "12345678901", 1, 4410, 12, 145,
     CaptionPlace::RightOfSample},
    {"Postnet 9 digit (123456789)", SymbologyCode::Postnet, "123456789", 1, 4700, 12, 145,
     CaptionPlace::RightOfSample},
    {"Postnet 5 digit (12345)", SymbologyCode::Postnet, "12345", 1, 4990, 12, 145,
     CaptionPlace::RightOfSample},
};

TEST(TestPageLayout, SamplesAndHeadingsAt600Dpi) {
    const auto layout = print::LayoutTestPage({5100, 6400}, 600);
    ASSERT_EQ(layout.samples.size(), std::size(kSamplesAt600));
    for (std::size_t i = 0; i < layout.samples.size(); ++i) {
        const auto& s = layout.samples[i];
        const auto& e = kSamplesAt600[i];
        EXPECT_EQ(s.caption, e.caption) << i;
        EXPECT_EQ(s.symbology, e.symbology) << e.caption;
        EXPECT_EQ(s.text, e.text) << e.caption;
        EXPECT_EQ((std::vector{s.x, s.y, s.module, s.height}),
                  (std::vector{e.x, e.y, e.module, e.height}))
            << e.caption;
        EXPECT_EQ(s.captionPlace, e.place) << e.caption;
    }
    const std::vector<std::pair<std::string, int>> headings{{"Alpha Numeric Barcodes", 290},
                                                            {"UPC Family - Numeric Only", 1880},
                                                            {"Other Formats - Numeric Only", 3470}};
    ASSERT_EQ(layout.headings.size(), headings.size());
    for (std::size_t i = 0; i < headings.size(); ++i) {
        EXPECT_EQ(layout.headings[i].text, headings[i].first);
        EXPECT_EQ(layout.headings[i].x, 1);
        EXPECT_EQ(layout.headings[i].y, headings[i].second);
    }
}

struct CaptionCase {
    const char* what;
    print::TestPageSample sample;
    int extent;
    engine::TextExtent caption;
    TextPosition expected;
};

// Each halving truncates by itself: 924 / 2 - 401 / 2 = 262, where (924 - 401) / 2 = 261.
const CaptionCase kCaptions[] = {
    {"centred over the box",
     {"Code 128", SymbologyCode::Code128, "", 159, 725, 6, 360, CaptionPlace::Centred},
     924,
     {401, 116},
     {421, 580}},
    {"at the sample's x",
     {"UPC 5 Ext", SymbologyCode::UpcExt5, "", 2703, 2315, 6, 360, CaptionPlace::AtSampleX},
     500,
     {400, 116},
     {2703, 2170}},
    {"right of a POSTNET sample, centred on its band",
     {"Postnet", SymbologyCode::Postnet, "", 1, 4990, 12, 145, CaptionPlace::RightOfSample},
     1000,
     {800, 117},
     {159 + 1 + 1000, 4990 + 72 - 58}},
};

TEST(TestPageLayout, CaptionAndHeaderPositions) {
    const auto m = print::MeasureTestPage({5100, 6400}, 600);
    for (const auto& c : kCaptions)
        EXPECT_EQ(print::CaptionPosition(m, c.sample, c.extent, c.caption), c.expected) << c.what;
    EXPECT_EQ(print::HeaderTextPosition(m, {2001, 117}), (TextPosition{2550 - 1000, 72 - 58}));
}

// ---- the page on a recording target ---------------------------------------------------------

using testing_support::RecordingTestPageTarget;
using testing_support::StyledText;

app::PrinterMetrics At600Dpi() {
    app::PrinterMetrics m;
    m.PrinterDpiX = m.PrinterDpiY = 600;
    return m;
}

TEST(TestPagePrint, OnePortraitPageThenTheOrientationComesBack) {
    RecordingTestPageTarget target;
    print::PrintTestPage(target, At600Dpi());
    EXPECT_EQ(target.events,
              (std::vector<std::string>{"copies 1", "portrait", "begin Barcode Test Page", "end",
                                        "landscape"}));
    EXPECT_EQ(target.orientation, PageOrientation::Landscape);
    EXPECT_EQ(target.surface.pushes, target.surface.pops);
}

TEST(TestPagePrint, AFailureAbortsTheJobAndStillRestoresTheOrientation) {
    struct Case {
        bool failBegin, failDrawing;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {true, false, {"copies 1", "portrait", "landscape"}},
        {false, true, {"copies 1", "portrait", "begin Barcode Test Page", "abort", "landscape"}},
    };
    for (const auto& c : cases) {
        RecordingTestPageTarget target;
        target.failBegin = c.failBegin;
        target.failStyledText = c.failDrawing;
        EXPECT_THROW(print::PrintTestPage(target, At600Dpi()), std::runtime_error);
        EXPECT_EQ(target.events, c.events);
        EXPECT_EQ(target.orientation, PageOrientation::Landscape);
    }
}

TEST(TestPagePrint, HeaderAndHeadings) {
    RecordingTestPageTarget target;
    print::PrintTestPage(target, At600Dpi());
    ASSERT_FALSE(target.surface.rects.empty());
    const RecordedRect& band = target.surface.rects.front();
    EXPECT_EQ((std::vector{band.left, band.top, band.right, band.bottom}),
              (std::vector{0, 0, 5100, 145}));
    EXPECT_EQ(band.fill, engine::Fill::Black);

    ASSERT_EQ(target.styled.size(), 4u);
    // The recorder's letters are half the cell wide: 29 × 58 = 1682 by 116.
    const StyledText& title = target.styled[0];
    EXPECT_EQ(title.text, "Tallyrune - Barcode Test Page");
    EXPECT_EQ((std::vector{title.x, title.y}), (std::vector{2550 - 841, 72 - 58}));
    EXPECT_EQ((std::tuple{title.font.face, title.font.cellHeight, title.font.weight}),
              (std::tuple{std::string("ARIAL"), 116, 700}));
    EXPECT_TRUE(title.style.whiteOnBlack);
    EXPECT_FALSE(title.style.underline);
    const int headingY[] = {290, 1880, 3470};
    for (int i = 0; i < 3; ++i) {
        const StyledText& h = target.styled[static_cast<std::size_t>(i) + 1];
        EXPECT_EQ((std::vector{h.x, h.y}), (std::vector{1, headingY[i]})) << h.text;
        EXPECT_EQ((std::tuple{h.font.face, h.font.cellHeight, h.font.weight}),
                  (std::tuple{std::string("COURIER NEW"), 116, 700}));
        EXPECT_TRUE(h.style.underline);
        EXPECT_FALSE(h.style.whiteOnBlack);
    }
}

const testing_support::RecordedText* FindText(const RecordingTestPageTarget& target,
                                              const std::string& text) {
    for (const auto& t : target.surface.texts)
        if (t.text == text) return &t;
    return nullptr;
}

const RecordedRect* FindBox(const RecordingTestPageTarget& target, int x, int y, int height) {
    for (const auto& r : target.surface.rects)
        if (r.fill == engine::Fill::White && r.left == x && r.top == y && r.Height() == height)
            return &r;
    return nullptr;
}

// Each sample's box lies where the figures say, and its caption stands over the drawn box.
TEST(TestPagePrint, SamplesAndTheirCaptions) {
    RecordingTestPageTarget target;
    print::PrintTestPage(target, At600Dpi());
    for (const auto& e : kSamplesAt600) {
        const RecordedRect* box = FindBox(target, e.x, e.y, e.height);
        ASSERT_NE(box, nullptr) << e.caption;
        const auto* caption = FindText(target, e.caption);
        ASSERT_NE(caption, nullptr) << e.caption;
        EXPECT_EQ((std::tuple{caption->font.face, caption->font.cellHeight, caption->font.weight}),
                  (std::tuple{std::string("COURIER NEW"), 116, 400}))
            << e.caption;
        const int width = static_cast<int>(std::string(e.caption).size()) * 58;
        const int expectedX = e.place == CaptionPlace::Centred ? e.x + box->Width() / 2 - width / 2
                              : e.place == CaptionPlace::AtSampleX ? e.x
                                                                   : 159 + 1 + box->Width();
        const int expectedY = e.place == CaptionPlace::RightOfSample ? e.y + 72 - 58 : e.y - 145;
        EXPECT_EQ((std::vector{caption->x, caption->y}), (std::vector{expectedX, expectedY}))
            << e.caption;
    }
    // The samples' readable text is written in the body face.
    const auto* readable = FindText(target, "Test 1234");
    ASSERT_NE(readable, nullptr);
    EXPECT_EQ(readable->font.face, "COURIER NEW");
}

} // namespace
