// Printer and screen metrics from Qt: the printer's page layout stands in for the device
// capabilities (resolution, physical size and offset, printable size).

#include "print/DeviceMetrics.h"

#include "engine/Units.h"
#include "print/LabelLayout.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>
#include <QSizeF>

#include <iterator>

namespace print {
namespace {

constexpr double kPointsPerInch = 72.0;

// Points per unit, in the order of QPageSize::Unit and QPageLayout::Unit (Millimeter, Point,
// Inch, Pica, Didot, Cicero), as Qt converts them.
constexpr double kPointsPerUnit[] = {72.0 / 25.4, 1.0, 72.0, 12.0, 1.07000856496, 12.84010277952};
static_assert(std::size(kPointsPerUnit) == QPageSize::Cicero + 1);
static_assert(std::size(kPointsPerUnit) == QPageLayout::Cicero + 1);

double InchesPerUnit(int unit) {
    return kPointsPerUnit[unit] / kPointsPerInch;
}

// The paper as it is defined (A4 in millimetres, Letter in inches). Qt's point and pixel sizes
// round A4 to 595 × 842 points, 4958 dots across at 600 dpi instead of 4960.6, which can cost a
// sheet its last column at one resolution and not at another.
QSizeF PaperInches(const QPageLayout& layout) {
    const QPageSize& size = layout.pageSize();
    const QSizeF inches = size.definitionSize() * InchesPerUnit(size.definitionUnits());
    return layout.orientation() == QPageLayout::Landscape ? inches.transposed() : inches;
}

// In full-page mode the paint rectangle is the whole paper, so the painter's origin, which the
// offsets describe, is the paper's corner.
QMarginsF BorderInches(const QPageLayout& layout) {
    if (layout.mode() == QPageLayout::FullPageMode) return {};
    return layout.margins() * InchesPerUnit(layout.units());
}

int Dots(double inches, int dpi) {
    return engine::RoundHalfEven(inches * dpi);
}

} // namespace

// Qt printers have one resolution for both axes.
void ReadPrinterCapabilities(const QPrinter& printer, app::PrinterMetrics& metrics) {
    ReadPageCapabilities(printer.pageLayout(), printer.resolution(), metrics);
}

void ReadPageCapabilities(const QPageLayout& layout, int dpi, app::PrinterMetrics& metrics) {
    const QSizeF paper = PaperInches(layout);
    const QMarginsF border = BorderInches(layout);
    metrics.PrinterDpiX = dpi;
    metrics.PrinterDpiY = dpi;
    metrics.PhysicalWidth = Dots(paper.width(), dpi);
    metrics.PhysicalHeight = Dots(paper.height(), dpi);
    metrics.PhysicalOffsetX = Dots(border.left(), dpi);
    metrics.PhysicalOffsetY = Dots(border.top(), dpi);
    metrics.NonprintableRight = Dots(border.right(), dpi);
    metrics.NonprintableBottom = Dots(border.bottom(), dpi);
}

void ReadScreenResolution(const QScreen* screen, app::PrinterMetrics& metrics) {
    metrics.ScreenDpiX =
        screen ? engine::RoundHalfEven(screen->logicalDotsPerInchX()) : app::kDefaultScreenDpi;
    metrics.ScreenDpiY =
        screen ? engine::RoundHalfEven(screen->logicalDotsPerInchY()) : app::kDefaultScreenDpi;
}

void RefreshPrinterMetrics(const QPrinter& printer, const app::LabelSheet& sheet,
                           app::PrinterMetrics& metrics, int& printScale) {
    RefreshPageMetrics(printer.pageLayout(), printer.resolution(), sheet, metrics, printScale);
}

void RefreshPageMetrics(const QPageLayout& layout, int dpi, const app::LabelSheet& sheet,
                        app::PrinterMetrics& metrics, int& printScale) {
    ReadScreenResolution(QGuiApplication::primaryScreen(), metrics);
    ReadPageCapabilities(layout, dpi, metrics);
    RecomputeLayout(sheet, metrics, printScale);
}

} // namespace print
