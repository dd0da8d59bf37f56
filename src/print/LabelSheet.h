#pragma once
// A page of equal labels in a grid: six lengths in the sheet's own unit and that unit.

namespace print {

struct LabelSheet {
    double LabelHeight = 1.5;
    double LabelWidth = 2.0;
    double MarginTop = 0.25;  // paper edge to the first row
    double MarginLeft = 0.25; // paper edge to the first column
    double GapHeight = 0.0;   // between rows
    double GapWidth = 0.0;    // between columns
    bool MetricLabel = false; // false: inches, true: centimetres

    bool operator==(const LabelSheet&) const = default;
};

} // namespace print
