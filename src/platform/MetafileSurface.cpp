#include "platform/MetafileSurface.h"

#include "platform/EmfRecords.h"
#include "platform/MetafileRecording.h"
#include "platform/PainterSurface.h"
#include "platform/WmfRecords.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

constexpr double kMillimetresPerPixelAt96Dpi = 0.2646;

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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
        QFont font; // measures as the raster surfaces draw
        std::string face;
        int escapement = 0;
    };
    MetafileDrawing drawing;
    std::vector<SelectedFont> fonts; // never empty: the base font is at the bottom
};

MetafileSurface::MetafileSurface(QSize picture, int dotsPerInch, const QString& fontFace,
                                 const ReferenceScreen& screen)
    : recording_(std::make_unique<Recording>()) {
    recording_->drawing = {picture.expandedTo(QSize(0, 0)), dotsPerInch, fontFace, screen, {}};
    recording_->fonts.push_back({QFont(fontFace), fontFace.toStdString(), 0});
}

MetafileSurface::~MetafileSurface() = default;

void MetafileSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    if (right <= left || bottom <= top) return;
    std::vector<DrawingStep>& steps = recording_->drawing.steps;
    auto* run = steps.empty() ? nullptr : std::get_if<FillRun>(&steps.back());
    if (!run || run->fill != fill || run->rects.size() >= kMaxRectsPerRun) {
        steps.push_back(FillRun{fill, {}});
        run = &std::get<FillRun>(steps.back());
    }
    run->rects.push_back({left, top, right, bottom});
}

std::string MetafileSurface::FontFace() const {
    return recording_->fonts.back().face;
}

void MetafileSurface::PushFont(const engine::FontSpec& font) {
    recording_->fonts.push_back(
        {FontForCellHeight(QString::fromStdString(font.face), font.cellHeight, font.weight),
         font.face, font.escapement});
    recording_->drawing.steps.push_back(FontPush{font});
}

void MetafileSurface::PopFont() {
    if (recording_->fonts.size() <= 1) return;
    recording_->fonts.pop_back();
    recording_->drawing.steps.emplace_back(std::in_place_type<FontPop>);
}

engine::TextExtent MetafileSurface::MeasureText(std::string_view text) const {
    const QFontMetrics metrics(recording_->fonts.back().font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.ascent() + metrics.descent()};
}

void MetafileSurface::DrawText(int x, int y, std::string_view text) {
    if (text.empty()) return;
    const Recording::SelectedFont& selected = recording_->fonts.back();
    const QFontMetrics metrics(selected.font);
    const QString string = ToQString(text);
    // Advances from the widths of growing prefixes add up to exactly the measured width.
    TextRun run{x, y, std::string(text), {}, {}};
    int previous = 0;
    for (qsizetype i = 1; i <= string.size(); ++i) {
        const int width = metrics.horizontalAdvance(string.left(i));
        run.advances.push_back(width - previous);
        previous = width;
    }
    run.cell =
        TurnedCell(x, y, previous, metrics.ascent() + metrics.descent(), selected.escapement);
    recording_->drawing.steps.push_back(std::move(run));
}

QByteArray MetafileSurface::ToEmf() const {
    return emf::WriteEmf(recording_->drawing);
}

QByteArray MetafileSurface::ToPlaceableWmf() const {
    return wmf::WritePlaceableWmf(recording_->drawing);
}

} // namespace platform
