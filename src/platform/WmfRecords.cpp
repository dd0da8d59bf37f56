#include "platform/WmfRecords.h"

#include "platform/Errors.h"
#include "platform/SurfaceText.h"

#include <QString>

#include <algorithm>

namespace platform::wmf {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint16_t kVersion3 = 0x0300;
constexpr std::uint16_t kAnisotropic = 8;
constexpr std::uint16_t kOpaque = 2;
constexpr std::uint16_t kWinding = 2;
constexpr std::uint16_t kTopLeft = 0; // TA_TOP | TA_LEFT | TA_NOUPDATECP
constexpr std::uint16_t kNullPen = 5;
constexpr std::uint16_t kSolidBrush = 0;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint8_t kDefaultCharset = 1;
constexpr int kFaceNameBytes = 32; // the terminating zero included

class WmfSink final : public RecordSink {
  public:
    explicit WmfSink(WmfStream& wmf) : wmf_(wmf) {
        wmf_.CreatePenIndirect(kNullPen);
        pen_ = slots_.Create();
        wmf_.Value(RecordFunction::SelectObject, static_cast<std::uint16_t>(pen_));
        wmf_.CreateBrushIndirect(kWhite);
        white_ = slots_.Create();
        wmf_.CreateBrushIndirect(kBlack);
        black_ = slots_.Create();
    }
    int CreateFont(const RecordedFont& font) override {
        wmf_.CreateFontIndirect(font);
        return slots_.Create();
    }
    void SelectObject(int slot) override {
        wmf_.Value(RecordFunction::SelectObject, static_cast<std::uint16_t>(slot));
    }
    void DeleteObject(int slot) override {
        wmf_.Value(RecordFunction::DeleteObject, static_cast<std::uint16_t>(slot));
        slots_.Release(slot);
    }
    void Fill(const FillRun& run) override {
        const int brush = run.fill == engine::Fill::Black ? black_ : white_;
        if (brush != selectedBrush_) SelectObject(brush);
        selectedBrush_ = brush;
        wmf_.PolyPolygon(run.rects);
    }
    void Text(const TextRun& run) override { wmf_.ExtTextOut(run); }
    // Released last, like the fonts before them: nothing is drawn after.
    void DeleteDrawingObjects() {
        for (int slot : {black_, white_, pen_})
            DeleteObject(slot);
    }
    int TableSize() const { return slots_.TableSize(); }

  private:
    WmfStream& wmf_;
    ObjectSlots slots_{0};
    int pen_ = 0;
    int white_ = 0;
    int black_ = 0;
    int selectedBrush_ = -1;
};

} // namespace

void WmfStream::PlaceableHeader(const PlaceableGeometry& geometry) {
    const std::uint16_t words[10] = {
        static_cast<std::uint16_t>(kPlaceableKey & 0xFFFF),
        static_cast<std::uint16_t>(kPlaceableKey >> 16),
        0, // handle
        0, // box left
        0, // box top
        static_cast<std::uint16_t>(geometry.right),
        static_cast<std::uint16_t>(geometry.bottom),
        static_cast<std::uint16_t>(geometry.unitsPerInch),
        0, // reserved
        0,
    };
    std::uint16_t checksum = 0;
    for (std::uint16_t word : words) {
        out_.U16(word);
        checksum ^= word;
    }
    out_.U16(checksum);
    metafileStart_ = out_.Size();
}

void WmfStream::Header() {
    out_.U16(kMemoryMetafile);
    out_.U16(kHeaderWords);
    out_.U16(kVersion3);
    out_.U32(0); // size in words: Finish
    out_.U16(0); // objects: Finish
    out_.U32(0); // largest record: Finish
    out_.U16(0); // no parameters
}

qsizetype WmfStream::Begin(RecordFunction function) {
    const qsizetype start = out_.Size();
    out_.U32(0); // size in words, patched by End
    out_.U16(static_cast<std::uint16_t>(function));
    return start;
}

void WmfStream::End(qsizetype start) {
    out_.PadTo(2);
    const auto words = static_cast<std::uint32_t>((out_.Size() - start) / 2);
    out_.PatchU32(start, words);
    largestRecord_ = std::max(largestRecord_, words);
}

void WmfStream::Signed16(int value) {
    if (value < -kMaxCoordinate - 1 || value > kMaxCoordinate) throw TooLargeForMetafile();
    out_.I16(static_cast<std::int16_t>(value));
}

void WmfStream::Value(RecordFunction function, std::uint16_t value) {
    const qsizetype start = Begin(function);
    out_.U16(value);
    End(start);
}

void WmfStream::Colour(RecordFunction function, std::uint32_t colorRef) {
    const qsizetype start = Begin(function);
    out_.U32(colorRef);
    End(start);
}

void WmfStream::Point(RecordFunction function, int x, int y) {
    const qsizetype start = Begin(function);
    Signed16(y);
    Signed16(x);
    End(start);
}

