#pragma once
// A surface that logs every call, so encoders and layout are tested without pixels.
// Text is measured as a fixed-pitch font: each character is half the cell height wide.

#include "engine/Surface.h"

#include <string>
#include <vector>

namespace testing_support {

struct RecordedRect {
    int left, top, right, bottom;
    engine::Fill fill;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

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
        return {static_cast<int>(text.size()) * (h / 2), h};
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

// The module string ("1" bar, "0" space) of bars drawn at 0° along y = any, from x0 onwards,
// `count` modules long, at the given module width.
std::string ModulesFromBars(const std::vector<RecordedRect>& bars, int x0, int module, int count);

} // namespace testing_support
