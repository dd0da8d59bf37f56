#include "print/LabelFit.h"

#include "engine/Units.h"
#include "platform/PainterSurface.h"

#include <QCoreApplication>

#include <cstdio>

namespace print {
namespace {

// One side of the box against the same side of the cell; `fault` names the box's length %1
// and the cell's %2.
std::optional<std::string> SideFault(const char* fault, int box, int cell, int dpi,
                                     engine::Unit unit) {
    if (box <= cell) return std::nullopt;
    return QCoreApplication::translate("LabelFit", fault)
        .arg(QString::fromStdString(LengthText(box, dpi, unit)),
             QString::fromStdString(LengthText(cell, dpi, unit)))
        .toStdString();
}

} // namespace

std::string LengthText(int dots, int dpi, engine::Unit unit) {
    const double inches = dpi > 0 ? static_cast<double>(dots) / dpi : 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %s",
                  unit == engine::Unit::Centimetre ? engine::InchesToCentimetres(inches) : inches,
                  unit == engine::Unit::Centimetre ? "cm" : "in");
    return text;
}

std::optional<std::string> BoxFitFault(const LabelCell& box, const LabelCell& cell, int dpiX,
                                       int dpiY, engine::Unit unit) {
    if (auto wide =
            SideFault(QT_TRANSLATE_NOOP("LabelFit", "The barcode is %1 wide with its quiet "
                                                    "zones; the label is %2: it will be cut"),
                      box.width, cell.width, dpiX, unit))
        return wide;
    return SideFault(
        QT_TRANSLATE_NOOP("LabelFit", "The barcode is %1 high; the label is %2: it will be cut"),
        box.height, cell.height, dpiY, unit);
}

std::optional<int> FittingModule(int boxModules, int room) {
    if (boxModules <= 0 || room < boxModules) return std::nullopt;
    return room / boxModules;
}

PicturePrintTarget::PicturePrintTarget(const LabelCell& region)
    : picture_(std::max(region.width, 1), std::max(region.height, 1), QImage::Format_Grayscale8) {
    picture_.fill(Qt::white);
    painter_.begin(&picture_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.translate(-region.left, -region.top);
    surface_ = std::make_unique<platform::PainterSurface>(painter_);
}

PicturePrintTarget::~PicturePrintTarget() = default;

const QImage& PicturePrintTarget::Picture() {
    surface_.reset();
    if (painter_.isActive()) painter_.end();
    return picture_;
}

void PicturePrintTarget::SetClip(const LabelCell& cell) {
    painter_.setClipRect(QRect(cell.left, cell.top, cell.width, cell.height));
}

void PicturePrintTarget::ClearClip() {
    painter_.setClipping(false);
}

engine::Surface& PicturePrintTarget::Surface() {
    if (!surface_) surface_ = std::make_unique<platform::PainterSurface>(painter_);
    return *surface_;
}

void PicturePrintTarget::SetFontFace(const std::string& face) {
    surface_.reset();
    if (painter_.isActive())
        surface_ =
            std::make_unique<platform::PainterSurface>(painter_, QString::fromStdString(face));
}

} // namespace print
