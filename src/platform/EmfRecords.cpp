#include "platform/EmfRecords.h"

#include "engine/Units.h"

#include <QString>

#include <algorithm>
#include <limits>
#include <optional>

namespace platform::emf {
namespace {

constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kVersion = 0x00010000;
constexpr qsizetype kHeaderBytesOffset = 48; // then the record count, then the handle count
constexpr qsizetype kTextStringOffset = 76;  // from the start of an EMR_EXTTEXTOUTW record
constexpr std::uint32_t kOpaque = 2;
constexpr std::uint32_t kWinding = 2;
constexpr std::uint32_t kTopLeft = 0; // TA_TOP | TA_LEFT | TA_NOUPDATECP
constexpr std::uint32_t kCompatibleGraphics = 1;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint8_t kDefaultCharset = 1;
constexpr int kFaceNameChars = 32; // the terminating zero included

bool FitsIn16Bits(const std::vector<PixelRect>& rects) {
    constexpr int low = std::numeric_limits<std::int16_t>::min();
    constexpr int high = std::numeric_limits<std::int16_t>::max();
    return std::all_of(rects.begin(), rects.end(), [](const PixelRect& r) {
        return std::min(r.left, r.top) >= low && std::max(r.right, r.bottom) <= high;
    });
}

class EmfSink final : public RecordSink {
  public:
    EmfSink(EmfStream& emf, float scaleX, float scaleY)
        : emf_(emf), scaleX_(scaleX), scaleY_(scaleY) {}

    int CreateFont(const RecordedFont& font) override {
        const int slot = slots_.Create();
        emf_.ExtCreateFontIndirectW(static_cast<std::uint32_t>(slot), font.spec);
        return slot;
    }
    void SelectObject(int slot) override {
        emf_.Value(RecordType::SelectObject, static_cast<std::uint32_t>(slot));
    }
    void DeleteObject(int slot) override {
        emf_.Value(RecordType::DeleteObject, static_cast<std::uint32_t>(slot));
        slots_.Release(slot);
    }
    void Fill(const FillRun& run) override {
        if (brush_ != run.fill)
            emf_.Value(RecordType::SelectObject,
                       run.fill == engine::Fill::Black ? kBlackBrush : kWhiteBrush);
        brush_ = run.fill;
        emf_.FillRectangles(run.rects);
    }
    void Text(const TextRun& run) override { emf_.ExtTextOutW(run, scaleX_, scaleY_); }
    int TableSize() const { return slots_.TableSize(); }

