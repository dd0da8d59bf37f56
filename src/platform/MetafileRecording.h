#pragma once
// What a MetafileSurface recorded, in the engine's own terms, and the geometry both metafile
// writers share (frame, bounds, units per inch); the EMF and WMF writers replay it as records.

#include "engine/Surface.h"
#include "platform/Errors.h"
#include "platform/MetafileSurface.h"

#include <QSize>
#include <QString>

#include <string>
#include <variant>
#include <vector>

namespace platform {

// left <= x < right, top <= y < bottom, in pixels of the picture.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// Consecutive fills of one colour, kept together so that one record can carry them.
struct FillRun {
    engine::Fill fill = engine::Fill::Black;
    std::vector<PixelRect> rects;
};
// A font as the records create it: the engine's font and its face's average character width at
// that size, the width a Windows font of that face reports as its own (0 when unknown).
struct RecordedFont {
    engine::FontSpec spec;
    int averageWidth = 0;
};
struct FontPush {
    RecordedFont font;
};
struct FontPop {};
struct TextRun {
    int x = 0; // reference point: where reading starts on the top line
    int y = 0;
    QString text;              // UTF-16, as EMF text records carry it
    std::vector<int> advances; // per UTF-16 unit, summing to the measured width
    PixelRect cell;            // the turned text cell
};
using DrawingStep = std::variant<FillRun, FontPush, FontPop, TextRun>;

struct MetafileDrawing {
    QSize picture;
    int dotsPerInch = 96;
    QString fontFace;
    ReferenceScreen screen;
    std::vector<DrawingStep> steps;
};

// Fill runs longer than this are split, so no record outgrows the 16-bit counts of WMF.
inline constexpr std::size_t kMaxRectsPerRun = 1024;

// The picture in hundredths of a millimetre through the screen's physical size, rounded.
QSize FrameHundredthsMm(QSize picture, const ReferenceScreen& screen);

// The union of the rectangles; empty for none.
PixelRect UnionOf(const std::vector<PixelRect>& rects);
// The union of everything drawn; empty when nothing was.
PixelRect DrawnBounds(const MetafileDrawing& drawing);

// The cell of a text `width` long and `height` high, turned by `escapement` (tenths of a degree,
// counter-clockwise) about its reference point (x, y).
PixelRect TurnedCell(int x, int y, int width, int height, int escapement);

// The placeable WMF header's bounding box and units per inch for a frame and resolution.
struct PlaceableGeometry {
    int right = 0;
    int bottom = 0;
    int unitsPerInch = 96;
};
// Units per inch is the resolution (96 for 0 or less); when that or the box would not fit their
// 16-bit fields, units per inch is lowered until both fit, keeping the physical size. Throws
// Failure when even 1 unit per inch does not fit.
PlaceableGeometry PlaceableBounds(QSize frame, int dotsPerInch);

// "The picture is too large for a Windows metafile": its coordinates pass what a record holds.
Failure TooLargeForMetafile();

// Object table slots as a metafile player assigns them: always the lowest free one.
class ObjectSlots {
  public:
    explicit ObjectSlots(int first) : first_(first) {}
    int Create();
    void Release(int slot);
    // Table size: the highest slot ever used + 1 (at least `first`).
    int TableSize() const { return first_ + static_cast<int>(highWater_); }

  private:
    int first_;
    std::vector<bool> used_;
    std::size_t highWater_ = 0;
};

// Record-level operations a writer provides; Replay drives them through a drawing so that the
// font bookkeeping is the same for both formats.
class RecordSink {
  public:
    virtual ~RecordSink() = default;
    virtual int CreateFont(const RecordedFont& font) = 0; // returns its slot
    virtual void SelectObject(int slot) = 0;
    virtual void DeleteObject(int slot) = 0;
    virtual void Fill(const FillRun& run) = 0;
    virtual void Text(const TextRun& run) = 0;
};

// Replays the steps; `baseFont` is the slot selected before the first step and after the last.
void Replay(const MetafileDrawing& drawing, int baseFont, RecordSink& sink);

// The surface's starting font: the face the engine reads, at the face's default size.
RecordedFont BaseFont(const MetafileDrawing& drawing);

} // namespace platform
