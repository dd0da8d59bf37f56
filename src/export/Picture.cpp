#include "export/Picture.h"

#include "engine/Units.h"
#include "platform/Errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <string>

namespace exporting {
namespace {

// A raster picture is drawn on 8 bits per pixel before it is packed: 512 MB at most.
constexpr long long kMaxRasterPixels = 512LL * 1024 * 1024;

constexpr double kAutoMils = 10.0;
constexpr double kAutoPostnetMils = 22.0;

QString SizeText(const QSize& size) {
    return QCoreApplication::translate("Picture", "%1 x %2 dots")
        .arg(QString::number(size.width()), QString::number(size.height()));
}

std::string Upper(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

int AutoModuleWidth(int dpi, engine::SymbologyCode symbology) {
    const double mils = symbology == engine::SymbologyCode::Postnet ? kAutoPostnetMils : kAutoMils;
    return std::max(1, engine::RoundHalfEven(dpi / 1000.0 * mils));
}

int AcrossDots(double barHeight, engine::Unit unit, int dpi) {
    return engine::TruncateTowardZero(dpi * (unit == engine::Unit::Centimetre
                                                 ? barHeight / engine::kCentimetresPerInch
                                                 : barHeight));
}

PictureGeometry PictureFor(const ExportDocument& document, int module, int dpi) {
    PictureGeometry p;
    p.module = module;
    p.dpi = dpi;
    p.symbol = std::make_shared<const engine::EncodedBarcode>(
        document.Symbology, document.BarcodeText, document.Options);
    p.across = p.symbol->Breadth(module, AcrossDots(document.BarHeight, document.Unit, dpi),
                                 document.Interpret);
    p.along = p.symbol->Extent(module);
    p.size = engine::AdvancesAlongY(document.Rotation) ? QSize(p.across, p.along)
                                                       : QSize(p.along, p.across);
    return p;
}

void CheckPicture(const PictureGeometry& picture, ExportFormat format) {
    if (picture.symbol && !picture.symbol->Problem().empty())
        throw platform::Failure(picture.symbol->Problem());
    const QSize size = picture.size;
    if (size.width() < 1 || size.height() < 1 || picture.module < 1)
        throw platform::Failure(
            QCoreApplication::translate("Picture",
                                        "The barcode picture would be empty (%1); choose a higher "
                                        "resolution, a wider bar or a taller barcode")
                .arg(SizeText(size)));
    const FormatInfo& info = InfoOf(format);
    if (size.width() > info.maxSide || size.height() > info.maxSide)
        throw platform::Failure(
            QCoreApplication::translate("Picture",
                                        "The barcode picture is too large for %1 (%2; at most %3 "
                                        "dots a side)")
                .arg(QString::fromStdString(Upper(info.cliName)), SizeText(size),
                     QString::number(info.maxSide)));
    if (info.kind == PictureKind::Raster &&
        static_cast<long long>(size.width()) * size.height() > kMaxRasterPixels)
        throw platform::Failure(
            QCoreApplication::translate("Picture", "The barcode is too large to draw (%1)")
                .arg(SizeText(size)));
}

void ThrowOutOfMemory(QSize size) {
    throw platform::Failure(
        QCoreApplication::translate("Picture", "Not enough memory for a picture of %1")
            .arg(SizeText(size)));
}

void DrawPicture(engine::Surface& surface, const ExportDocument& document,
                 const PictureGeometry& picture) {
    if (picture.symbol) {
        picture.symbol->Draw(surface, 0, 0, picture.module, picture.across, document.Interpret,
                             document.Rotation, false);
        return;
    }
    engine::DrawBarcode(surface, document.Symbology, 0, 0, picture.module, picture.across,
                        document.BarcodeText, document.Interpret, document.Rotation, false,
                        document.Options);
}

} // namespace exporting
