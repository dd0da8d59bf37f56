#pragma once
// The printer test page read back from a picture of the printed sheet: each sample that
// zxing-cpp reads (it reads neither a UPC add-on on its own nor POSTNET), found where the test
// page's layout puts it for the printer it was printed on.

#include "app/PrinterMetrics.h"

#include <QImage>

#include <string>
#include <vector>

namespace testing_support {

struct SampleReading {
    std::string caption;
    std::string expected; // with its check digits, as a scanner reports it
    std::string read;     // "" when nothing was found
};

// `page` is the whole sheet drawn at `renderDpi`; `metrics` are those of the printer the page
// was printed for (resolution, paper, printable area).
std::vector<SampleReading> ReadTestPageSamples(const QImage& page, int renderDpi,
                                               const app::PrinterMetrics& metrics);

} // namespace testing_support
