#include "app/ToolbarRules.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"

namespace app {
namespace {

constexpr std::string_view kSizePattern = "##0.0##";
constexpr double kEmptyToolbarInches = 0.75;
constexpr double kEmptyToolbarCentimetres = 2.0;

} // namespace

double HeightBoxValue(QStringView text, bool metric, QChar decimalSeparator) {
    const std::optional<double> value = platform::ParseReal(text, decimalSeparator);
    if (!value || !(*value > 0.0) || *value > kMaxHeightBoxValue) return DefaultBarHeight(metric);
    return *value;
}

QString FormatSize(double value, QChar decimalSeparator) {
    return platform::FormatFloat(kSizePattern, value, decimalSeparator);
}

QString UnitName(bool metric) {
    return metric ? QStringLiteral("cm") : QStringLiteral("inches");
}

double ConvertBarHeight(double height, bool toMetric) {
    return toMetric ? engine::InchesToCentimetres(height) : engine::CentimetresToInches(height);
}

SizeReadouts ReadoutsOf(const BarcodeDocument* document, bool metric, QChar decimalSeparator) {
    if (document)
        return {FormatSize(document->HeightInUnits(), decimalSeparator),
                FormatSize(document->WidthInUnits(), decimalSeparator)};
    const double height = metric ? kEmptyToolbarCentimetres : kEmptyToolbarInches;
    return {FormatSize(height, decimalSeparator), FormatSize(0.0, decimalSeparator)};
}

} // namespace app
