#include "platform/MetafileSurface.h"

#include "platform/EmfRecords.h"
#include "platform/MetafileRecording.h"
#include "platform/PainterSurface.h"
#include "platform/SurfaceText.h"
#include "platform/WmfRecords.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

constexpr double kMillimetresPerPixelAt96Dpi = 0.2646;

} // namespace

ReferenceScreen CurrentReferenceScreen() {
    ReferenceScreen reference;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return reference;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return reference;
    const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
    if (pixels.isEmpty()) return reference;
    const QSizeF millimetres = screen->physicalSize();
    const bool measured = millimetres.width() > 0 && millimetres.height() > 0;
    reference.widthPixels = pixels.width();
    reference.heightPixels = pixels.height();
    reference.widthMillimetres =
        measured ? millimetres.width() : pixels.width() * kMillimetresPerPixelAt96Dpi;
    reference.heightMillimetres =
        measured ? millimetres.height() : pixels.height() * kMillimetresPerPixelAt96Dpi;
    return reference;
}

struct MetafileSurface::Recording {
    struct SelectedFont {
        std::shared_ptr<const SizedFont> font; // measures as the raster surfaces draw
        std::string face;
        int escapement = 0;
    };
    FontCache own; // for a surface not given a batch's cache
    FontCache* fonts = &own;
    MetafileDrawing drawing;
    std::vector<SelectedFont> stack; // never empty: the base font is at the bottom
    std::shared_ptr<const SizedFont> base;

    const SizedFont& Current() {
        const SelectedFont& top = stack.back();
        if (top.font) return *top.font;
        // The face's default size, made only if the engine measures before choosing a font.
        if (!base) base = std::make_shared<const SizedFont>(QFont(drawing.fontFace));
        return *base;
    }
};

MetafileSurface::MetafileSurface(QSize picture, int dotsPerInch, const QString& fontFace,
                                 const ReferenceScreen& screen)
    : recording_(std::make_unique<Recording>()) {
    recording_->drawing = {picture.expandedTo(QSize(0, 0)), dotsPerInch, fontFace, screen, {}};
    recording_->stack.push_back({nullptr, fontFace.toStdString(), 0});
}

MetafileSurface::MetafileSurface(QSize picture, int dotsPerInch, const QString& fontFace,
                                 FontCache& fonts, const ReferenceScreen& screen)
    : MetafileSurface(picture, dotsPerInch, fontFace, screen) {
    recording_->fonts = &fonts;
}

MetafileSurface::~MetafileSurface() = default;

void MetafileSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    if (right <= left || bottom <= top) return;
    std::vector<DrawingStep>& steps = recording_->drawing.steps;
    auto* run = steps.empty() ? nullptr : std::get_if<FillRun>(&steps.back());
    if (!run || run->fill != fill || run->rects.size() >= kMaxRectsPerRun) {
        run = &std::get<FillRun>(steps.emplace_back(std::in_place_type<FillRun>));
        run->fill = fill;
    }
    run->rects.push_back({left, top, right, bottom});
}

std::string MetafileSurface::FontFace() const {
    return recording_->stack.back().face;
}

void MetafileSurface::PushFont(const engine::FontSpec& font) {
    const auto& sized = recording_->fonts->Get(font);
    recording_->stack.push_back({sized, font.face, font.escapement});
    recording_->drawing.steps.push_back(FontPush{{font, sized->AverageWidth()}});
}

void MetafileSurface::PopFont() {
    if (recording_->stack.size() <= 1) return;
    recording_->stack.pop_back();
    recording_->drawing.steps.emplace_back(std::in_place_type<FontPop>);
}

engine::TextExtent MetafileSurface::MeasureText(std::string_view text) const {
    const SizedFont& font = recording_->Current();
    return {font.Width(text), font.CellHeight()};
}

void MetafileSurface::DrawText(int x, int y, std::string_view text) {
    if (text.empty()) return;
    const SizedFont& font = recording_->Current();
    // Advances from the widths of growing prefixes add up to exactly the measured width.
    TextRun run{x, y, SurfaceString(text), font.PrefixAdvances(text), {}};
    int width = 0;
    for (int advance : run.advances)
        width += advance;
    run.cell = TurnedCell(x, y, width, font.CellHeight(), recording_->stack.back().escapement);
    recording_->drawing.steps.push_back(std::move(run));
}

QByteArray MetafileSurface::ToEmf() const {
    return emf::WriteEmf(recording_->drawing);
}

QByteArray MetafileSurface::ToPlaceableWmf() const {
    return wmf::WritePlaceableWmf(recording_->drawing);
}

} // namespace platform
