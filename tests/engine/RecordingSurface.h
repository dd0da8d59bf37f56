#pragma once
// A surface that logs every call, so encoders and layout are tested without pixels.
// Text (UTF-8) is measured as a fixed-pitch font: each character is half the cell height wide.

#include "engine/BarDrawing.h"
#include "engine/Saturating.h"
#include "engine/Surface.h"

#include <algorithm>
#include <compare>
#include <iosfwd>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedRect {
    int left, top, right, bottom;
    engine::Fill fill;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const RecordedRect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const RecordedRect& r);

struct RecordedText {
    int x, y;
    std::string text;
    engine::FontSpec font;
};

class RecordingSurface : public engine::Surface {
  public:
    std::vector<RecordedRect> rects;
    std::vector<RecordedText> texts;
    std::vector<engine::FontSpec> fontStack;
    int pushes = 0;
    int pops = 0;
    std::string face = "Courier New";

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override {
        rects.push_back({left, top, right, bottom, fill});
    }
    std::string FontFace() const override {
        return fontStack.empty() ? face : fontStack.back().face;
    }
    void PushFont(const engine::FontSpec& font) override {
        fontStack.push_back(font);
        ++pushes;
    }
    void PopFont() override {
        if (!fontStack.empty()) fontStack.pop_back();
        ++pops;
    }
    engine::TextExtent MeasureText(std::string_view text) const override {
        const int h = fontStack.empty() ? 16 : fontStack.back().cellHeight;
        // UTF-8: a character per byte that continues no sequence.
        const auto chars =
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        return {engine::MulSaturated(static_cast<int>(chars), h / 2), h};
    }
    void DrawText(int x, int y, std::string_view text) override {
        texts.push_back(
            {x, y, std::string(text), fontStack.empty() ? engine::FontSpec{} : fontStack.back()});
    }

    std::vector<RecordedRect> Bars() const {
        std::vector<RecordedRect> bars;
        for (const auto& r : rects)
            if (r.fill == engine::Fill::Black) bars.push_back(r);
        return bars;
    }
};

// A recorded rectangle in the symbol's own frame: along the bar sequence and across it, both
// measured from the bar start, so every orientation reads like 0°.
struct Span {
    int along0, along1, across0, across1;
    auto operator<=>(const Span&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Span& s);

// The rectangles recorded from the bar start (x0, y0) in orientation `o`, as sorted spans.
std::vector<Span> Spans(const std::vector<RecordedRect>& rects, int x0, int y0,
                        engine::Orientation o);

// "1" per module under a bar that crosses the whole bar length, "0" between them, from the bar
// start to the end of the last such bar. Such a bar off the module grid fails the test.
std::string ModuleString(const std::vector<Span>& bars, int module, int barLength);

// The bars that do not cross the whole bar length: bearer bars, short bars.
std::vector<Span> PartialBars(const std::vector<Span>& bars, int barLength);

} // namespace testing_support
