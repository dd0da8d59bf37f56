#include "print/CalibrationPage.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace print {
namespace {

// One scale unit: ticks `step` apart (in the unit), `ticks` on either side of zero, a middle
// tick every `midEvery` and a labelled one every `labelEvery`.
struct ScaleUnit {
    std::string_view name;
    double step;
    double perInch;
    int ticks;
    int midEvery;
    int labelEvery;
};
constexpr ScaleUnit kInchScale{QT_TRANSLATE_NOOP("CalibrationPage", "inches"), 0.02, 1.0, 25, 5, 5};
constexpr ScaleUnit kCentimetreScale{
    QT_TRANSLATE_NOOP("CalibrationPage", "cm"), 0.1, engine::kCentimetresPerInch, 15, 5, 5};

// Lengths in inches, turned into dots at the printer's resolution.
constexpr double kLineInches = 1.0 / 150;
constexpr double kScaleGapInches = 1.25; // both scales stand clear of the cross and each other
constexpr double kCrossArmInches = 0.25;
constexpr double kTextInches = 0.11;
constexpr std::array<double, 3> kTickInches = {0.06, 0.1, 0.16}; // minor, middle, labelled

constexpr int kLabelGapPerHeight = 5; // neighbouring labels keep a fifth of their height clear

constexpr std::string_view kFace = "ARIAL";
constexpr int kRegular = 400;
constexpr int kBold = 700;

// Lines of the page, each translated as it is drawn.
constexpr const char* kInstructions[] = {
    QT_TRANSLATE_NOOP("CalibrationPage", "The cross marks the centre of the paper. This page is "
                                         "printed without any offset."),
    QT_TRANSLATE_NOOP("CalibrationPage", "Fold the sheet left edge on right edge: the crease "
                                         "crosses the horizontal scale at the"),
    QT_TRANSLATE_NOOP("CalibrationPage", "horizontal offset. Fold it top edge on bottom edge: the "
                                         "crease crosses the vertical scale at"),
    QT_TRANSLATE_NOOP("CalibrationPage", "the vertical offset. Enter both in File > Printer "
                                         "Calibration for this printer."),
};

// A text of the page in the user's language, in the Latin-1 the surface draws.
std::string Latin1Text(const QString& text) {
    return text.toLatin1().toStdString();
}
std::string PageText(std::string_view source) {
    return Latin1Text(QCoreApplication::translate("CalibrationPage", std::string(source).c_str()));
}

int Dots(double inches, int dpi) {
    return engine::RoundHalfEven(inches * dpi);
}

std::vector<CalibrationTick> Ticks(const ScaleUnit& unit, int dpi) {
    std::vector<CalibrationTick> ticks;
    for (int k = -unit.ticks; k <= unit.ticks; ++k) {
        const double value = k * unit.step;
        const bool labelled = k % unit.labelEvery == 0;
        const int level = labelled ? 2 : k % unit.midEvery == 0 ? 1 : 0;
        const std::string label =
            labelled ? platform::FormatFloat("0.0", value, platform::LocaleDecimalSeparator())
                           .toStdString()
                     : std::string();
        ticks.push_back({value, Dots(value / unit.perInch, dpi),
                         Dots(kTickInches[static_cast<std::size_t>(level)], dpi), label});
    }
    return ticks;
}

// How many labelled ticks one shown label stands from the next, counted from zero: the smallest
// of these that leaves neighbours at least `needed` dots apart, centre to centre.
constexpr std::array<int, 4> kLabelStrides = {1, 2, 5, 10};

std::vector<CalibrationTick*> Labelled(std::vector<CalibrationTick>& ticks) {
    std::vector<CalibrationTick*> labelled;
    for (CalibrationTick& tick : ticks)
        if (!tick.label.empty()) labelled.push_back(&tick);
    return labelled;
}

// The scale's ticks with only those labels kept that stand `needed` dots or more apart: a label
// takes its width along the horizontal scale and its height along the vertical one, plus a gap.
std::vector<CalibrationTick> SpacedLabels(std::vector<CalibrationTick> ticks, int needed) {
    const std::vector<CalibrationTick*> labelled = Labelled(ticks);
    if (labelled.size() < 2) return ticks;
    int spacing = std::abs(labelled[1]->dots - labelled[0]->dots);
    for (std::size_t i = 2; i < labelled.size(); ++i)
        spacing = std::min(spacing, std::abs(labelled[i]->dots - labelled[i - 1]->dots));
    const auto fits = [&](int stride) { return stride * spacing >= needed; };
    const auto found = std::find_if(kLabelStrides.begin(), kLabelStrides.end(), fits);
    const int stride = found == kLabelStrides.end() ? kLabelStrides.back() : *found;
    const auto zero = static_cast<int>(labelled.size() / 2); // the scale runs symmetric about 0
    for (int i = 0; i < static_cast<int>(labelled.size()); ++i)
        if ((i - zero) % stride != 0) labelled[static_cast<std::size_t>(i)]->label.clear();
    return ticks;
}

// The widest label's width and the tallest one's height, in the current font.
engine::TextExtent LargestLabel(const engine::Surface& surface,
                                const std::vector<CalibrationTick>& ticks) {
    engine::TextExtent largest{0, 0};
    for (const CalibrationTick& tick : ticks) {
        if (tick.label.empty()) continue;
        const engine::TextExtent text = surface.MeasureText(tick.label);
        largest = {std::max(largest.width, text.width), std::max(largest.height, text.height)};
    }
    return largest;
}

// The page with the labels thinned so that no two of a scale touch.
CalibrationLayout WithSpacedLabels(const engine::Surface& surface, CalibrationLayout page) {
    const engine::TextExtent largest = LargestLabel(surface, page.horizontal);
    const int gap = std::max(largest.height / kLabelGapPerHeight, 1);
    page.horizontal = SpacedLabels(std::move(page.horizontal), largest.width + gap);
    page.vertical = SpacedLabels(std::move(page.vertical), largest.height + gap);
    return page;
}

void Fill(engine::Surface& surface, int left, int top, int width, int height) {
    surface.FillRect(left, top, left + width, top + height, engine::Fill::Black);
}

// The scale's line runs along X at `y`; ticks stand up from it, labels above them.
void DrawHorizontalScale(engine::Surface& surface, const CalibrationLayout& page, int y) {
    const int half = page.line / 2;
    const auto [first, last] =
        std::minmax({page.horizontal.front().dots, page.horizontal.back().dots});
    Fill(surface, page.centreX + first - half, y - half, last - first + page.line, page.line);
    for (const CalibrationTick& tick : page.horizontal) {
        const int x = page.centreX + tick.dots;
        Fill(surface, x - half, y - tick.length, page.line, tick.length);
        if (tick.label.empty()) continue;
        const engine::TextExtent text = surface.MeasureText(tick.label);
        surface.DrawText(x - text.width / 2, y - tick.length - text.height, tick.label);
    }
}

// The scale's line runs along Y at `x`; ticks stand right of it, labels beyond them.
void DrawVerticalScale(engine::Surface& surface, const CalibrationLayout& page, int x) {
    const int half = page.line / 2;
    const auto [first, last] = std::minmax({page.vertical.front().dots, page.vertical.back().dots});
    Fill(surface, x - half, page.centreY + first - half, page.line, last - first + page.line);
    for (const CalibrationTick& tick : page.vertical) {
        const int y = page.centreY + tick.dots;
        Fill(surface, x, y - half, tick.length, page.line);
        if (tick.label.empty()) continue;
        const engine::TextExtent text = surface.MeasureText(tick.label);
        surface.DrawText(x + tick.length + page.line, y - text.height / 2, tick.label);
    }
}

void DrawCross(engine::Surface& surface, const CalibrationLayout& page, int arm) {
    const int half = page.line / 2;
    Fill(surface, page.centreX - arm, page.centreY - half, 2 * arm + 1, page.line);
    Fill(surface, page.centreX - half, page.centreY - arm, page.line, 2 * arm + 1);
}

void DrawText(engine::Surface& surface, const CalibrationLayout& page) {
    int y = page.textHeight;
    {
        const engine::ScopedFont title(surface,
                                       {std::string(kFace), 2 * page.textHeight, kBold, 0});
        surface.DrawText(page.textHeight, y, PageText(kCalibrationJobTitle));
        y += 3 * page.textHeight;
    }
    for (const char* line : kInstructions) {
        surface.DrawText(page.textHeight, y, PageText(line));
        y += page.textHeight + page.textHeight / 2;
    }
    surface.DrawText(page.textHeight, y,
                     Latin1Text(QCoreApplication::translate("CalibrationPage",
                                                            "Scales in %1 from the printed centre.")
                                    .arg(QCoreApplication::translate(
                                        "CalibrationPage", std::string(page.unitName).c_str()))));
}

void DrawPage(engine::Surface& surface, const CalibrationLayout& layout, int dpiX) {
    const engine::ScopedFont body(surface, {std::string(kFace), layout.textHeight, kRegular, 0});
    const CalibrationLayout page = WithSpacedLabels(surface, layout);
    DrawText(surface, page);
    DrawCross(surface, page, Dots(kCrossArmInches, dpiX));
    DrawHorizontalScale(surface, page, page.centreY + page.scaleGap);
    DrawVerticalScale(surface, page, page.centreX + page.scaleGap);
}

} // namespace

