#pragma once
// The system's own TIFF writer: palette layout for 4- and 8-bit bitmaps, RGB layout for 24- and
// 32-bit ones, uncompressed, with the resolution the picture was drawn at.

#include <QIODevice>
#include <QImage>
#include <QString>

namespace exporting {

// How a palette picture (Format_Indexed8, Format_Mono, Format_MonoLSB) is written. The export
// always writes 8 bits; 4 bits must be asked for, since guessing from a short colour table
// would turn a converted 1-bit picture into the 4-bit layout. RGB pictures ignore it.
enum class TiffPaletteDepth { Bits8, Bits4 };

// Writes the whole file to `out`, which should be empty since the file's offsets count from its
// first byte; written front to back without seeking, so sequential devices do too.
// Format_Indexed8 and the 1-bit formats take the palette layout; Format_RGB888, Format_RGB32
// and Format_ARGB32 the RGB layout (32-bit pixels drop their fourth byte). Throws
// platform::Failure with a clear text for a picture TIFF cannot hold (null, a side outside 1 to
// 65535, another pixel format, more than 16 colours at 4 bits, dotsPerInch below 1) before
// writing anything, and platform::WriteFailure when the device refuses the bytes.
void WriteTiffStream(QIODevice& out, const QImage& bitmap, int dotsPerInch,
                     TiffPaletteDepth paletteDepth = TiffPaletteDepth::Bits8);

// The same into a file, replacing an earlier file only when complete.
void WriteTiffFile(const QString& path, const QImage& bitmap, int dotsPerInch,
                   TiffPaletteDepth paletteDepth = TiffPaletteDepth::Bits8);

} // namespace exporting
