#include "print/TestPage.h"

#include "engine/Barcode.h"
#include "engine/Units.h"

#include <QCoreApplication>

namespace print {
namespace {

using engine::SymbologyCode;

constexpr double kModuleMils = 10.0;
constexpr int kColumns = 32;       // col = W / 32
constexpr int kBands = 44;         // band = H / 44
constexpr int kSampleModules = 60; // e, the height of an ordinary sample
constexpr int kPostnetModules = 2; // POSTNET samples use 20 mils
constexpr int kTextMargin = 1;     // headings and the left column start one dot in

constexpr std::string_view kHeaderFace = "ARIAL";
constexpr std::string_view kBodyFace = "COURIER NEW";
constexpr int kRegular = 400;
constexpr int kBold = 700;

// A position on the page as multiples of the page's measures: x = cols × col + dots,
// y = samples × e + bands × band.
struct Place {
    int cols;
    int dots;
    int samples;
    int bands;
};

struct SampleRow {
    std::string_view caption;
    SymbologyCode symbology;
    std::string_view text;
    Place place;
    CaptionPlace captionPlace;
};

constexpr SampleRow kSamples[] = {
    {"Code 128", SymbologyCode::Code128, "Test 1234", {1, 0, 0, 5}, CaptionPlace::Centred},
    {"EAN 128", SymbologyCode::Ean128, "Test 1234", {11, 0, 0, 5}, CaptionPlace::Centred},
    {"Code 39", SymbologyCode::Code39, "TEST 1234", {22, 0, 0, 5}, CaptionPlace::Centred},
    {"Code 93", SymbologyCode::Code93, "Test 1234", {1, 0, 1, 7}, CaptionPlace::Centred},
    {"Code 39 ext",
     SymbologyCode::Code39Extended,
     "Test 1234",
     {11, 0, 1, 7},
     CaptionPlace::Centred},
    {"UPC A", SymbologyCode::UpcA, "12345678912", {0, kTextMargin, 2, 11}, CaptionPlace::Centred},
    {"UPC E", SymbologyCode::UpcE, "123456", {9, 0, 2, 11}, CaptionPlace::Centred},
    {"UPC 5 Ext", SymbologyCode::UpcExt5, "12345", {17, 0, 2, 11}, CaptionPlace::AtSampleX},
    {"UPC 2 Ext", SymbologyCode::UpcExt2, "12", {25, 0, 2, 11}, CaptionPlace::AtSampleX},
    {"EAN 13/JAN",
     SymbologyCode::Ean13,
     "123456789123",
     {0, kTextMargin, 3, 13},
     CaptionPlace::Centred},
    {"EAN 8", SymbologyCode::Ean8, "12345678", {9, 0, 3, 13}, CaptionPlace::Centred},
    {"Int 2 of 5",
     SymbologyCode::Interleaved2of5,
     "1234567890",
     {0, kTextMargin, 4, 17},
     CaptionPlace::Centred},
    {"Postnet 11 digit (12345678901)",
     SymbologyCode::Postnet,
     "12345678901",
     {0, kTextMargin, 5, 18},
     CaptionPlace::RightOfSample},
    {"Postnet 9 digit (123456789)",
     SymbologyCode::Postnet,
     "123456789",
     {0, kTextMargin, 5, 20},
     CaptionPlace::RightOfSample},
    {"Postnet 5 digit (12345)",
     SymbologyCode::Postnet,
     "12345",
     {0, kTextMargin, 5, 22},
     CaptionPlace::RightOfSample},
};

struct HeadingRow {
    std::string_view text;
    Place place;
};

constexpr HeadingRow kHeadings[] = {
    {QT_TRANSLATE_NOOP("TestPage", "Alpha Numeric Barcodes"), {0, kTextMargin, 0, 2}},
    {QT_TRANSLATE_NOOP("TestPage", "UPC Family - Numeric Only"), {0, kTextMargin, 2, 8}},
    {QT_TRANSLATE_NOOP("TestPage", "Other Formats - Numeric Only"), {0, kTextMargin, 4, 14}},
};

int X(const TestPageMeasures& m, const Place& p) {
    return p.cols * m.col + p.dots;
}
int Y(const TestPageMeasures& m, const Place& p) {
    return p.samples * m.sampleHeight + p.bands * m.band;
}

TestPageSample SampleAt(const TestPageMeasures& m, const SampleRow& row) {
    const bool postnet = row.symbology == SymbologyCode::Postnet;
    return {row.caption,
            row.symbology,
            engine::FilterBarcodeText(row.symbology, row.text),
            X(m, row.place),
            Y(m, row.place),
            postnet ? kPostnetModules * m.module : m.module,
            postnet ? m.band : m.sampleHeight,
            row.captionPlace};
}

// A header or heading in the user's language, in the Latin-1 the surface draws.
std::string PageText(std::string_view source) {
    return QCoreApplication::translate("TestPage", std::string(source).c_str())
        .toLatin1()
        .toStdString();
}

engine::FontSpec HeaderFont(const TestPageMeasures& m) {
    return {std::string(kHeaderFace), m.fontHeight, kBold, 0};
}
engine::FontSpec BodyFont(const TestPageMeasures& m, int weight) {
    return {std::string(kBodyFace), m.fontHeight, weight, 0};
}

void DrawHeader(TestPageTarget& target, const TestPageMeasures& m) {
    engine::Surface& surface = target.Surface();
    surface.FillRect(0, 0, m.width, m.band, engine::Fill::Black);
    const engine::FontSpec font = HeaderFont(m);
    const std::string header = PageText(kTestPageHeader);
    engine::TextExtent title;
    {
        const engine::ScopedFont scoped(surface, font);
        title = surface.MeasureText(header);
    }
    const TextPosition at = HeaderTextPosition(m, title);
    target.DrawStyledText(at.x, at.y, header, font, {false, true});
}

void DrawSample(engine::Surface& surface, const TestPageMeasures& m, const TestPageSample& s) {
    engine::DrawBarcode(surface, s.symbology, s.x, s.y, s.module, s.height, s.text, true,
                        engine::Orientation::Deg0, false);
    const int extent = engine::BarcodeExtent(s.module, s.symbology, s.text);
    const engine::ScopedFont body(surface, BodyFont(m, kRegular));
    const TextPosition at = CaptionPosition(m, s, extent, surface.MeasureText(s.caption));
    surface.DrawText(at.x, at.y, s.caption);
}

void DrawPage(TestPageTarget& target, const TestPageLayout& layout) {
    const TestPageMeasures& m = layout.measures;
    DrawHeader(target, m);
    // The body font is the one the samples' readable text is written in.
    target.SetFontFace(std::string(kBodyFace));
    for (const TestPageHeading& heading : layout.headings)
        target.DrawStyledText(heading.x, heading.y, PageText(heading.text), BodyFont(m, kBold),
                              {true, false});
    for (const TestPageSample& sample : layout.samples)
        DrawSample(target.Surface(), m, sample);
}

// Puts the printer's orientation back on every path out of the job.
class OrientationKeeper {
  public:
    explicit OrientationKeeper(TestPageTarget& target)
        : target_(target), kept_(target.Orientation()) {}
    ~OrientationKeeper() { target_.SetOrientation(kept_); }
    OrientationKeeper(const OrientationKeeper&) = delete;
    OrientationKeeper& operator=(const OrientationKeeper&) = delete;

