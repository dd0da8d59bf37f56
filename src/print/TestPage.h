#pragma once
// The printer test page: samples of every symbology family at 10 mils (POSTNET at 20), laid out
// in bands of the printable height, so the user can check that the printer reproduces the bars
// and that scanners read them. Nothing scales to the paper: on a small page the lower samples
// fall off and are clipped.

#include "engine/Surface.h"
#include "engine/Symbology.h"
#include "print/DeviceMetrics.h"
#include "print/PrintTarget.h"

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

namespace print {

inline constexpr std::string_view kTestPageJobTitle = "Barcode Test Page";
// Drawn in the user's language, as the headings are.
inline constexpr std::string_view kTestPageHeader =
    QT_TRANSLATE_NOOP("TestPage", "Tallyrune - Barcode Test Page");

enum class PageOrientation { Portrait, Landscape };

struct PageSize {
    int width = 0; // dots
    int height = 0;
    bool operator==(const PageSize&) const = default;
};

// Texts that labels never need: underlined, or white letters on a black cell.
struct TextStyle {
    bool underline = false;
    bool whiteOnBlack = false;
};

// What the test page asks of a printer beyond a label job: its orientation and copies, the
// printable size after turning it, and styled text.
class TestPageTarget : public PrintTarget {
  public:
    virtual PageOrientation Orientation() const = 0;
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual void SetCopies(int copies) = 0;
    // The printable area in dots for the current orientation.
    virtual PageSize PrintableSize() const = 0;
    // Writes the UTF-8 `text` in `font` with its cell's top-left corner at (x, y); the cell is
    // filled first (white, or black for white letters).
    virtual void DrawStyledText(int x, int y, std::string_view text, const engine::FontSpec& font,
                                TextStyle style) = 0;
};

// The page's measures in printer dots; every division truncates toward zero.
struct TestPageMeasures {
    int width = 0;        // W, printable
    int height = 0;       // H, printable
    int col = 0;          // W / 32
    int band = 0;         // H / 44
    int module = 0;       // 10 mils, rounded half to even
    int sampleHeight = 0; // e = 60 modules
    int fontHeight = 0;   // band - band / 5, header and body alike
    bool operator==(const TestPageMeasures&) const = default;
};

enum class CaptionPlace { Centred, AtSampleX, RightOfSample };

struct TestPageSample {
    std::string_view caption;
    engine::SymbologyCode symbology;
    std::string text; // as typing would filter it (see LayoutTestPage)
    int x = 0;
    int y = 0;
    int module = 0;
    int height = 0;
    CaptionPlace captionPlace = CaptionPlace::Centred;
};

struct TestPageHeading {
    std::string_view text;
    int x = 0;
    int y = 0; // where the heading text itself is written
};

struct TestPageLayout {
    TestPageMeasures measures;
    std::vector<TestPageHeading> headings;
    // Twelve samples, then the three POSTNET ones: thirteen symbologies.
    std::vector<TestPageSample> samples;
};

struct TextPosition {
    int x = 0;
    int y = 0;
    bool operator==(const TextPosition&) const = default;
};

TestPageMeasures MeasureTestPage(PageSize printable, int printerDpiX);
// Sample texts pass FilterBarcodeText as typed ones do: the EAN 8 sample's "12345678" keeps its
// seven data digits, since drawn whole its eighth digit would stand where the check digit
// belongs and no scanner would read the sample.
TestPageLayout LayoutTestPage(PageSize printable, int printerDpiX);

// The header title's cell, centred on the black band.
TextPosition HeaderTextPosition(const TestPageMeasures& measures, engine::TextExtent title);

// A caption's cell for a sample whose box is `extent` dots long.
TextPosition CaptionPosition(const TestPageMeasures& measures, const TestPageSample& sample,
                             int extent, engine::TextExtent caption);

// Prints the page once, in portrait, as the job "Barcode Test Page", at the resolution of
// `metrics`; the target's orientation is put back afterwards, also when printing fails (the
// document is then aborted and the failure passed on).
void PrintTestPage(TestPageTarget& target, const app::PrinterMetrics& metrics);

} // namespace print
