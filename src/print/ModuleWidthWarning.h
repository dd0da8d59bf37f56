#pragma once
// A printer draws bars in whole dots: a module width that is no whole number of dots prints
// wider or narrower than chosen (10 mils at 203 dpi is 2.03 dots and prints as 2, 9.9 mils).

#include "platform/NumberFormat.h"
#include "print/PrintOptions.h"

#include <QString>

namespace app {
class BarcodeDocument;
struct PrinterMetrics;
} // namespace app

namespace print {

// Empty when `mils` is a whole number of dots at `dpi`; else "<mils> mils is <dots> dots at
// <dpi> dpi: prints <printed> dots, <width> mils".
QString ModuleWidthWarning(double mils, int dpi, int printedDots,
                           QChar decimalSeparator = platform::LocaleDecimalSeparator());

// The warning for the job's width choice on the current printer.
QString ModuleWidthWarning(const PrintOptions& options, const app::BarcodeDocument& document,
                           const app::PrinterMetrics& metrics,
                           QChar decimalSeparator = platform::LocaleDecimalSeparator());

} // namespace print
