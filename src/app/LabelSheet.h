#pragma once
// A page of equal labels in a grid: six lengths in the sheet's own unit and that unit. A
// document carries its own copy; the process keeps the current one. The FORMAT section of
// document and label format files holds the same values.

#include "engine/Units.h"
#include "platform/NumberFormat.h"
#include "platform/ProfileFile.h"

#include <QChar>

namespace app {

// Sheet: a page of labels in a grid. Roll: a thermal printer's roll, whose page is the label (one
// label a page, no margins, no gaps): the printer's paper is then set to the label's size. The
// numbers are the stored values.
enum class LabelFeed { Sheet = 0, Roll = 1 };

struct LabelSheet {
    double LabelHeight = 1.5;
    double LabelWidth = 2.0;
    double MarginTop = 0.25;  // paper edge to the first row
    double MarginLeft = 0.25; // paper edge to the first column
    double GapHeight = 0.0;   // between rows
    double GapWidth = 0.0;    // between columns
    engine::Unit Unit = engine::Unit::Inch;
    LabelFeed Feed = LabelFeed::Sheet;

    bool operator==(const LabelSheet&) const = default;
};

// What a file without the section (or with unreadable values) gives: 1.0 high, 2.0 wide, no
// margins or gaps, inches. Not the settings store's defaults.
inline constexpr LabelSheet kLabelFormatDefaults{
    1.0, 2.0, 0.0, 0.0, 0.0, 0.0, engine::Unit::Inch, LabelFeed::Sheet};

// A roll of labels `width` by `height` in `unit`: the page is the label.
LabelSheet RollSheet(double width, double height, engine::Unit unit);
inline bool IsRoll(const LabelSheet& sheet) {
    return sheet.Feed == LabelFeed::Roll;
}

// Each value on its own falls back on kLabelFormatDefaults; ROLL, which older files lack, on a
// sheet.
LabelSheet ReadFormatSection(const platform::ProfileFile& profile, QChar decimalSeparator);
// HEIGHT, WIDTH, TOPMARGIN, LEFTMARGIN, GAPHEIGHT, GAPWIDTH, METRIC, in that order, then ROLL
// for a roll (or where the key is already); keys that exist are updated in place. A sheet's
// section is the one older builds wrote, and they read a roll's as the label alone on a page.
void WriteFormatSection(platform::ProfileFile& profile, const LabelSheet& sheet,
                        QChar decimalSeparator);

} // namespace app
