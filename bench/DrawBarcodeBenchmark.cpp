// Drawing one barcode into a document-sized bitmap: a 20-character Code 128 text at module 3,
// 0.75 inch at 300 dpi, with and without the readable text.

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

} // namespace
