#pragma once
// A page of equal labels in a grid: six lengths in the sheet's own unit and that unit. A
// document carries its own copy; the process keeps the current one. The FORMAT section of
// document and label format files holds the same values.

#include "platform/NumberFormat.h"
#include "platform/ProfileFile.h"

#include <QChar>

namespace app {

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

// What a file without the section (or with unreadable values) gives: 1.0 high, 2.0 wide, no
// margins or gaps, inches. Not the settings store's defaults.
inline constexpr LabelSheet kLabelFormatDefaults{1.0, 2.0, 0.0, 0.0, 0.0, 0.0, false};

// Each value on its own falls back on kLabelFormatDefaults.
LabelSheet ReadFormatSection(const platform::ProfileFile& profile, QChar decimalSeparator);
// HEIGHT, WIDTH, TOPMARGIN, LEFTMARGIN, GAPHEIGHT, GAPWIDTH, METRIC, in that order; keys that
// exist are updated in place.
void WriteFormatSection(platform::ProfileFile& profile, const LabelSheet& sheet,
                        QChar decimalSeparator);

} // namespace app