void WmfStream::CreatePenIndirect(std::uint16_t style) {
    const qsizetype start = Begin(RecordFunction::CreatePenIndirect);
    out_.U16(style);
    out_.U32(0); // width (a point; only x counts)
    out_.U32(kBlack);
    End(start);
}

void WmfStream::CreateBrushIndirect(std::uint32_t colorRef) {
    const qsizetype start = Begin(RecordFunction::CreateBrushIndirect);
    out_.U16(kSolidBrush);
    out_.U32(colorRef);
    out_.U16(0); // no hatch
    End(start);
}

void WmfStream::CreateFontIndirect(const RecordedFont& recorded) {
    const qsizetype start = Begin(RecordFunction::CreateFontIndirect);
    const engine::FontSpec& font = recorded.spec;
    // A positive height is the cell height, as the engine means it. The width is the face's own
    // average, which leaves the letters as Windows draws them with none; libwmf, which cannot
    // measure most faces, takes a text without one as far wider than drawn and shrinks the
    // whole picture into its frame to make room for it.
    for (int value : {font.cellHeight, recorded.averageWidth, font.escapement, font.escapement,
                      font.weight})
        Signed16(value);
    for (std::uint8_t value : {0, 0, 0}) // italic, underline, strike-out
        out_.U8(value);
    out_.U8(kDefaultCharset);
    out_.U32(0); // precisions, quality, pitch and family
    const QByteArray face = QString::fromStdString(font.face).toLatin1().left(kFaceNameBytes - 1);
    out_.FixedBytes(std::string_view(face.constData(), static_cast<std::size_t>(face.size())),
                    kFaceNameBytes);
    End(start);
}

void WmfStream::PolyPolygon(const std::vector<PixelRect>& rects) {
    const qsizetype start = Begin(RecordFunction::PolyPolygon);
    out_.U16(static_cast<std::uint16_t>(rects.size()));
    for (std::size_t i = 0; i < rects.size(); ++i)
        out_.U16(4);
    for (const PixelRect& r : rects) {
        // Every rectangle turns the same way, so the winding fill joins them.
        for (auto [x, y] : {std::pair{r.left, r.top},
                            {r.right, r.top},
                            {r.right, r.bottom},
                            {r.left, r.bottom}}) {
            Signed16(x);
            Signed16(y);
        }
    }
    End(start);
}

void WmfStream::ExtTextOut(const TextRun& run) {
    const qsizetype start = Begin(RecordFunction::ExtTextOut);
    Signed16(run.y);
    Signed16(run.x);
    // 8-bit text in the font's character set: Latin-1, '?' for what it lacks.
    const QByteArray text = Latin1OrQuestionMarks(run.text);
    Signed16(static_cast<int>(text.size()));
    out_.U16(0); // no options: the opaque background mode fills the cell
    // No spacing array: libwmf spreads the letters of turned text with one, and the face's own
    // advances are the ones the layout measured.
    out_.Bytes(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    out_.PadTo(2);
    End(start);
}

void WmfStream::Eof() {
    End(Begin(RecordFunction::Eof));
}

QByteArray WmfStream::Finish(int objects) {
    const qsizetype headerStart = metafileStart_;
    out_.PatchU32(headerStart + 6, static_cast<std::uint32_t>((out_.Size() - headerStart) / 2));
    out_.PatchU16(headerStart + 10, static_cast<std::uint16_t>(objects));
    out_.PatchU32(headerStart + 12, largestRecord_);
    return out_.Take();
}

QByteArray WritePlaceableWmf(const MetafileDrawing& drawing) {
    const QSize picture = drawing.picture;
    if (picture.width() > kMaxCoordinate || picture.height() > kMaxCoordinate)
        throw TooLargeForMetafile();
    WmfStream wmf;
    wmf.PlaceableHeader(
        PlaceableBounds(FrameHundredthsMm(picture, drawing.screen), drawing.dotsPerInch));
    wmf.Header();
    wmf.Value(RecordFunction::SetMapMode, kAnisotropic);
    wmf.Point(RecordFunction::SetWindowOrg, 0, 0);
    // An empty extent would divide by zero in a player.
    wmf.Point(RecordFunction::SetWindowExt, std::max(picture.width(), 1),
              std::max(picture.height(), 1));
    wmf.Value(RecordFunction::SetBkMode, kOpaque);
    wmf.Colour(RecordFunction::SetBkColor, kWhite);
    wmf.Colour(RecordFunction::SetTextColor, kBlack);
    wmf.Value(RecordFunction::SetTextAlign, kTopLeft);
    wmf.Value(RecordFunction::SetPolyFillMode, kWinding);
    WmfSink sink(wmf);
    const int baseFont = sink.CreateFont(BaseFont(drawing));
    sink.SelectObject(baseFont);
    Replay(drawing, baseFont, sink);
    sink.DeleteObject(baseFont);
    sink.DeleteDrawingObjects();
    wmf.Eof();
    return wmf.Finish(sink.TableSize());
}

} // namespace platform::wmf
