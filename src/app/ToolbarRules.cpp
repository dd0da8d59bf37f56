#include "app/ToolbarRules.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"

#include <QCoreApplication>

namespace app {
namespace {

constexpr std::string_view kSizePattern = "##0.0##";
constexpr double kEmptyToolbarInches = 0.75;
constexpr double kEmptyToolbarCentimetres = 2.0;

} // namespace

double HeightBoxValue(QStringView text, engine::Unit unit, QChar decimalSeparator) {
    const std::optional<double> value = platform::ParseReal(text, decimalSeparator);
    if (!value || !(*value > 0.0) || *value > kMaxHeightBoxValue) return DefaultBarHeight(unit);
    return *value;
}

QString FormatSize(double value, QChar decimalSeparator) {
    return platform::FormatFloat(kSizePattern, value, decimalSeparator);
}

QString UnitName(engine::Unit unit) {
    return unit == engine::Unit::Centimetre ? QCoreApplication::translate("ToolbarRules", "cm")
                                            : QCoreApplication::translate("ToolbarRules", "inches");
}

double ConvertBarHeight(double height, engine::Unit to) {
    return to == engine::Unit::Centimetre ? engine::InchesToCentimetres(height)
                                          : engine::CentimetresToInches(height);
}

SizeReadouts ReadoutsOf(const BarcodeDocument* document, engine::Unit unit,
                        QChar decimalSeparator) {
    if (document)
        return {FormatSize(document->HeightInUnits(), decimalSeparator),
                FormatSize(document->WidthInUnits(), decimalSeparator)};
    const double height =
        unit == engine::Unit::Centimetre ? kEmptyToolbarCentimetres : kEmptyToolbarInches;
    return {FormatSize(height, decimalSeparator), FormatSize(0.0, decimalSeparator)};
}

} // namespace app
