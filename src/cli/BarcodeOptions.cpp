#include "cli/BarcodeOptions.h"

#include "engine/Units.h"
#include "export/ExportModel.h"

#include <array>
#include <charconv>
#include <tuple>
#include <utility>

namespace cli {
namespace {

constexpr double kDefaultHeightInches = 0.75;
constexpr int kDefaultDpi = 300;
constexpr int kMaxDpi = 10000;
constexpr int kMaxModule = 1000;

engine::Orientation ParseRotation(const std::string& degrees) {
    constexpr std::array<std::string_view, 4> kDegrees{"0", "90", "180", "270"};
    for (std::size_t i = 0; i < kDegrees.size(); ++i)
        if (degrees == kDegrees[i]) return static_cast<engine::Orientation>(i);
    throw UsageError("--rotate takes 0, 90, 180 or 270, not \"" + degrees + "\"");
}

// The bar height as given and whether it is in centimetres.
std::pair<double, bool> BarHeight(const CliArguments& args) {
    const std::string unit = args.Value("--unit").value_or("in");
    if (unit != "in" && unit != "cm")
        throw UsageError("--unit takes in or cm, not \"" + unit + "\"");
    const bool metric = unit == "cm";
    const double fallback =
        metric ? engine::InchesToCentimetres(kDefaultHeightInches) : kDefaultHeightInches;
    return {args.PositiveReal("--height", fallback), metric};
}

int ModuleDots(const CliArguments& args, engine::SymbologyCode code, int dpi) {
    const std::string module = args.Value("--module").value_or("auto");
    if (module == "auto") return exporting::AutoModuleWidth(dpi, code);
    return args.IntValue("--module", 1, 1, kMaxModule);
}

} // namespace

OptionSpec BarcodeOptionSpec() {
    return {{"--type", "--text", "--height", "--unit", "--rotate", "--font", "--dpi", "--module"},
            {"--no-readable"}};
}

engine::SymbologyCode ParseSymbology(const std::string& name) {
    if (const auto code = engine::SymbologyFromListItem(name)) return *code;
    int value = -1;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value);
    if (error == std::errc() && end == name.data() + name.size() && value >= 0 &&
        value < engine::kSymbologyCount)
        return static_cast<engine::SymbologyCode>(value);
    throw UsageError("unknown barcode type \"" + name + "\" (see tallyrune-cli types)");
}

exporting::ExportDocument ExportDocumentOf(const BarcodeJob& job, const QString& path) {
    const auto& d = job.drawing;
    return {d.code, d.text, job.barHeight, job.metric, d.showText, d.orientation, d.fontFace, path};
}

BarcodeJob BarcodeJobFrom(const CliArguments& args) {
    BarcodeJob job;
    auto& d = job.drawing;
    d.code = ParseSymbology(args.Value("--type").value_or("Code 128"));
    job.dpi = args.IntValue("--dpi", kDefaultDpi, 1, kMaxDpi);
    d.text = engine::FilterBarcodeText(d.code, args.Value("--text").value_or(""));
    if (d.text.empty())
        throw UsageError("the text has no characters that " +
                         std::string(engine::FindSymbology(d.code)->listItem) + " can encode");
    std::tie(job.barHeight, job.metric) = BarHeight(args);
    d.height = exporting::AcrossDots(job.barHeight, job.metric, job.dpi);
    if (d.height < 1) throw UsageError("--height is less than one dot at this resolution");
    d.module = ModuleDots(args, d.code, job.dpi);
    d.showText = !args.Has("--no-readable");
    d.orientation = ParseRotation(args.Value("--rotate").value_or("0"));
    if (const auto font = args.Value("--font")) d.fontFace = QString::fromStdString(*font);
    return job;
}

} // namespace cli
