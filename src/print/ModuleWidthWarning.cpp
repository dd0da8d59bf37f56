#include "print/ModuleWidthWarning.h"

#include "app/PrinterMetrics.h"
#include "print/PrintJob.h"

#include <QCoreApplication>

#include <cmath>

namespace print {
namespace {

// Closer than this to a whole number, a width in dots is taken as whole (decimal mils are not
// exact in binary).
constexpr double kWholeTolerance = 1e-6;

} // namespace

QString ModuleWidthWarning(double mils, int dpi, int printedDots, QChar decimalSeparator) {
    if (dpi <= 0) return {};
    const double dots = mils * dpi / 1000.0;
    if (std::abs(dots - std::round(dots)) < kWholeTolerance) return {};
    const auto number = [decimalSeparator](const char* pattern, double value) {
        return platform::FormatFloat(pattern, value, decimalSeparator);
    };
    return QCoreApplication::translate("ModuleWidthWarning",
                                       "%1 mils is %2 dots at %3 dpi: prints %4 dots, %5 mils")
        .arg(number("##0.0", mils), number("##0.0#", dots), QString::number(dpi),
             QString::number(printedDots), number("##0.0", printedDots * 1000.0 / dpi));
}

QString ModuleWidthWarning(const PrintOptions& options, const app::BarcodeDocument& document,
                           const app::PrinterMetrics& metrics, QChar decimalSeparator) {
    const auto mils = AskedModuleMils(options, document, metrics);
    if (!mils) return {};
    return ModuleWidthWarning(*mils, metrics.PrinterDpiX,
                              ModuleWidthDots(options, document, metrics), decimalSeparator);
}

} // namespace print
