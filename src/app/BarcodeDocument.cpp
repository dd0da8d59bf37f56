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

// What choosing a symbology changes: the text keeps what the new one carries, and the level and
// size start at their usual.
struct SymbolChoice {
    engine::SymbologyCode code;
    std::string text;
    engine::SymbolOptions options;

    bool operator==(const SymbolChoice&) const = default;
};

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
    // An undo or redo ends a run: typing after it never merges into the step before.
    connect(&history_, &QUndoStack::indexChanged, this, [this] {
        if (!pushing_) EndEdit();
    });
    Refresh();
}

template <class Value, class Put>
void BarcodeDocument::Change(const char* what, const Value& before, Value after, Put put,
                             EditRun run) {
    if (after == before) return;
    if (!recording_) return put(after);
    if (step_ && !stepOpen_) {
        history_.beginMacro(*step_);
        stepOpen_ = true;
    }
    const QScopedValueRollback pushing(pushing_, true);
    history_.push(new ValueCommand<Value>(QString::fromLatin1(what), before, std::move(after),
                                          std::move(put), MergeRunOf(run)));
}

template <class Value>
void BarcodeDocument::ChangeField(const char* what, Value BarcodeDocument::*field, Value value,
                                  bool redraws, EditRun run) {
    Change(
        what, this->*field, std::move(value),
        [this, field, redraws](const Value& stored) {
            this->*field = stored;
            redraws ? Refresh() : NoteChanges();
        },
        run);
}

MergeRun BarcodeDocument::MergeRunOf(EditRun run) {
    if (run == EditRun::None) return {};
    const auto now = clock_();
    if (now - lastRunChange_ >= kEditPause) EndEdit();
    lastRunChange_ = now;
    return {static_cast<int>(run), run_};
}

void BarcodeDocument::BeginStep(const QString& text) {
    step_ = text;
}

void BarcodeDocument::EndStep() {
    if (stepOpen_) history_.endMacro();
    stepOpen_ = false;
    step_.reset();
}

void BarcodeDocument::SetSymbology(engine::SymbologyCode code) {
    // One symbology's level and size mean nothing to another: the new one starts at its usual.
    const SymbolChoice chosen{code, engine::FilterBarcodeText(code, text_),
                              code != symbology_ ? engine::SymbolOptions{} : options_};
    Change("Barcode Type", SymbolChoice{symbology_, text_, options_}, chosen,
           [this](const SymbolChoice& choice) {
               symbology_ = choice.code;
               text_ = choice.text;
               options_ = choice.options;
               Refresh();
           });
}

void BarcodeDocument::SetBarcodeText(std::string_view text) {
    ChangeField("Text", &BarcodeDocument::text_, engine::FilterBarcodeText(symbology_, text), true,
                EditRun::Typing);
}

void BarcodeDocument::SetBarHeight(double height) {
    ChangeField("Bar Height", &BarcodeDocument::barHeight_, height, true);
}

void BarcodeDocument::SetScale(int scale) {
    ChangeField("Scale", &BarcodeDocument::scale_, scale, true);
}

void BarcodeDocument::SetInterpret(bool interpret) {
    ChangeField("Readable Text", &BarcodeDocument::interpret_, interpret, true);
}

void BarcodeDocument::SetRotation(std::uint8_t rotation) {
    ChangeField("Rotation", &BarcodeDocument::rotation_, rotation, true);
}

void BarcodeDocument::SetEccLevel(std::string_view level) {
    ChangeField("Error Correction", &BarcodeDocument::options_,
                engine::SymbolOptions{std::string(level), options_.size}, true);
}

void BarcodeDocument::SetSymbolSize(int size) {
    ChangeField("Symbol Size", &BarcodeDocument::options_,
                engine::SymbolOptions{options_.ecc, size}, true);
}

// Drawn again: the same height in another unit is another picture.
void BarcodeDocument::SetBarUnit(engine::Unit unit) {
    ChangeField("Unit", &BarcodeDocument::unit_, unit, true);
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
    ChangeField("Auto Size", &BarcodeDocument::autoSize_, autoSize, false);
}

void BarcodeDocument::SetBarWidth(double mils) {
    ChangeField("Bar Width", &BarcodeDocument::barWidth_, mils, false);
}

void BarcodeDocument::SetSequence(const app::SequenceSettings& sequence) {
    ChangeField("Sequence", &BarcodeDocument::sequence_, sequence, false);
}

void BarcodeDocument::SetLabels(const app::LabelSheet& labels) {
    ChangeField("Label Settings", &BarcodeDocument::labels_, labels, false);
}

void BarcodeDocument::SetBarcodeFont(const QFont& font) {
    ChangeField("Font", &BarcodeDocument::font_, font, true);
}

void BarcodeDocument::NoteChanges() {
    if (!recording_ && Record() != unchanged_) modified_ = true;
    const bool modified = Modified();
    if (modified == toldModified_) return;
    toldModified_ = modified;
    emit modifiedChanged(modified);
}

bool BarcodeDocument::Modified() const {
    return modified_ || Record() != unchanged_;
}

void BarcodeDocument::ClearModified() {
    unchanged_ = Record();
    modified_ = false;
    history_.setClean();
    NoteChanges();
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
    ChangeField("Bar Height", &BarcodeDocument::barHeight_, *height, true, EditRun::Dragging);
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
    history_.clear();
    ClearModified();
    SetFileName(path);
    Refresh();
}

} // namespace app
