#pragma once
// Printer and screen metrics read from Qt's printer and screen objects.

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"

class QPageLayout;
class QPrinter;
class QScreen;

namespace print {

// Resolution, paper and printable rectangle of the printer's current page layout.
void ReadPrinterCapabilities(const QPrinter& printer, app::PrinterMetrics& metrics);

// The same for a page that no printer holds (a ZPL file's label) at `dpi`.
void ReadPageCapabilities(const QPageLayout& layout, int dpi, app::PrinterMetrics& metrics);

// Logical resolution of the screen, or kDefaultScreenDpi when there is none.
void ReadScreenResolution(const QScreen* screen, app::PrinterMetrics& metrics);

// The same for a page that no printer holds, at `dpi`.
void RefreshPageMetrics(const QPageLayout& layout, int dpi, const app::LabelSheet& sheet,
                        app::PrinterMetrics& metrics, int& printScale);

// Reads the printer and the primary screen, then lays out `sheet` (see RecomputeLayout).
void RefreshPrinterMetrics(const QPrinter& printer, const app::LabelSheet& sheet,
                           app::PrinterMetrics& metrics, int& printScale);

} // namespace print