  private:
    TestPageTarget& target_;
    PageOrientation kept_;
};

} // namespace

TestPageMeasures MeasureTestPage(PageSize printable, int printerDpiX) {
    TestPageMeasures m;
    m.width = printable.width;
    m.height = printable.height;
    m.col = m.width / kColumns;
    m.band = m.height / kBands;
    m.module = engine::MilsToDots(printerDpiX, kModuleMils);
    m.sampleHeight = kSampleModules * m.module;
    m.fontHeight = m.band - m.band / 5;
    return m;
}

TestPageLayout LayoutTestPage(PageSize printable, int printerDpiX) {
    TestPageLayout layout;
    layout.measures = MeasureTestPage(printable, printerDpiX);
    for (const HeadingRow& row : kHeadings)
        layout.headings.push_back(
            {row.text, X(layout.measures, row.place), Y(layout.measures, row.place)});
    for (const SampleRow& row : kSamples)
        layout.samples.push_back(SampleAt(layout.measures, row));
    return layout;
}

TextPosition HeaderTextPosition(const TestPageMeasures& m, engine::TextExtent title) {
    return {m.width / 2 - title.width / 2, m.band / 2 - title.height / 2};
}

TextPosition CaptionPosition(const TestPageMeasures& m, const TestPageSample& s, int extent,
                             engine::TextExtent caption) {
    switch (s.captionPlace) {
    case CaptionPlace::Centred:
        return {s.x + extent / 2 - caption.width / 2, s.y - m.band};
    case CaptionPlace::AtSampleX:
        return {s.x, s.y - m.band};
    case CaptionPlace::RightOfSample:
        break;
    }
    return {m.col + kTextMargin + extent, s.y + m.band / 2 - caption.height / 2};
}

void PrintTestPage(TestPageTarget& target, const app::PrinterMetrics& metrics) {
    target.SetCopies(1);
    const OrientationKeeper keeper(target);
    target.SetOrientation(PageOrientation::Portrait);
    const PageSize printable = target.PrintableSize();
    target.BeginDocument(std::string(kTestPageJobTitle));
    try {
        DrawPage(target, LayoutTestPage(printable, metrics.PrinterDpiX));
        target.EndDocument();
    } catch (...) {
        target.AbortDocument();
        throw;
    }
}

} // namespace print
