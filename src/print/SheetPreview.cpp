#include "print/SheetPreview.h"

#include "engine/Units.h"

#include <QCoreApplication>

#include <algorithm>

namespace print {
namespace {

constexpr int kInset = 5;       // paper to the paint box's edge
constexpr int kBottomInset = 4; // below a portrait paper

// Trunc(span × dpi / (page + offset)): the whole preview pixels per inch.
int PixelsPerInch(int span, int dpi, int pageAndOffset) {
    if (pageAndOffset <= 0) return 0;
    return engine::TruncateTowardZero(static_cast<double>(span) * dpi / pageAndOffset);
}

} // namespace

PreviewGeometry ComputePreviewGeometry(int width, int height, const app::PrinterMetrics& metrics) {
    const long long pw = app::PrintableWidth(metrics);
    const long long ph = app::PrintableHeight(metrics);
    PreviewGeometry g;
    if (pw <= 0 || ph <= 0) { // no page to scale: an empty paper over the whole box
        g = {kInset, kInset, width - kInset, height - kBottomInset, 0, 0};
    } else if (ph > pw) {
        const double half = static_cast<double>(pw * (height - 2 * kInset)) / ph / 2;
        g.top = kInset;
        g.bottom = height - kBottomInset;
        g.left = engine::RoundHalfEven(width / 2.0 - half);
        g.right = engine::RoundHalfEven(half + width / 2.0);
    } else {
        const double half = static_cast<double>(ph * (width - 2 * kInset)) / pw / 2;
        g.left = kInset;
        g.right = width - kInset;
        g.top = engine::RoundHalfEven(height / 2.0 - half);
        g.bottom = engine::RoundHalfEven(half + height / 2.0) + 1;
    }
    g.px = PixelsPerInch(g.right - g.left, metrics.PrinterDpiX,
                         app::PrintableWidth(metrics) + metrics.PhysicalOffsetX);
    g.py = PixelsPerInch(g.bottom - g.top, metrics.PrinterDpiY,
                         app::PrintableHeight(metrics) + metrics.PhysicalOffsetY);
    return g;
}

std::vector<PreviewLabel> PreviewLabels(const app::LabelSheet& sheet,
                                        const app::PrinterMetrics& metrics,
                                        const PreviewGeometry& geometry, int skip) {
    std::vector<PreviewLabel> labels;
    for (int row = 0; row < metrics.Rows; ++row)
        for (int column = 0; column < metrics.Columns; ++column) {
            LabelCell cell = PreviewCellAt(sheet, geometry.px, geometry.py, column, row);
            cell.left += geometry.left;
            cell.top += geometry.top;
            const int index = column + row * metrics.Columns;
            const PreviewFill fill = index < skip    ? PreviewFill::Skipped
                                     : index == skip ? PreviewFill::Start
                                                     : PreviewFill::Free;
            labels.push_back({cell, index, fill});
        }
    return labels;
}

std::optional<int> PreviewHitTest(const app::LabelSheet& sheet, const app::PrinterMetrics& metrics,
                                  const PreviewGeometry& geometry, int x, int y) {
    std::optional<int> hit;
    for (const PreviewLabel& label : PreviewLabels(sheet, metrics, geometry, 0)) {
        const LabelCell& c = label.cell;
        if (x >= c.left && x < c.Right() && y >= c.top && y < c.Bottom()) hit = label.index;
    }
    return hit;
}

QString SkipLabelText(int skip) {
    return skip == 1 ? QCoreApplication::translate("SheetPreview", "Skip 1 Label")
                     : QCoreApplication::translate("SheetPreview", "Skip %1 Labels").arg(skip);
}

std::vector<PreviewLabel> RollStrip(const app::LabelSheet& roll, int width, int height) {
    constexpr int kGap = 4; // the roll's liner between two labels
    const double aspect = roll.LabelHeight / roll.LabelWidth;
    if (!(aspect > 0) || width <= 2 * kInset || height <= 2 * kInset) return {};
    int labelWidth = width - 2 * kInset;
    int labelHeight = std::max(engine::RoundHalfEven(labelWidth * aspect), 1);
    if (labelHeight > height - 2 * kInset) {
        labelHeight = height - 2 * kInset;
        labelWidth = std::max(engine::RoundHalfEven(labelHeight / aspect), 1);
    }
    std::vector<PreviewLabel> strip;
    const int left = (width - labelWidth) / 2;
    for (int top = kInset; top + labelHeight <= height - kInset; top += labelHeight + kGap) {
        const int index = static_cast<int>(strip.size());
        strip.push_back({{left, top, labelWidth, labelHeight},
                         index,
                         index == 0 ? PreviewFill::Start : PreviewFill::Free});
    }
    return strip;
}

} // namespace print
