#pragma once
// Renders symbols through PainterSurface and reads them back with zxing-cpp, the independent
// decoder the tests trust.

#include "app/SymbolReader.h"
#include "engine/Barcode.h"

#include <QImage>
#include <ZXing/BarcodeFormat.h>
#include <ZXing/DecodeHints.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct RenderRequest {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    std::string text;
    int module = 2;
    int height = 120; // across the bars, text strip included
    bool showText = true;
    engine::Orientation orientation = engine::Orientation::Deg0;
};

// The barcode box drawn on a white 1-bit image with a white margin of `margin` pixels around it.
QImage RenderBarcode(const RenderRequest& request, int margin = 20);

using DecodeResult = app::DecodedSymbol;

// zxing-cpp's reader for `formats`, trying rotations as a scanner would; a test adds to it.
ZXing::DecodeHints Reader(ZXing::BarcodeFormats formats);

// Decodes one symbol as `hints` say.
DecodeResult DecodeImage(const QImage& image, const ZXing::DecodeHints& hints);

// Decodes one symbol of the given formats; tries rotations as a scanner would. `fullAscii`
// reads Code 39 in its full-ASCII (Extended) mode.
DecodeResult DecodeImage(const QImage& image, ZXing::BarcodeFormats formats,
                         bool fullAscii = false);

// A symbol found on a page and where its first bar's top-left corner is: zxing-cpp gives the
// bars' left edge and a row through them; the top is where that first bar ends above the row.
struct PlacedSymbol {
    bool found = false;
    std::string text;
    int left = 0; // page pixels
    int top = 0;
};

// The one symbol `hints` finds inside `area` of `page`, upright bars assumed.
PlacedSymbol DecodePlaced(const QImage& page, const QRect& area, const ZXing::DecodeHints& hints);

// Render + decode in one step.
DecodeResult RenderAndDecode(const RenderRequest& request, ZXing::BarcodeFormats formats,
                             bool fullAscii = false);

// Reads `image` with `hints`: a symbol must be found, in the one format `hints` asks for, and
// read as `expected`, with the symbology identifier `identifier` when one is given.
DecodeResult ExpectRead(const QImage& image, const ZXing::DecodeHints& hints,
                        const std::string& expected, const std::string& identifier = {});

// Calls `check` with `text` as `code`, `modulesHigh` modules high, at modules 1 to 4, in all
// four orientations, with its text shown and hidden; a failure names the rendering.
void ForEveryRendering(engine::SymbologyCode code, const std::string& text, int modulesHigh,
                       const std::function<void(const RenderRequest&)>& check);

// ExpectRead for every rendering of ForEveryRendering.
void ExpectReadEverywhere(engine::SymbologyCode code, const std::string& text,
                          const ZXing::DecodeHints& hints, const std::string& expected,
                          int modulesHigh = 40, const std::string& identifier = {});

// All of ASCII 1..127, in slices short enough for one symbol each.
std::vector<std::string> AsciiSlices();

// `count` texts of ASCII 1..127 from `seed`, each of a random length from `shortest` to
// `longest`, drawn before its characters.
std::vector<std::string> RandomAsciiTexts(unsigned seed, int count, int shortest, int longest);

} // namespace testing_support
