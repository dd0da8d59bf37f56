#include "platform/MetafileRecording.h"

#include "engine/Units.h"
#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace platform {
namespace {

constexpr int kHundredthMmPerInch = 2540;
constexpr int kMaxUnitsPerInch = 65535;  // unsigned 16-bit field
constexpr int kMaxBoxCoordinate = 32767; // signed 16-bit fields

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Removes the trace of floating-point noise that cos(90°) leaves, so whole turns stay whole.
double Snapped(double value) {
    const double nearest = std::round(value);
    return std::abs(value - nearest) < 1e-6 ? nearest : value;
}

int BoxCoordinate(int hundredthsMm, int unitsPerInch) {
    return engine::RoundHalfEven(static_cast<double>(hundredthsMm) * unitsPerInch /
                                 kHundredthMmPerInch);
}

} // namespace

QSize FrameHundredthsMm(QSize picture, const ReferenceScreen& screen) {
    const auto along = [](int pixels, double millimetres, int screenPixels) {
        return engine::RoundHalfEven(static_cast<double>(pixels) * (millimetres * 100.0) /
                                     std::max(screenPixels, 1));
    };
    return {along(picture.width(), screen.widthMillimetres, screen.widthPixels),
            along(picture.height(), screen.heightMillimetres, screen.heightPixels)};
}

PixelRect TurnedCell(int x, int y, int width, int height, int escapement) {
    const double angle = escapement / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(angle), s = std::sin(angle);
    double minX = x, maxX = x, minY = y, maxY = y;
    const std::array<std::array<int, 2>, 3> corners{{{width, 0}, {0, height}, {width, height}}};
    for (const auto& [u, v] : corners) {
        // The page's y axis points down, so a counter-clockwise turn subtracts u·sin from y.
        const double px = Snapped(x + u * c + v * s), py = Snapped(y - u * s + v * c);
        minX = std::min(minX, px), maxX = std::max(maxX, px);
        minY = std::min(minY, py), maxY = std::max(maxY, py);
    }
    return {static_cast<int>(std::floor(minX)), static_cast<int>(std::floor(minY)),
            static_cast<int>(std::ceil(maxX)), static_cast<int>(std::ceil(maxY))};
}

PixelRect UnionOf(const std::vector<PixelRect>& rects) {
    PixelRect bounds;
    for (const PixelRect& rect : rects)
        bounds = Union(bounds, rect);
    return bounds;
}

PixelRect DrawnBounds(const MetafileDrawing& drawing) {
    PixelRect bounds;
    for (const DrawingStep& step : drawing.steps) {
        if (const auto* run = std::get_if<FillRun>(&step))
            bounds = Union(bounds, UnionOf(run->rects));
        else if (const auto* text = std::get_if<TextRun>(&step))
            bounds = Union(bounds, text->cell);
    }
    return bounds;
}

PlaceableGeometry PlaceableBounds(QSize frame, int dotsPerInch) {
    int inch = std::min(dotsPerInch > 0 ? dotsPerInch : 96, kMaxUnitsPerInch);
    const int largest = std::max({frame.width(), frame.height(), 0});
    if (BoxCoordinate(largest, inch) > kMaxBoxCoordinate)
        inch = static_cast<int>(static_cast<double>(kMaxBoxCoordinate) * kHundredthMmPerInch /
                                largest);
    if (inch < 1) throw TooLargeForMetafile();
    return {BoxCoordinate(frame.width(), inch), BoxCoordinate(frame.height(), inch), inch};
}

Failure TooLargeForMetafile() {
    return Failure(
        QCoreApplication::translate("Metafile", "The picture is too large for a Windows metafile"));
}

int ObjectSlots::Create() {
    const auto free = std::find(used_.begin(), used_.end(), false);
    const auto index = static_cast<std::size_t>(free - used_.begin());
    if (free == used_.end())
        used_.push_back(true);
    else
        *free = true;
    highWater_ = std::max(highWater_, index + 1);
    return first_ + static_cast<int>(index);
}

void ObjectSlots::Release(int slot) {
    const auto index = static_cast<std::size_t>(slot - first_);
    if (slot >= first_ && index < used_.size()) used_[index] = false;
}

RecordedFont BaseFont(const MetafileDrawing& drawing) {
    return {{drawing.fontFace.toStdString(), 0, 400, 0}};
}

void Replay(const MetafileDrawing& drawing, int baseFont, RecordSink& sink) {
    std::vector<int> fonts{baseFont};
    const auto popFont = [&] {
        sink.SelectObject(fonts[fonts.size() - 2]);
        sink.DeleteObject(fonts.back());
        fonts.pop_back();
    };
    for (const DrawingStep& step : drawing.steps) {
        if (const auto* run = std::get_if<FillRun>(&step)) {
            sink.Fill(*run);
        } else if (const auto* text = std::get_if<TextRun>(&step)) {
            sink.Text(*text);
        } else if (const auto* push = std::get_if<FontPush>(&step)) {
            fonts.push_back(sink.CreateFont(push->font));
            sink.SelectObject(fonts.back());
        } else if (fonts.size() > 1) {
            popFont();
        }
    }
    // A font the engine left selected is released like the others.
    while (fonts.size() > 1)
        popFont();
}

} // namespace platform
