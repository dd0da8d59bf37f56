#include "app/BarcodeDocument.h"

#include "app/MatrixControls.h"
#include "platform/FileLock.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "engine/Barcode.h"
#include "engine/Units.h"
#include "platform/BarcodeBitmap.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace app {

namespace {

constexpr int kMinScale = 1;
constexpr int kMaxScale = 10;

QImage WhitePicture(QSize size) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(1);
    return picture;
}

// Module width and box size of the picture, within kMaxBitmapSide and kMaxBitmapPixels.
struct PicturePlan {
    int module = 0; // 0: the barcode does not fit even at one pixel per module
    int length = 0; // along the bars' sequence
    int height = 0; // across the bars
};

PicturePlan PlanPicture(int scale, int lengthAtOnePixel, long long across) {
    PicturePlan plan;
    if (lengthAtOnePixel <= 0) {
        plan.module = scale; // an unknown symbology: a box of no length
    } else {
        plan.module = std::min(scale, kMaxBitmapSide / lengthAtOnePixel);
        plan.length = plan.module > 0 ? plan.module * lengthAtOnePixel : kMaxBitmapSide;
    }
    const long long mostAcross =
        std::min<long long>(kMaxBitmapSide, kMaxBitmapPixels / std::max(plan.length, 1));
    plan.height = static_cast<int>(std::clamp<long long>(across, 0, mostAcross));
    return plan;
}

int AcrossBars(QSize client, std::uint8_t rotation) {
    return engine::AdvancesAlongY(DrawnOrientation(rotation)) ? client.width() : client.height();
}

} // namespace

int DrawnScale(int scale) {
    return std::clamp(scale, kMinScale, kMaxScale);
}

std::optional<double> BarHeightForClientSize(QSize client, std::uint8_t rotation, int scale,
                                             engine::Unit unit, int screenDpiY) {
    if (scale < kMinScale || screenDpiY <= 0) return std::nullopt;
    const int across = AcrossBars(client, rotation);
    if (across < 0) return std::nullopt;
    // A scale beyond the list is drawn at its largest value, so it is measured at that too.
    const double height =
        static_cast<double>(across) / (static_cast<double>(screenDpiY) * DrawnScale(scale));
    return unit == engine::Unit::Centimetre ? height * engine::kCentimetresPerInch : height;
}

BarcodeDocument::BarcodeDocument(const app::PrinterMetrics& metrics, engine::Unit unit,
                                 const app::LabelSheet& sheet, QObject* parent)
    : QObject(parent), metrics_(metrics), unit_(unit), bitmap_(WhitePicture(QSize(1, 1))),
      labels_(sheet), font_(QStringLiteral("Courier New"), 8) {
    unchanged_ = Record();
    Refresh();
}

void BarcodeDocument::SetSymbology(engine::SymbologyCode code) {
    // One symbology's level and size mean nothing to another: the new one starts at its usual.
    if (code != symbology_) options_ = {};
    symbology_ = code;
    text_ = engine::FilterBarcodeText(code, text_);
    Refresh();
}

void BarcodeDocument::SetBarcodeText(std::string_view text) {
    text_ = engine::FilterBarcodeText(symbology_, text);
    Refresh();
}

void BarcodeDocument::SetBarHeight(double height) {
    barHeight_ = height;
    Refresh();
}

void BarcodeDocument::SetScale(int scale) {
    scale_ = scale;
    Refresh();
}

void BarcodeDocument::SetInterpret(bool interpret) {
    interpret_ = interpret;
    Refresh();
}

void BarcodeDocument::SetRotation(std::uint8_t rotation) {
    rotation_ = rotation;
    Refresh();
}

void BarcodeDocument::SetEccLevel(std::string_view level) {
    options_.ecc = level;
    Refresh();
}

void BarcodeDocument::SetSymbolSize(int size) {
    options_.size = size;
    Refresh();
}