  private:
    EmfStream& emf_;
    float scaleX_;
    float scaleY_;
    ObjectSlots slots_{1}; // index 0 stands for the metafile itself
    std::optional<engine::Fill> brush_;
};

} // namespace

qsizetype EmfStream::Begin(RecordType type) {
    const qsizetype start = out_.Size();
    out_.U32(static_cast<std::uint32_t>(type));
    out_.U32(0); // size, patched by End
    return start;
}

void EmfStream::End(qsizetype start) {
    out_.PadTo(4);
    out_.PatchU32(start + 4, static_cast<std::uint32_t>(out_.Size() - start));
    ++records_;
}

void EmfStream::InclusiveRect(const PixelRect& rect) {
    const bool empty = rect.IsEmpty();
    out_.I32(empty ? 0 : rect.left);
    out_.I32(empty ? 0 : rect.top);
    out_.I32(empty ? -1 : rect.right - 1);
    out_.I32(empty ? -1 : rect.bottom - 1);
}

void EmfStream::Header(const HeaderFields& fields) {
    const qsizetype start = Begin(RecordType::Header);
    InclusiveRect(fields.bounds);
    for (int value : {0, 0, fields.frame.width(), fields.frame.height()})
        out_.I32(value);
    out_.U32(kSignature);
    out_.U32(kVersion);
    out_.U32(0); // bytes, records, handles and reserved: Finish
    out_.U32(0);
    out_.U32(0);
    out_.U32(0); // no description
    out_.U32(0);
    out_.U32(0); // no palette
    for (const QSize& size : {fields.devicePixels, fields.deviceMillimetres}) {
        out_.I32(size.width());
        out_.I32(size.height());
    }
    out_.U32(0); // no pixel format
    out_.U32(0);
    out_.U32(0); // not OpenGL
    out_.U32(static_cast<std::uint32_t>(fields.deviceMicrometres.width()));
    out_.U32(static_cast<std::uint32_t>(fields.deviceMicrometres.height()));
    End(start);
}

void EmfStream::Value(RecordType type, std::uint32_t value) {
    const qsizetype start = Begin(type);
    out_.U32(value);
    End(start);
}

void EmfStream::ExtCreateFontIndirectW(std::uint32_t index, const engine::FontSpec& font) {
    const qsizetype start = Begin(RecordType::ExtCreateFontIndirectW);
    out_.U32(index);
    // LOGFONTW: a positive height is the cell height, as the engine means it.
    for (int value : {font.cellHeight, 0, font.escapement, font.escapement, font.weight})
        out_.I32(value);
    for (std::uint8_t value : {0, 0, 0}) // italic, underline, strike-out
        out_.U8(value);
    out_.U8(kDefaultCharset);
    out_.U32(0); // precisions, quality, pitch and family
    const std::u16string face =
        QString::fromStdString(font.face).left(kFaceNameChars - 1).toStdU16String();
    for (int i = 0; i < kFaceNameChars; ++i)
        out_.U16(i < static_cast<int>(face.size()) ? face[static_cast<std::size_t>(i)] : 0);
    End(start);
}

void EmfStream::Polygons(const std::vector<PixelRect>& rects) {
    const bool small = FitsIn16Bits(rects);
    const qsizetype start = Begin(small ? RecordType::PolyPolygon16 : RecordType::PolyPolygon);
    InclusiveRect(UnionOf(rects));
    out_.U32(static_cast<std::uint32_t>(rects.size()));
    out_.U32(static_cast<std::uint32_t>(rects.size() * 4));
    for (std::size_t i = 0; i < rects.size(); ++i)
        out_.U32(4);
    for (const PixelRect& r : rects) {
        // Every rectangle turns the same way, so the winding fill joins them.
        for (auto [x, y] : {std::pair{r.left, r.top},
                            {r.right, r.top},
                            {r.right, r.bottom},
                            {r.left, r.bottom}}) {
            if (small) {
                out_.I16(static_cast<std::int16_t>(x));
                out_.I16(static_cast<std::int16_t>(y));
            } else {
                out_.I32(x);
                out_.I32(y);
            }
        }
    }
    End(start);
}

void EmfStream::FillRectangles(const std::vector<PixelRect>& rects) {
    // A filled path has no outline and covers exactly its interior, where a rectangle record
    // would add or lose a pixel depending on the pen, and readers differ on which.
    End(Begin(RecordType::BeginPath));
    Polygons(rects);
    End(Begin(RecordType::EndPath));
    const qsizetype start = Begin(RecordType::FillPath);
    InclusiveRect(UnionOf(rects));
    End(start);
}

void EmfStream::ExtTextOutW(const TextRun& run, float scaleX, float scaleY) {
    const qsizetype start = Begin(RecordType::ExtTextOutW);
    InclusiveRect(run.cell);
    out_.U32(kCompatibleGraphics);
    out_.F32(scaleX);
    out_.F32(scaleY);
    out_.I32(run.x);
    out_.I32(run.y);
    const auto chars = static_cast<std::uint32_t>(run.text.size());
    out_.U32(chars);
    out_.U32(static_cast<std::uint32_t>(kTextStringOffset));
    out_.U32(0); // no options: the opaque background mode fills the cell
    InclusiveRect({});
    const qsizetype stringBytes = (chars * 2 + 3) / 4 * 4;
    out_.U32(static_cast<std::uint32_t>(kTextStringOffset + stringBytes));
    for (const QChar c : run.text)
        out_.U16(c.unicode());
    out_.PadTo(4);
    for (int advance : run.advances)
        out_.I32(advance);
    End(start);
}

void EmfStream::Eof() {
    const qsizetype start = Begin(RecordType::Eof);
    out_.U32(0);  // no palette entries
    out_.U32(16); // their offset
    out_.U32(20); // this record's size, repeated last
    End(start);
}

QByteArray EmfStream::Finish(int handles) {
    out_.PatchU32(kHeaderBytesOffset, static_cast<std::uint32_t>(out_.Size()));
    out_.PatchU32(kHeaderBytesOffset + 4, records_);
    out_.PatchU16(kHeaderBytesOffset + 8, static_cast<std::uint16_t>(handles));
    return out_.Take();
}

QByteArray WriteEmf(const MetafileDrawing& drawing) {
    const ReferenceScreen& screen = drawing.screen;
    const auto rounded = [](double w, double h) {
        return QSize(engine::RoundHalfEven(w), engine::RoundHalfEven(h));
    };
    EmfStream emf;
    emf.Header({DrawnBounds(drawing), FrameHundredthsMm(drawing.picture, screen),
                QSize(screen.widthPixels, screen.heightPixels),
                rounded(screen.widthMillimetres, screen.heightMillimetres),
                rounded(screen.widthMillimetres * 1000, screen.heightMillimetres * 1000)});
    emf.Value(RecordType::SetBkMode, kOpaque);
    emf.Value(RecordType::SetBkColor, kWhite);
    emf.Value(RecordType::SetTextColor, kBlack);
    emf.Value(RecordType::SetTextAlign, kTopLeft);
    emf.Value(RecordType::SetPolyFillMode, kWinding);
    EmfSink sink(
        emf, static_cast<float>(screen.widthMillimetres * 100 / std::max(screen.widthPixels, 1)),
        static_cast<float>(screen.heightMillimetres * 100 / std::max(screen.heightPixels, 1)));
    const int baseFont = sink.CreateFont(BaseFont(drawing));
    sink.SelectObject(baseFont);
    Replay(drawing, baseFont, sink);
    emf.Value(RecordType::SelectObject, kSystemFont); // a selected font cannot be deleted
    sink.DeleteObject(baseFont);
    emf.Eof();
    return emf.Finish(sink.TableSize());
}

} // namespace platform::emf
