#include "print/LabelSheetEditor.h"

#include "engine/Units.h"
#include "print/LabelLayout.h"

#include <QCoreApplication>

namespace print {
namespace {

constexpr char kLengthPattern[] = "#0.0####";
const QString kInchSign = QStringLiteral("\"");

// The smallest label side the dialog takes, and what replaces a smaller or unreadable one.
struct SizeRule {
    double minimum;
    double replacement;
    const char* unreadablePattern; // the replacement written when the text is no number
    const char* unitText;          // after the minimum in the message, translated there
};

SizeRule RuleFor(LabelBox box, engine::Unit unit) {
    if (unit != engine::Unit::Centimetre) return {0.05, 0.25, "##0.0##", "\""};
    return {0.1, 1.0, box == LabelBox::Height ? "0.0" : "##0.0##",
            QT_TRANSLATE_NOOP("LabelSheetEditor", " centimeter")};
}

double ValueOf(const QString& text, QChar separator) {
    return platform::ParseReal(text, separator).value_or(0.0);
}

// A nonprintable margin of `dots` at `dpi`, as "#0.###" in the dialog's unit with its sign, in
// the place of %1 in `side`.
QString MarginText(const char* side, int dots, int dpi, engine::Unit unit, QChar separator) {
    const double inches = dpi > 0 ? static_cast<double>(dots) / dpi : 0.0;
    const double value =
        unit == engine::Unit::Centimetre ? engine::InchesToCentimetres(inches) : inches;
    return QCoreApplication::translate("LabelSheetEditor", side)
        .arg(platform::FormatFloat("#0.###", value, separator) +
             (unit == engine::Unit::Centimetre ? QStringLiteral("ct") : kInchSign));
}

} // namespace

LabelBoxes BoxesOfSheet(const app::LabelSheet& sheet, QChar separator) {
    const double lengths[] = {sheet.LabelHeight, sheet.LabelWidth, sheet.MarginTop,
                              sheet.MarginLeft,  sheet.GapHeight,  sheet.GapWidth};
    LabelBoxes boxes;
    boxes.Unit = sheet.Unit;
    boxes.Feed = sheet.Feed;
    for (int i = 0; i < kLabelBoxCount; ++i)
        boxes.Text[i] = platform::FormatFloat(kLengthPattern, lengths[i], separator);
    return boxes;
}

QString LeaveLengthBox(const QString& text, QChar separator) {
    const std::optional<double> value = platform::ParseReal(text, separator);
    return value ? platform::FormatFloat(kLengthPattern, *value, separator) : QStringLiteral("0.0");
}

SizeBoxExit LeaveLabelSizeBox(LabelBox box, const QString& text, engine::Unit unit,
                              QChar separator) {
    const SizeRule rule = RuleFor(box, unit);
    const std::optional<double> value = platform::ParseReal(text, separator);
    if (!value)
        return {platform::FormatFloat(rule.unreadablePattern, rule.replacement, separator), {}};
    if (*value >= rule.minimum)
        return {platform::FormatFloat(kLengthPattern, *value, separator), {}};
    const bool height = box == LabelBox::Height;
    const QString minimum = platform::FormatFloat("##0.00", rule.minimum, separator) +
                            QCoreApplication::translate("LabelSheetEditor", rule.unitText);
    const QString message =
        (height
             ? QCoreApplication::translate("LabelSheetEditor", "Minimum label height is %1 tall!")
             : QCoreApplication::translate("LabelSheetEditor", "Minimum label width is %1 wide!"))
            .arg(minimum);
    return {platform::FormatFloat(kLengthPattern, rule.replacement, separator), message};
}

void SwitchUnit(LabelBoxes& boxes, engine::Unit unit, QChar separator) {
    for (QString& text : boxes.Text) {
        const double value = ValueOf(text, separator);
        const double converted = unit == engine::Unit::Centimetre
                                     ? engine::InchesToCentimetres(value)
                                     : engine::CentimetresToInches(value);
        text = platform::FormatFloat(kLengthPattern, converted, separator);
    }
    boxes.Unit = unit;
}

LabelReadouts ReadoutsOf(const LabelBoxes& boxes, const app::PrinterMetrics& metrics,
                         QChar separator) {
    app::PrinterMetrics layout = metrics;
    int printScale = 0; // a copy: the layout's 10-mil default must not reach the settings
    RecomputeLayout(SheetOfBoxes(boxes, separator), layout, printScale);
    if (boxes.Feed == app::LabelFeed::Roll) layout.Rows = layout.Columns = 1;
    const engine::Unit unit = boxes.Unit;
    const int dpiX = metrics.PrinterDpiX;
    const int dpiY = metrics.PrinterDpiY;
    return {QCoreApplication::translate("LabelSheetEditor", "Rows: %1").arg(layout.Rows),
            QCoreApplication::translate("LabelSheetEditor", "Columns: %1").arg(layout.Columns),
            MarginText(QT_TRANSLATE_NOOP("LabelSheetEditor", "Top: %1"), metrics.PhysicalOffsetY,
                       dpiY, unit, separator),
            MarginText(QT_TRANSLATE_NOOP("LabelSheetEditor", "Left: %1"), metrics.PhysicalOffsetX,
                       dpiX, unit, separator),
            MarginText(QT_TRANSLATE_NOOP("LabelSheetEditor", "Right: %1"),
                       metrics.NonprintableRight, dpiX, unit, separator),
            MarginText(QT_TRANSLATE_NOOP("LabelSheetEditor", "Bottom: %1"),
                       metrics.NonprintableBottom, dpiY, unit, separator)};
}

app::LabelSheet SheetOfBoxes(const LabelBoxes& boxes, QChar separator) {
    const auto value = [&](LabelBox box) { return ValueOf(boxes[box], separator); };
    return {value(LabelBox::Height),
            value(LabelBox::Width),
            value(LabelBox::Top),
            value(LabelBox::Left),
            value(LabelBox::GapHeight),
            value(LabelBox::GapWidth),
            boxes.Unit,
            boxes.Feed};
}

void SetRoll(LabelBoxes& boxes, bool roll, QChar separator) {
    boxes.Feed = roll ? app::LabelFeed::Roll : app::LabelFeed::Sheet;
    if (!roll) return;
    for (const LabelBox box : {LabelBox::Top, LabelBox::Left, LabelBox::GapHeight, LabelBox::GapWidth})
        boxes[box] = LeaveLengthBox(QStringLiteral("0"), separator);
}

} // namespace print
