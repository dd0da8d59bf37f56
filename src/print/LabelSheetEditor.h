#pragma once
// The label settings dialog's six length boxes in the sheet's unit, without a window: how a
// box is rewritten when it is left, the label size minimum with its message, the unit switch,
// the read-outs (rows, columns, the printer's nonprintable margins) worked out from the boxes as
// they stand, and the sheet they make on "&Ok".

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"
#include "platform/NumberFormat.h"

#include <QString>

#include <array>
#include <optional>

namespace print {

inline constexpr int kLabelBoxLength = 7; // characters in each box

// The boxes in their order on the form: Edit3, Edit4, Edit1, Edit2, Edit5, Edit6.
enum class LabelBox { Height, Width, Top, Left, GapHeight, GapWidth };
inline constexpr int kLabelBoxCount = 6;

struct LabelBoxes {
    std::array<QString, kLabelBoxCount> Text;
    engine::Unit Unit = engine::Unit::Inch; // "Centimeters" selected or not
    // A roll: the margin and gap boxes stay 0 and disabled, and the page is the label.
    app::LabelFeed Feed = app::LabelFeed::Sheet;

    QString& operator[](LabelBox box) { return Text[static_cast<int>(box)]; }
    const QString& operator[](LabelBox box) const { return Text[static_cast<int>(box)]; }
    bool operator==(const LabelBoxes&) const = default;
};

// ShowSheet: the sheet's unit and its six lengths as "#0.0####".
LabelBoxes BoxesOfSheet(const app::LabelSheet& sheet,
                        QChar decimalSeparator = platform::LocaleDecimalSeparator());

// Leaving a margin or gap box: a number is rewritten as "#0.0####", anything else is "0.0".
QString LeaveLengthBox(const QString& text,
                       QChar decimalSeparator = platform::LocaleDecimalSeparator());

struct SizeBoxExit {
    QString Text;
    std::optional<QString> Message; // shown when the value was below the minimum
    bool operator==(const SizeBoxExit&) const = default;
};

// Leaving the label height or width box: below 0.05 inch (0.1 cm) the value is refused with a
// message and replaced, as is an unreadable one, without a message.
SizeBoxExit LeaveLabelSizeBox(LabelBox box, const QString& text, engine::Unit unit,
                              QChar decimalSeparator = platform::LocaleDecimalSeparator());

// The user switched the unit: every box is converted by 2.54 and rewritten as "#0.0####".
void SwitchUnit(LabelBoxes& boxes, engine::Unit unit,
                QChar decimalSeparator = platform::LocaleDecimalSeparator());

struct LabelReadouts {
    QString Rows;    // "Rows: 10"
    QString Columns; // "Columns: 3"
    QString Top;     // "Top: 0.25\"" in inches, "Top: 0.635ct" in centimetres
    QString Left;
    QString Right;
    QString Bottom;
    bool operator==(const LabelReadouts&) const = default;
};

// Rows and columns on the printer's paper; a roll has one label a page, whatever the paper.
LabelReadouts ReadoutsOf(const LabelBoxes& boxes, const app::PrinterMetrics& metrics,
                         QChar decimalSeparator = platform::LocaleDecimalSeparator());

// The boxes of a roll of `width` by `height` as the boxes give them ("Roll" ticked), or of the
// sheet they make with margins and gaps of 0 when it is unticked.
void SetRoll(LabelBoxes& boxes, bool roll, QChar decimalSeparator = platform::LocaleDecimalSeparator());

// The sheet the boxes describe (CommitSheet); an unreadable box counts as 0.
app::LabelSheet SheetOfBoxes(const LabelBoxes& boxes,
                             QChar decimalSeparator = platform::LocaleDecimalSeparator());

} // namespace print
