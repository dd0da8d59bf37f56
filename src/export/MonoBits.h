#pragma once
// Rows of 1-bit pixels, first pixel in the top bit of the first byte, 1 = white (the colour table
// {black, white}), and their 8-bit form where black is 0 and white 255.

#include <QtGlobal>

namespace exporting {

// Sets pixels left <= x < right of `rows` rows, `stride` bytes apart, to `value` (0x00 black,
// 0xFF white).
void FillBits(uchar* firstRow, qsizetype stride, int rows, int left, int right, uchar value);

// Pixels [8 * firstByte, min(8 * endByte, width)) of a bit row as bytes 0 or 255, written at the
// same positions of `out`.
void ExpandBits(const uchar* bits, uchar* out, int firstByte, int endByte, int width);

// The reverse: bytes of at least 128 become white bits; bits at or past `width` keep their value.
void PackBits(const uchar* in, uchar* bits, int firstByte, int endByte, int width);

} // namespace exporting
