#pragma once
// The main window's toolbar rules that need no widget: the height box's value and defaults, the
// size read-outs and unit names.

#include "app/BarcodeDocument.h"
#include "engine/Units.h"

#include <QChar>
#include <QString>
#include <QStringView>

namespace app {

// The height box takes the same limit in centimetres and in inches.
inline constexpr double kMaxHeightBoxValue = 200.0;

// The height a bad height box falls back on: 2.0 cm or 0.5 inch.
inline double DefaultBarHeight(engine::Unit unit) {
    return unit == engine::Unit::Centimetre ? 2.0 : 0.5;
}

// The height box's value once applied: its number, or DefaultBarHeight when the text is no
// number, not above 0 or above kMaxHeightBoxValue.
double HeightBoxValue(QStringView text, engine::Unit unit, QChar decimalSeparator);

// A length as the size boxes show it ("##0.0##").
QString FormatSize(double value, QChar decimalSeparator);

// "cm" or "inches", as the unit labels show them.
QString UnitName(engine::Unit unit);

// A bar height carried over to the other unit, `to`.
double ConvertBarHeight(double height, engine::Unit to);

struct SizeReadouts {
    QString height;
    QString width;
};

// The height and width boxes for `document`; with none, 0.0 wide and 2.0 (cm) or 0.75 (inch)
// high.
SizeReadouts ReadoutsOf(const BarcodeDocument* document, engine::Unit unit, QChar decimalSeparator);

} // namespace app
