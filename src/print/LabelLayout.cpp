// Label sheet arithmetic. Each length becomes dots and is truncated on its own; sums run in
// 64 bits and saturate, so absurd sheets (huge, negative, NaN) still give defined results.

#include "print/LabelLayout.h"

#include "engine/Units.h"

namespace print {

namespace {

constexpr double kAutoSizeMils = 10.0; // module width until one is chosen

// One axis of the sheet: the lengths that place a label along it.
struct Axis {
    double margin;
    double label;
    double gap;
};

Axis Horizontal(const app::LabelSheet& sheet) {
    return {sheet.MarginLeft, sheet.LabelWidth, sheet.GapWidth};
}
Axis Vertical(const app::LabelSheet& sheet) {
    return {sheet.MarginTop, sheet.LabelHeight, sheet.GapHeight};
}

// Trunc(length × scale × index); the index multiplies before truncation.
int ScaledDots(double length, engine::Unit unit, int scale, int index) {
    const double inches =
        unit == engine::Unit::Centimetre ? engine::CentimetresToInches(length) : length;
    return engine::TruncateTowardZero(inches * scale * index);
}

// Where the label at `index` starts along the axis and how long it is.
struct Span {
    int start;
    int length;
};

Span SpanAt(const Axis& axis, engine::Unit unit, int scale, int index, int offset) {
    const long long start = static_cast<long long>(ScaledDots(axis.margin, unit, scale, 1)) +
                            ScaledDots(axis.gap, unit, scale, index) +
                            ScaledDots(axis.label, unit, scale, index) - offset;
    return {app::SaturateToInt(start), ScaledDots(axis.label, unit, scale, 1)};
}

// A label of less than one dot cannot carry a barcode: such a sheet has no label that fits,
// rather than columns of nothing that would print blank and use up sequence numbers.
int FitAlong(const Axis& axis, engine::Unit unit, int dpi, int limit) {
    const int label = LengthToDots(axis.label, unit, dpi);
    if (label < 1) return 0;
    return CountFit(LengthToDots(axis.margin, unit, dpi), label, LengthToDots(axis.gap, unit, dpi),
                    limit);
}

LabelCell CellOf(const Span& x, const Span& y) {
    return {x.start, y.start, x.length, y.length};
}

} // namespace

int LengthToDots(double length, engine::Unit unit, int dpi) {
    return ScaledDots(length, unit, dpi, 1);
}

// Label k (from 0) ends at start + size + k × (gap + size); those ending on or inside the limit
// count. This is the stepping count in closed form, so a one-dot pitch on a huge span is quick.
int CountFit(int start, int size, int gap, int limit) {
    if (limit <= start) return 0;
    const long long firstEnd = static_cast<long long>(start) + size;
    if (firstEnd > limit) return 0;
    const long long pitch = static_cast<long long>(gap) + size;
    if (firstEnd == limit || pitch <= 0) return 1;
    return app::SaturateToInt(1 + (limit - firstEnd) / pitch);
}

void RecomputeLayout(const app::LabelSheet& sheet, app::PrinterMetrics& metrics, int& printScale) {
    metrics.Rows =
        FitAlong(Vertical(sheet), sheet.Unit, metrics.PrinterDpiY, metrics.PhysicalHeight);
    metrics.Columns =
        FitAlong(Horizontal(sheet), sheet.Unit, metrics.PrinterDpiX, metrics.PhysicalWidth);
    metrics.LabelsPerPage =
        app::SaturateToInt(static_cast<long long>(metrics.Rows) * metrics.Columns);
    if (printScale == 0) printScale = engine::MilsToDots(metrics.PrinterDpiX, kAutoSizeMils);
}

LabelCell LabelCellAt(const app::LabelSheet& sheet, const app::PrinterMetrics& metrics, int column,
                      int row) {
    const engine::Unit unit = sheet.Unit;
    return CellOf(
        SpanAt(Horizontal(sheet), unit, metrics.PrinterDpiX, column, metrics.PhysicalOffsetX),
        SpanAt(Vertical(sheet), unit, metrics.PrinterDpiY, row, metrics.PhysicalOffsetY));
}

LabelCell PreviewCellAt(const app::LabelSheet& sheet, int px, int py, int column, int row) {
    const engine::Unit unit = sheet.Unit;
    return CellOf(SpanAt(Horizontal(sheet), unit, px, column, 0),
                  SpanAt(Vertical(sheet), unit, py, row, 0));
}

} // namespace print