CalibrationLayout LayoutCalibrationPage(const app::PrinterMetrics& metrics, engine::Unit unit) {
    const ScaleUnit& scale = unit == engine::Unit::Centimetre ? kCentimetreScale : kInchScale;
    CalibrationLayout page;
    page.centreX = metrics.PhysicalWidth / 2 - metrics.PhysicalOffsetX;
    page.centreY = metrics.PhysicalHeight / 2 - metrics.PhysicalOffsetY;
    page.line = std::max(Dots(kLineInches, metrics.PrinterDpiX), 1);
    page.scaleGap = Dots(kScaleGapInches, metrics.PrinterDpiX);
    page.textHeight = std::max(Dots(kTextInches, metrics.PrinterDpiY), 1);
    page.unitName = scale.name;
    page.horizontal = Ticks(scale, metrics.PrinterDpiX);
    page.vertical = Ticks(scale, metrics.PrinterDpiY);
    return page;
}

void PrintCalibrationPage(TestPageTarget& target, const app::PrinterMetrics& metrics,
                          engine::Unit unit) {
    target.SetCopies(1);
    const CalibrationLayout page = LayoutCalibrationPage(metrics, unit);
    target.BeginDocument(std::string(kCalibrationJobTitle));
    try {
        target.SetFontFace(std::string(kFace));
        DrawPage(target.Surface(), page, metrics.PrinterDpiX);
        target.EndDocument();
    } catch (...) {
        target.AbortDocument();
        throw;
    }
}

} // namespace print
