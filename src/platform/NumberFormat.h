#pragma once
// Numbers as the user and the files see them: display patterns such as "##0.0##", the
// 15-digit general form of reals in files, and strict reading of both with a chosen decimal
// separator. Displayed and filed values round halves away from zero, as the original
// program's number formatting did; sizes in device units round half to even (engine/Units.h).

#include "engine/Units.h"

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace platform {

using engine::RoundHalfEven;
using engine::TruncateTowardZero;

// The decimal separator of the user's regional settings.
QChar LocaleDecimalSeparator();

// Formats `value` with a pattern of optional ("#") and required ("0") digits around an optional
// "." that stands for `decimalSeparator`: "##0.0##" gives at least one integer digit and one to
// three decimals, "#0.###" no separator when no decimal is needed. The exact binary value is
// rounded to the pattern's last decimal, halves away from zero; a value that shows as zero has
// no minus sign. Values of 1E18 and more take the general form of FormatReal. Throws
// std::invalid_argument for a pattern with other characters or more than one ".".
QString FormatFloat(std::string_view pattern, double value, QChar decimalSeparator);

// The file form of a real: at most 15 significant digits (halves away from zero), no trailing
// zeros, fixed notation for 1E-4 <= |value| < 1E15 (10 -> "10", 0.75 -> "0.75") and otherwise
// a mantissa and a signed exponent without "+" or leading zeros ("1E-5", "1.5E20").
// NaN and infinities are written "NAN", "INF" and "-INF" (which read back as no number).
QString FormatReal(double value, QChar decimalSeparator);

// Reads a whole text as a real: blanks around it, an optional sign, digits with at most one
// `decimalSeparator` (at least one digit in all), an optional exponent "E"/"e" with optional
// sign and at least one digit. Anything else (the other separator included), and values that
// overflow a double or underflow to zero, give no number.
std::optional<double> ParseReal(QStringView text, QChar decimalSeparator);

// Reads a whole text as an integer: blanks around it, an optional sign, then decimal digits or
// hexadecimal digits after "0x", "0X" or "$". Garbage and values outside long long give none.
std::optional<long long> ParseInteger(QStringView text);

} // namespace platform
