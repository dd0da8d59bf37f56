#pragma once
// ZPL II labels made of our own pictures: each label one ^XA ... ^XZ format whose print width
// (^PW) and label length (^LL) are the picture's, holding the picture as one graphic field (^GF)
// at the printer's dots. The field's hexadecimal rows use ZPL's compression: a row equal to the
// one above is ":", a run of one digit a count letter and the digit, trailing zeros ",". No
// printer barcode command is used, so the printer prints our modules dot for dot.

#include <QByteArray>
#include <QImage>

namespace platform {

// One label of `picture` (Format_Mono, whichever its colour table, or Format_Grayscale8, where
// below 128 is black), the whole picture from the label's top left corner, ending in a newline.
QByteArray ZplLabel(const QImage& picture);

// A row of hexadecimal digits (each a nibble, 1 = black dot) in ZPL's compressed form, after a
// row `above` (empty for the first row): ":" when the two are equal.
QByteArray CompressZplRow(const QByteArray& hex, const QByteArray& above);

} // namespace platform
