// Drawing one barcode into a document-sized bitmap: a 20-character Code 128 text at module 3,
// 0.75 inch at 300 dpi, with and without the readable text; and the engine alone drawing a
// Code 128 text of 100,000 characters, where the encoding's cost shows.

#include "engine/Barcode.h"
#include "platform/BarcodeBitmap.h"

#include <benchmark/benchmark.h>

namespace {

platform::BarcodeDrawing SampleDrawing(bool showText) {
    platform::BarcodeDrawing d;
    d.code = engine::SymbologyCode::Code128;
    d.text = "TALLYRUNE-2026-00042";
    d.module = 3;
    d.height = 225;
    d.showText = showText;
    return d;
}

void BM_RenderBarcodeBitmap(benchmark::State& state) {
    const platform::BarcodeDrawing drawing = SampleDrawing(state.range(0) != 0);
    for (auto _ : state) {
        QImage image = platform::RenderBarcodeBitmap(drawing);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderBarcodeBitmap)->Arg(0)->Arg(1)->ArgName("text")->Unit(benchmark::kMicrosecond);

void BM_BarcodeExtent(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            engine::BarcodeExtent(3, engine::SymbologyCode::Code128, "TALLYRUNE-2026-00042"));
}
BENCHMARK(BM_BarcodeExtent);

// Counts the bars and throws them away: the engine's own work without any pixels.
class CountingSurface : public engine::Surface {
  public:
    long long rects = 0;
    void FillRect(int, int, int, int, engine::Fill) override { ++rects; }
    std::string FontFace() const override { return "Courier New"; }
    void PushFont(const engine::FontSpec&) override {}
    void PopFont() override {}
    engine::TextExtent MeasureText(std::string_view text) const override {
        return {static_cast<int>(text.size()) * 7, 14};
    }
    void DrawText(int, int, std::string_view) override {}
};

// Letters and digit runs of both parities, so the set changes in and out of C all along.
void BM_DrawLongCode128(benchmark::State& state) {
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0)))
        text += "TALLYRUNE-2026-00042";
    text.resize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        CountingSurface surface;
        engine::DrawBarcode(surface, engine::SymbologyCode::Code128, 0, 0, 1, 225, text, true,
                            engine::Orientation::Deg0, false);
        benchmark::DoNotOptimize(surface.rects);
    }
}
BENCHMARK(BM_DrawLongCode128)->Arg(100000)->ArgName("chars")->Unit(benchmark::kMillisecond);

} // namespace
