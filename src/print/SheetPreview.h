#pragma once
// The print dialog's small drawing of the sheet: where the paper lies in the paint box, at what
// whole number of preview pixels per inch the labels are drawn, how each label is filled (the
// skipped ones, the start label, the rest), and which label a click hits.

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"
#include "print/LabelLayout.h"

#include <QString>

#include <optional>
#include <vector>

namespace print {

inline constexpr int kPreviewWidth = 167; // PaintBox1, pixels
inline constexpr int kPreviewHeight = 185;

struct PreviewGeometry {
    // The paper inside the paint box; right and bottom are exclusive.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int px = 0; // preview pixels per inch, across and down
    int py = 0;
    bool operator==(const PreviewGeometry&) const = default;
};

// The printable page fitted into a paint box of width × height: a portrait page spans the
// height less 5 pixels above and 4 below, any other the width less 5 on each side; centred the
// other way.
PreviewGeometry ComputePreviewGeometry(int width, int height, const app::PrinterMetrics& metrics);

enum class PreviewFill { Skipped, Start, Free }; // silver, aqua (with a focus rectangle), white

struct PreviewLabel {
    LabelCell cell; // in the paint box
    int index = 0;  // row by row from the top-left label
    PreviewFill fill = PreviewFill::Free;
    bool operator==(const PreviewLabel&) const = default;
};

// Every label of the sheet's layout (metrics.Rows × metrics.Columns), row by row.
std::vector<PreviewLabel> PreviewLabels(const app::LabelSheet& sheet,
                                        const app::PrinterMetrics& metrics,
                                        const PreviewGeometry& geometry, int skip);

// A roll as a strip of its labels down a paint box of width × height: each as wide as the box
// less 5 pixels a side (or as tall as it less 5 above and below), 4 pixels apart, as many as
// fit, the first the start label: a roll has no labels to skip.
std::vector<PreviewLabel> RollStrip(const app::LabelSheet& roll, int width, int height);

// The label under (x, y); where labels overlap, the last one in row order.
std::optional<int> PreviewHitTest(const app::LabelSheet& sheet, const app::PrinterMetrics& metrics,
                                  const PreviewGeometry& geometry, int x, int y);

// LSkipLbl: "Skip 1 Label", else "Skip N Labels".
QString SkipLabelText(int skip);

} // namespace print
