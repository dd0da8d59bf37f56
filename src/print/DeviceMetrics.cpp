// Printer and screen metrics from Qt: the printer's page layout stands in for the device
// capabilities (resolution, physical size and offset, printable size).

#include "print/DeviceMetrics.h"

#include "engine/Units.h"
#include "print/LabelLayout.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QRect>
#include <QScreen>

namespace print {

// Qt printers have one resolution for both axes; the page rectangles are in device pixels at it.
// In full-page mode the paint rectangle is the whole paper, so the painter's origin, which the
// offsets describe, is the paper's corner.
void ReadPrinterCapabilities(const QPrinter& printer, app::PrinterMetrics& metrics) {
    const int dpi = printer.resolution();
    const QPageLayout layout = printer.pageLayout();
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    metrics.PrinterDpiX = dpi;
    metrics.PrinterDpiY = dpi;
    metrics.PhysicalWidth = paper.width();
    metrics.PhysicalHeight = paper.height();
    metrics.PhysicalOffsetX = printable.left() - paper.left();
    metrics.PhysicalOffsetY = printable.top() - paper.top();
    metrics.NonprintableRight = paper.width() - (printable.width() + metrics.PhysicalOffsetX);
    metrics.NonprintableBottom = paper.height() - (printable.height() + metrics.PhysicalOffsetY);
}

void ReadScreenResolution(const QScreen* screen, app::PrinterMetrics& metrics) {
    metrics.ScreenDpiX =
        screen ? engine::RoundHalfEven(screen->logicalDotsPerInchX()) : app::kDefaultScreenDpi;
    metrics.ScreenDpiY =
        screen ? engine::RoundHalfEven(screen->logicalDotsPerInchY()) : app::kDefaultScreenDpi;
}

void RefreshPrinterMetrics(const QPrinter& printer, const app::LabelSheet& sheet,
                           app::PrinterMetrics& metrics, int& printScale) {
    ReadScreenResolution(QGuiApplication::primaryScreen(), metrics);
    ReadPrinterCapabilities(printer, metrics);
    RecomputeLayout(sheet, metrics, printScale);
}

} // namespace print
