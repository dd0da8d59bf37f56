// One picture drawn and written per iteration, for each export format: an EAN-13 and a
// 20-character Code 128 at 300 dpi, 10 mils a bar, 0.75 inch high, each to a new file.

#include "export/ExportModel.h"
#include "export/Exporter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Sample {
    engine::SymbologyCode code;
    const char* text;
};
constexpr Sample kSamples[] = {
    {engine::SymbologyCode::Ean13, "400638133393"},
    {engine::SymbologyCode::Code128, "TALLYRUNE-2026-00042"},
};

void BM_Export(benchmark::State& state) {
    const auto format = static_cast<exporting::ExportFormat>(state.range(0));
    const Sample& sample = kSamples[state.range(1)];
    exporting::ExportDocument document;
    document.Symbology = sample.code;
    document.BarcodeText = sample.text;
    const int dpi = 300;
    const int module = exporting::AutoModuleWidth(dpi, sample.code);
    const QString extension = QString::fromLatin1(exporting::InfoOf(format).extension.data());
    QTemporaryDir dir;
    exporting::Exporter exporter;
    long long n = 0;
    for (auto _ : state)
        exporter.Export(document, module, dpi, format,
                        dir.filePath(QString::number(++n) + '.' + extension));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(exporting::InfoOf(format).cliName) + " " + sample.text);
}
BENCHMARK(BM_Export)
    ->ArgsProduct({benchmark::CreateDenseRange(0, exporting::kFormatCount - 1, 1), {0, 1}})
    ->ArgNames({"format", "sample"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
