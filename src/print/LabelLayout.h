#pragma once
// Where the labels of a sheet fall on the paper: rows, columns and each label's cell.

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"
#include "engine/Units.h"

namespace print {

// One label's rectangle in device units (printer dots or preview pixels).
struct LabelCell {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return app::SaturateToInt(static_cast<long long>(left) + width); }
    int Bottom() const { return app::SaturateToInt(static_cast<long long>(top) + height); }
    bool operator==(const LabelCell&) const = default;
};

// A sheet length as whole dots at `dpi`, truncated toward zero (centimetres go through inches).
int LengthToDots(double length, engine::Unit unit, int dpi);

// How many labels end on or inside `limit` when the first starts at `start` and each one is
// `size` long with `gap` between them (all in dots). When gap + size is zero or less the labels
// would pile up on the first one, so only that one counts (if it fits).
int CountFit(int start, int size, int gap, int limit);

// Rows, Columns and LabelsPerPage of `sheet` on the cached paper, none along an axis where a
// label is less than one dot long; a printScale of 0 (no module width chosen yet) becomes the
// dot count of 10 mils.
void RecomputeLayout(const app::LabelSheet& sheet, app::PrinterMetrics& metrics, int& printScale);

// The label at (column, row), counted from 0, in printer coordinates: the origin is the
// printable area's corner.
LabelCell LabelCellAt(const app::LabelSheet& sheet, const app::PrinterMetrics& metrics, int column,
                      int row);

// The same label on a preview of px by py pixels per inch, relative to the drawn paper's corner.
LabelCell PreviewCellAt(const app::LabelSheet& sheet, int px, int py, int column, int row);

} // namespace print