std::string BarcodeDocument::EncodingProblem() const {
    return engine::BarcodeProblem(symbology_, DrawnText(), options_);
}

void BarcodeDocument::SetFileName(const QString& path) {
    fileName_ = path;
    caption_ = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    emit captionChanged(caption_);
}

void BarcodeDocument::Refresh() {
    // Cleared again even if rendering throws, or the window would ignore resizes for good.
    const QScopedValueRollback<bool> redrawing(redrawing_, true);
    hint_ = ShownText(symbology_, text_);
    emit hintChanged(hint_);
    NoteChanges();
    if (!suspended_) Render();
}

void BarcodeDocument::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    NoteChanges();
}

void BarcodeDocument::SetBarWidth(double mils) {
    barWidth_ = mils;
    NoteChanges();
}

void BarcodeDocument::SetSequence(const app::SequenceSettings& sequence) {
    sequence_ = sequence;
    NoteChanges();
}

void BarcodeDocument::SetLabels(const app::LabelSheet& labels) {
    labels_ = labels;
    NoteChanges();
}

void BarcodeDocument::SetBarcodeFont(const QFont& font) {
    font_ = font;
    Refresh();
}

void BarcodeDocument::NoteChanges() {
    if (modified_ || Record() == unchanged_) return;
    modified_ = true;
    emit modifiedChanged(true);
}

bool BarcodeDocument::Modified() const {
    return modified_ || Record() != unchanged_;
}

void BarcodeDocument::ClearModified() {
    unchanged_ = Record();
    if (!modified_) return;
    modified_ = false;
    emit modifiedChanged(false);
}

// Unbounded here; PlanPicture fits it into the picture's limits.
long long BarcodeDocument::BarHeightPixels(int scale) const {
    const double dots = unit_ == engine::Unit::Centimetre
                            ? metrics_.ScreenDpiY * barHeight_ / engine::kCentimetresPerInch
                            : metrics_.ScreenDpiY * barHeight_;
    return static_cast<long long>(engine::RoundHalfEven(dots)) * scale;
}

std::string BarcodeDocument::DrawnText() const {
    return engine::FilterBarcodeText(symbology_, text_);
}

void BarcodeDocument::Render() {
    const std::string drawn = DrawnText();
    const int scale = DrawnScale(scale_);
    PicturePlan plan = PlanPicture(scale, engine::BarcodeExtent(1, symbology_, drawn, options_),
                                   BarHeightPixels(scale));
    if (engine::FindMatrixSymbology(symbology_) && plan.module > 0)
        plan = PlanPicture(plan.module, engine::BarcodeExtent(1, symbology_, drawn, options_),
                           engine::BarcodeBreadth(plan.module, symbology_, drawn, plan.height,
                                                  interpret_, options_));
    const engine::Orientation orientation = DrawnOrientation(rotation_);
    if (plan.module == 0) {
        const QSize along(plan.length, plan.height);
        bitmap_ = WhitePicture(engine::AdvancesAlongY(orientation) ? along.transposed() : along);
    } else {
        bitmap_ =
            platform::RenderBarcodeBitmap({symbology_, drawn, plan.module, plan.height, interpret_,
                                           orientation, font_.family(), options_});
    }
    emit rendered();
}

double BarcodeDocument::WidthInUnits() const {
    if (metrics_.ScreenDpiX <= 0) return 0.0;
    const double inches =
        static_cast<double>(engine::BarcodeExtent(1, symbology_, DrawnText(), options_)) /
        metrics_.ScreenDpiX;
    return unit_ == engine::Unit::Centimetre ? inches * engine::kCentimetresPerInch : inches;
}

double BarcodeDocument::HeightInUnits() const {
    if (HeightApplies(symbology_)) return barHeight_;
    if (metrics_.ScreenDpiY <= 0) return 0.0;
    const double inches = static_cast<double>(engine::BarcodeBreadth(1, symbology_, DrawnText(), 0,
                                                                     interpret_, options_)) /
                          metrics_.ScreenDpiY;
    return unit_ == engine::Unit::Centimetre ? inches * engine::kCentimetresPerInch : inches;
}

