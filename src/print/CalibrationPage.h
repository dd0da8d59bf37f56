#pragma once
// The printer calibration page: a cross at the centre of the paper and two scales, so that the
// offset a printer needs is read off the paper. Folded left edge on right edge, the sheet's
// crease is the paper's true centre line and crosses the horizontal scale at the horizontal
// offset; folded top edge on bottom edge, the crease crosses the vertical scale at the vertical
// offset. The page itself is printed without any offset, so the reading is the whole offset.

#include "app/PrinterMetrics.h"
#include "engine/Units.h"
#include "print/TestPage.h"

#include <string>
#include <string_view>
#include <vector>

namespace print {

// The job's title, and the page's own, drawn in the user's language.
inline constexpr std::string_view kCalibrationJobTitle =
    QT_TRANSLATE_NOOP("CalibrationPage", "Printer Calibration Page");

struct CalibrationTick {
    double value = 0.0; // in the scale's unit; what the crease there reads
    int dots = 0;       // from the paper's centre along the scale
    int length = 0;     // dots across the scale
    std::string label;  // on the labelled ticks only; the page prints those that fit
};

struct CalibrationLayout {
    int centreX = 0; // the paper's centre in the printable area's coordinates
    int centreY = 0;
    int line = 1;       // stroke width, dots
    int scaleGap = 0;   // centre to each scale's line, dots
    int textHeight = 0; // of the labels and the instructions, dots
    std::string_view unitName;
    std::vector<CalibrationTick> horizontal; // dots along X at the printer's DpiX
    std::vector<CalibrationTick> vertical;   // dots along Y at DpiY
};

// The scales in inches (ticks 0.02 in apart) or in centimetres (1 mm apart).
CalibrationLayout LayoutCalibrationPage(const app::PrinterMetrics& metrics, engine::Unit unit);

// Prints the page as the job "Printer Calibration Page" in the printer's orientation, as labels
// are printed; `metrics` are the printer's. A scale shows as many of its labels as fit side by
// side in the printer's font, measured there. A failure aborts the document and is passed on.
void PrintCalibrationPage(TestPageTarget& target, const app::PrinterMetrics& metrics,
                          engine::Unit unit);

} // namespace print
