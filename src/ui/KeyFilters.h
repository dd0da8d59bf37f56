#pragma once
// The number boxes' key filters: characters other than the allowed ones are discarded as they
// are typed (or pasted); backspace and Enter keep working as in any line edit.

class QLineEdit;

namespace ui {

// A box of digits no longer than this always holds a 32-bit number.
inline constexpr int kIntegerBoxDigits = 9;

// Digits only.
void FilterDigits(QLineEdit& box, int maxLength);
// Digits, ",", "-" and "." (lengths in either decimal separator, and negative ones).
void FilterLengthCharacters(QLineEdit& box, int maxLength);
// Digits, "," and "." (positive decimal numbers in either separator).
void FilterDecimalCharacters(QLineEdit& box, int maxLength);

} // namespace ui