int BarcodeDocument::AcrossBars(QSize client) const {
    return app::AcrossBars(client, rotation_);
}

bool BarcodeDocument::ResizeClient(QSize client) {
    // A square two-dimensional symbol's height follows from its module, not from the window.
    const engine::MatrixSymbology* matrix = engine::FindMatrixSymbology(symbology_);
    if (redrawing_ || (matrix && matrix->shape == engine::MatrixShape::Square)) return false;
    const auto height =
        BarHeightForClientSize(client, rotation_, scale_, unit_, metrics_.ScreenDpiY);
    if (!height) return false;
    SetBarHeight(*height);
    return true;
}

DocumentRecord BarcodeDocument::Record() const {
    return {unit_, barHeight_, scale_,    interpret_, symbology_, rotation_,
            text_, autoSize_,  barWidth_, sequence_,  labels_,    options_};
}

void BarcodeDocument::Restore(const DocumentRecord& record) {
    unit_ = record.Unit;
    barHeight_ = record.BarHeight;
    scale_ = record.Scale;
    interpret_ = record.Interpret;
    symbology_ = record.Symbology;
    rotation_ = record.Rotation;
    text_ = record.BarcodeText;
    autoSize_ = record.AutoSize;
    barWidth_ = record.BarWidth;
    sequence_ = record.Sequence;
    labels_ = record.Labels;
    options_ = record.Options;
}

namespace {

QString ChangedOnDiskText(const QString& path, std::optional<int> current) {
    const QString changed =
        QCoreApplication::translate("BarcodeDocument",
                                    "%1 was changed by another program since it was opened.")
            .arg(QFileInfo(path).fileName());
    if (!current) return changed;
    return changed + QLatin1Char(' ') +
           QCoreApplication::translate("BarcodeDocument", "Its sequence is now at %1.")
               .arg(*current);
}

} // namespace

ChangedOnDisk::ChangedOnDisk(const QString& path, std::optional<int> current)
    : platform::Failure(ChangedOnDiskText(path, current)), fileCurrent(current) {}

// The previous file is replaced only once the new one is complete, unlike deleting it first.
void BarcodeDocument::SaveToFile(const QString& path, QChar decimalSeparator, DiskChange onChange) {
    const bool ownFile = path == fileName_ && stamp_.size >= 0;
    SetFileName(path);
    std::optional<platform::FileLock> lock;
    if (QFileInfo::exists(path)) lock.emplace(path, platform::LockWait::NoWait);
    const DiskStamp now = StampOf(path);
    if (ownFile && now != stamp_ && onChange != DiskChange::Overwrite) {
        if (onChange == DiskChange::Ask) throw ChangedOnDisk(path, now.current);
        if (now.current) sequence_.SeqCurrent = *now.current;
    }
    WriteDocumentRecord(Record(), decimalSeparator).Save(path);
    stamp_ = StampOf(path);
    ClearModified();
}

std::optional<Corrections> BarcodeDocument::LoadFromFile(const QString& path,
                                                         engine::Unit currentUnit,
                                                         QChar decimalSeparator) {
    return Open(path, ReadOpenedDocument(path, currentUnit, decimalSeparator));
}

std::optional<Corrections> BarcodeDocument::Open(const QString& path,
                                                 const std::optional<OpenedDocument>& opened) {
    fileName_ = path; // the caption follows only when there is a file
    if (!opened) return std::nullopt;
    Open(path, opened->record);
    return opened->corrections;
}

void BarcodeDocument::Open(const QString& path, const DocumentRecord& record) {
    fileName_ = path;
    stamp_ = StampOf(path);
    Restore(record);
    ClearModified();
    SetFileName(path);
    Refresh();
}

} // namespace app
