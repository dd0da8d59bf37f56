#pragma once
// The enhanced metafile (EMF) writer: one small helper per record over the shared byte writer,
// and WriteEmf, which turns a recorded drawing into the file image.

#include "platform/LittleEndianWriter.h"
#include "platform/MetafileRecording.h"

#include <QByteArray>
#include <QSize>

#include <cstdint>
#include <vector>

namespace platform::emf {

enum class RecordType : std::uint32_t {
    Header = 1,
    PolyPolygon = 8,
    Eof = 14,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    SelectObject = 37,
    DeleteObject = 40,
    BeginPath = 59,
    EndPath = 60,
    FillPath = 62,
    ExtCreateFontIndirectW = 82,
    ExtTextOutW = 84,
    PolyPolygon16 = 91,
};

// Stock objects are selected by these indexes and never created or deleted.
enum StockObject : std::uint32_t {
    kWhiteBrush = 0x80000000,
    kBlackBrush = 0x80000004,
    kSystemFont = 0x8000000D,
};

struct HeaderFields {
    PixelRect bounds;   // pixels; written inclusive
    QSize frame;        // hundredths of a millimetre
    QSize devicePixels; // the reference screen
    QSize deviceMillimetres;
    QSize deviceMicrometres;
};

class EmfStream {
  public:
    void Header(const HeaderFields& fields);
    // The records that carry one 32-bit value: modes, colours, object indexes.
    void Value(RecordType type, std::uint32_t value);
    void ExtCreateFontIndirectW(std::uint32_t index, const engine::FontSpec& font);
    // One filled path of rectangles: exactly their pixels, with no outline.
    void FillRectangles(const std::vector<PixelRect>& rects);
    // `scale`: hundredths of a millimetre per pixel, for readers in compatible graphics mode.
    void ExtTextOutW(const TextRun& run, float scaleX, float scaleY);
    void Eof();
    // The file image with the header's byte, record and handle counts filled in; call once.
    QByteArray Finish(int handles);

  private:
    qsizetype Begin(RecordType type);
    void End(qsizetype start);
    void InclusiveRect(const PixelRect& rect);
    void Polygons(const std::vector<PixelRect>& rects);

    LittleEndianWriter out_;
    std::uint32_t records_ = 0;
};

QByteArray WriteEmf(const MetafileDrawing& drawing);

} // namespace platform::emf
