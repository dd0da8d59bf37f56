#pragma once
// The placeable Windows metafile (WMF) writer: the 22-byte placeable header, then one small
// helper per record over the shared byte writer; WritePlaceableWmf turns a recorded drawing
// into the file image.

#include "platform/LittleEndianWriter.h"
#include "platform/MetafileRecording.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace platform::wmf {

enum class RecordFunction : std::uint16_t {
    Eof = 0x0000,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetPolyFillMode = 0x0106,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    PolyPolygon = 0x0538,
    ExtTextOut = 0x0A32,
};

// Coordinates are signed 16-bit in a Windows metafile.
inline constexpr int kMaxCoordinate = 32767;

class WmfStream {
  public:
    void PlaceableHeader(const PlaceableGeometry& geometry);
    void Header(); // counts filled in by Finish
    // The records that carry one 16-bit value: modes and object indexes.
    void Value(RecordFunction function, std::uint16_t value);
    void Colour(RecordFunction function, std::uint32_t colorRef);
    // Window origin and extent: the metafile stores y before x.
    void Point(RecordFunction function, int x, int y);
    void CreatePenIndirect(std::uint16_t style);
    void CreateBrushIndirect(std::uint32_t colorRef);
    void CreateFontIndirect(const RecordedFont& font);
    // Polygon fill covers left <= x < right exactly; the selected pen must be the null pen.
    void PolyPolygon(const std::vector<PixelRect>& rects);
    void ExtTextOut(const TextRun& run);
    void Eof();
    // The file image with the header's size, object count and largest record filled in; call
    // once.
    QByteArray Finish(int objects);

  private:
    qsizetype Begin(RecordFunction function);
    void End(qsizetype start);
    void Signed16(int value);

    LittleEndianWriter out_;
    qsizetype metafileStart_ = 0;
    std::uint32_t largestRecord_ = 0; // in 16-bit words
};

// Throws Failure for a picture whose sides do not fit the 16-bit coordinates.
QByteArray WritePlaceableWmf(const MetafileDrawing& drawing);

} // namespace platform::wmf
