#include "cli/BarcodeOptions.h"

#include "cli/MatrixOptions.h"

#include "app/BarcodeDocument.h"
#include "app/DocumentFile.h"
#include "app/DrawableDocument.h"
#include "engine/Units.h"
#include "export/ExportModel.h"
#include "platform/Errors.h"

#include <cmath>

#include <array>
#include <charconv>
#include <tuple>
#include <utility>

namespace cli {
namespace {

constexpr int kDefaultDpi = 300;
constexpr int kMaxDpi = 10000;
constexpr int kMaxModule = 1000;

engine::Orientation ParseRotation(const std::string& degrees) {
    constexpr std::array<std::string_view, 4> kDegrees{"0", "90", "180", "270"};
    for (std::size_t i = 0; i < kDegrees.size(); ++i)
        if (degrees == kDegrees[i]) return static_cast<engine::Orientation>(i);
    throw UsageError("--rotate takes 0, 90, 180 or 270, not \"" + degrees + "\"");
}

// The bar height and its unit: --unit chooses the unit (the defaults' when absent), --height the
// value (the defaults' height in that unit when absent).
std::pair<double, engine::Unit> BarHeight(const CliArguments& args,
                                          const BarcodeDefaults& defaults) {
    const std::string name =
        args.Value("--unit").value_or(defaults.unit == engine::Unit::Centimetre ? "cm" : "in");
    if (name != "in" && name != "cm")
        throw UsageError("--unit takes in or cm, not \"" + name + "\"");
    const engine::Unit unit = name == "cm" ? engine::Unit::Centimetre : engine::Unit::Inch;
    double fallback = defaults.barHeight;
    if (unit != defaults.unit)
        fallback = unit == engine::Unit::Centimetre ? engine::InchesToCentimetres(fallback)
                                                    : engine::CentimetresToInches(fallback);
    return {args.PositiveReal("--height", fallback), unit};
}

int ModuleDots(const CliArguments& args, engine::SymbologyCode code, int dpi) {
    const std::string module = args.Value("--module").value_or("auto");
    if (module == "auto") return exporting::AutoModuleWidth(dpi, code);
    return args.IntValue("--module", 1, 1, kMaxModule);
}

} // namespace

OptionSpec BarcodeOptionSpec() {
    return {{"--type", "--text", "--height", "--unit", "--rotate", "--font", "--dpi", "--module",
             "--ecc", "--size"},
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
    return {d.code,        d.text,     job.barHeight, job.unit, d.showText,
            d.orientation, d.fontFace, path,          d.options};
}

BarcodeDefaults DefaultsFromDocument(const QString& path, const CliArguments& args) {
    std::vector<std::string> replaced;
    if (args.Has("--type")) replaced.push_back("TYPE");
    if (args.Has("--height")) replaced.push_back("HEIGHT");
    const std::optional<app::DocumentRecord> record = app::ReadDrawableDocument(
        path, engine::Unit::Inch, platform::LocaleDecimalSeparator(), replaced);
    BarcodeDefaults defaults;
    defaults.code = record->Symbology;
    defaults.text = record->BarcodeText;
    defaults.barHeight = record->BarHeight;
    defaults.unit = record->Unit;
    defaults.showText = record->Interpret;
    defaults.orientation = app::DrawnOrientation(record->Rotation);
    defaults.options = record->Options;
    return defaults;
}

bool ShowsText(const CliArguments& args, const BarcodeDefaults& defaults) {
    return defaults.showText && !args.Has("--no-readable");
}

engine::SymbologyCode SymbologyFrom(const CliArguments& args, const BarcodeDefaults& defaults) {
    const auto type = args.Value("--type");
    return type ? ParseSymbology(*type) : defaults.code;
}

BarcodeJob BarcodeOptionsFrom(const CliArguments& args, const BarcodeDefaults& defaults) {
    BarcodeJob job;
    auto& d = job.drawing;
    d.code = SymbologyFrom(args, defaults);
    if (!engine::FindSymbology(d.code))
        throw platform::Failure("The document's barcode type " +
                                std::to_string(static_cast<int>(d.code)) +
                                " is unknown: give --type");
    job.dpi = args.IntValue("--dpi", kDefaultDpi, 1, kMaxDpi);
    std::tie(job.barHeight, job.unit) = BarHeight(args, defaults);
    if (!std::isfinite(job.barHeight) || job.barHeight <= 0)
        throw UsageError("the bar height must be a number greater than 0: give --height");
    d.height = exporting::AcrossDots(job.barHeight, job.unit, job.dpi);
    if (d.height < 1) throw UsageError("--height is less than one dot at this resolution");
    d.module = ModuleDots(args, d.code, job.dpi);
    d.showText = ShowsText(args, defaults);
    const auto rotation = args.Value("--rotate");
    d.orientation = rotation ? ParseRotation(*rotation) : defaults.orientation;
    if (const auto font = args.Value("--font")) d.fontFace = QString::fromStdString(*font);
    d.options = MatrixOptionsFrom(args, d.code, defaults.options);
    return job;
}

void SetBarcodeText(BarcodeJob& job, const std::string& text) {
    auto& d = job.drawing;
    d.text = engine::FilterBarcodeText(d.code, text);
    if (d.text.empty())
        throw UsageError("the text has no characters that " +
                         std::string(engine::FindSymbology(d.code)->listItem) + " can encode");
}

BarcodeJob BarcodeJobFrom(const CliArguments& args, const BarcodeDefaults& defaults) {
    BarcodeJob job = BarcodeOptionsFrom(args, defaults);
    SetBarcodeText(job, args.Value("--text").value_or(defaults.text));
    const auto& d = job.drawing;
    if (const std::string problem = engine::BarcodeProblem(d.code, d.text, d.options);
        !problem.empty())
        throw platform::Failure(problem);
    return job;
}

} // namespace cli
