#include "print/PrintJob.h"

#include "app/BarcodeDocument.h"
#include "app/ScanCheck.h"
#include "engine/Barcode.h"
#include "engine/Units.h"
#include "platform/Errors.h"
#include "print/DeviceMetrics.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace print {
namespace {

constexpr double kAutoMils = 10.0;
constexpr double kAutoPostnetMils = 22.0;
// More takes than a sequence has numbers (2^32, and a first one above SeqMax): every text a
// longer job takes has been taken before, so counts are cut here.
constexpr double kEveryNumber = 4294967297.0;

// The start of `size` centred in `room` from `start`; each half is truncated by itself.
int Centred(int start, int room, int size) {
    return app::SaturateToInt(static_cast<long long>(start) + room / 2 - size / 2);
}

struct ProgressFinisher {
    PrintProgress& progress;
    ~ProgressFinisher() { progress.Finish(); }
};

int ScreenDpi(const app::PrinterMetrics& metrics) {
    return metrics.ScreenDpiX > 0 ? metrics.ScreenDpiX : app::kDefaultScreenDpi;
}

} // namespace

std::string SequenceNotCarried(engine::SymbologyCode symbology, std::string_view text) {
    return QCoreApplication::translate(
               "PrintJob",
               "%1 cannot carry the sequence text \"%2\" whole: check the sequence settings")
        .arg(QString::fromStdString(SymbologyName(symbology)), app::PrintableData(text))
        .toStdString();
}

int ModuleWidthDots(const PrintOptions& options, const app::BarcodeDocument& document,
                    const app::PrinterMetrics& metrics) {
    const int dpi = metrics.PrinterDpiX;
    int dots = options.CustomDots;
    if (options.Width == BarWidthChoice::AutoSize) {
        const bool postnet = document.Symbology() == engine::SymbologyCode::Postnet;
        dots = engine::MilsToDots(dpi, postnet ? kAutoPostnetMils : kAutoMils);
    } else if (options.Width == BarWidthChoice::ScreenRatio) {
        dots = engine::RoundHalfEven(static_cast<double>(dpi) / ScreenDpi(metrics) *
                                     app::DrawnScale(document.Scale()));
    }
    return std::max(dots, 1); // a bar must be at least one dot wide to print at all
}

std::optional<double> AskedModuleMils(const PrintOptions& options,
                                      const app::BarcodeDocument& document,
                                      const app::PrinterMetrics& metrics) {
    if (options.Width == BarWidthChoice::AutoSize)
        return document.Symbology() == engine::SymbologyCode::Postnet ? kAutoPostnetMils
                                                                      : kAutoMils;
    if (options.Width == BarWidthChoice::ScreenRatio)
        return 1000.0 * app::DrawnScale(document.Scale()) / ScreenDpi(metrics);
    return std::nullopt;
}

int BarHeightDots(const app::BarcodeDocument& document, const app::PrinterMetrics& metrics) {
    const double dpi = metrics.PrinterDpiX;
    const double height = document.BarUnit() == engine::Unit::Centimetre
                              ? dpi * document.BarHeight() / engine::kCentimetresPerInch
                              : dpi * document.BarHeight();
    return std::max(engine::RoundHalfEven(height), 0);
}

int CopiesPerText(const PrintOptions& options) {
    return options.UseSequence || options.UseData ? options.Copies : 1;
}

std::string NextLabelText(const PrintOptions& options, app::SequenceSettings& sequence) {
    return options.UseSequence ? TakeSequenceNumber(sequence) : options.Text;
}

PrintJob::PrintJob(PrintTarget& target, const PrintOptions& options, app::BarcodeDocument& document,
                   const app::LabelSheet& sheet, const app::PrinterMetrics& metrics)
    : target_(target), options_(options), document_(document), sheet_(sheet), metrics_(metrics),
      symbology_(document.Symbology()), module_(ModuleWidthDots(options, document, metrics)),
      barHeight_(BarHeightDots(document, metrics)),
      orientation_(app::DrawnOrientation(document.Rotation())),
      fontFace_(document.BarcodeFont().family().toStdString()), copies_(CopiesPerText(options)),
      range_(options.UseData ? PrintRange::Labels : options.Range),
      labelCount_(options.UseData ? options.DataLabels() : options.Labels) {
    // The widest module that fits; narrower while the first label does not scan (the readable
    // text grows with the module and takes its room from the bars).
    if (options.Width == BarWidthChoice::FitToLabel)
        for (module_ = FittedModule(); module_ > 1 && FirstLabelFault(); --module_) {
        }
}

void PrintJob::Check() const {
    options_.ValidateCounts();
    // Without a label the page loop would never reach its count.
    if (range_ != PrintRange::Single) CheckLayout();
    if (options_.UseData) return CheckData();
    if (!options_.UseSequence) return;
    const auto notCarried =
        FirstTextNotCarried(document_.Sequence(), TextsTaken(LabelGrid()), symbology_);
    if (notCarried) throw platform::Failure(SequenceNotCarried(symbology_, *notCarried));
}

// Without a label the page loop would never reach its count; with labels a dot apart or less, a
// page would take hours and its pages no printer could feed.
void PrintJob::CheckLayout() const {
    if (metrics_.Rows <= 0 || metrics_.Columns <= 0)
        throw platform::Failure(QCoreApplication::translate("PrintJob", kNoLabelFits));
    const engine::Unit unit = sheet_.Unit;
    const auto length = [unit](double value) {
        char text[64];
        std::snprintf(text, sizeof text, "%g %s", value,
                      unit == engine::Unit::Centimetre ? "cm" : "in");
        return QString::fromLatin1(text);
    };
    // `fault` names the label's length %1 and the gap's %2.
    const auto pitchFault = [&](const char* fault, double label, double gap, int dpi, int count) {
        if (count <= 1 || LengthToDots(label + gap, unit, dpi) >= 1) return;
        throw platform::Failure(
            QCoreApplication::translate("PrintJob", fault).arg(length(label), length(gap)));
    };
    pitchFault(QT_TRANSLATE_NOOP("PrintJob",
                                 "The labels follow each other across at less than one printer dot "
                                 "(label %1, gap %2): check the label sheet setup"),
               sheet_.LabelWidth, sheet_.GapWidth, metrics_.PrinterDpiX, metrics_.Columns);
    pitchFault(QT_TRANSLATE_NOOP("PrintJob",
                                 "The labels follow each other down at less than one printer dot "
                                 "(label %1, gap %2): check the label sheet setup"),
               sheet_.LabelHeight, sheet_.GapHeight, metrics_.PrinterDpiY, metrics_.Rows);
    if (static_cast<long long>(metrics_.Rows) * metrics_.Columns > kMaxLabelsPerPage)
        throw platform::Failure(
            QCoreApplication::translate("PrintJob",
                                        "The label sheet puts %1 x %2 labels on a page, more than "
                                        "%3 (labels %4 x %5, margins %6, %7): check the label "
                                        "sheet setup")
                .arg(QString::number(metrics_.Columns), QString::number(metrics_.Rows),
                     QString::number(kMaxLabelsPerPage), length(sheet_.LabelWidth),
                     length(sheet_.LabelHeight), length(sheet_.MarginLeft),
                     length(sheet_.MarginTop)));
}

void PrintJob::CheckData() const {
    if (!options_.DataFailure.empty()) throw platform::Failure(options_.DataFailure);
    if (options_.Data.path.isEmpty() || !options_.DataInput)
        throw platform::Failure(QCoreApplication::translate("PrintJob", kNoDataFile));
    RequirePrintable(options_.DataScan, options_.Data);
}

// The labels sharing a text start afresh on every page, so a page of n labels takes
// ceil(n / copies) texts. Counted in doubles, which hold every count below kEveryNumber exactly.
long long PrintJob::TextsTaken(const Grid& grid) const {
    const double copies = copies_;
    auto texts = [&](double labels) { return std::ceil(labels / copies); };
    const double perPage = static_cast<double>(grid.rows) * grid.columns;
    const double onFirst = perPage - grid.skip;
    double taken = 1; // Single
    if (range_ == PrintRange::Pages) {
        taken = texts(onFirst) + (options_.Pages - 1.0) * texts(perPage);
    } else if (range_ == PrintRange::Labels) {
        const double labels = static_cast<double>(labelCount_);
        const double rest = std::max(labels - onFirst, 0.0);
        const double fullPages = std::floor(rest / perPage);
        taken = texts(std::min(labels, onFirst)) + fullPages * texts(perPage) +
                texts(rest - fullPages * perPage);
    }
    return static_cast<long long>(std::min(taken, kEveryNumber));
}

// "Single" draws one label whatever the sheet; a skip beyond the sheet is its last label.
PrintJob::Grid PrintJob::LabelGrid() const {
    if (range_ == PrintRange::Single) return {1, 1, 0};
    return {metrics_.Rows, metrics_.Columns, ClampSkip(options_.Skip(), metrics_.LabelsPerPage)};
}

// A range of labels fills the first page after the skip, then whole pages.
long long PrintJob::PageCount() const {
    if (range_ == PrintRange::Single) return 1;
    if (range_ == PrintRange::Pages) return options_.Pages;
    const Grid grid = LabelGrid();
    const long long perPage = static_cast<long long>(grid.rows) * grid.columns;
    const long long onFirst = perPage - grid.skip;
    if (perPage <= 0 || labelCount_ <= onFirst) return 1;
    return 1 + (labelCount_ - onFirst + perPage - 1) / perPage;
}

void PrintJob::Run(PrintProgress& progress) {
    Check();
    const Grid grid = LabelGrid();
    progress.StartProgress(target_.PrinterName());
    const ProgressFinisher finisher{progress}; // the window closes however the job ends
    progress.SetPage(1);
    target_.BeginDocument(kPrintJobTitle);
    try {
        for (int pages = 1;; ++pages) {
            if (PrintPage(grid, pages == 1, progress) ||
                (range_ == PrintRange::Pages && pages >= options_.Pages))
                break;
            target_.NewPage();
            progress.SetPage(pages + 1);
        }
    } catch (...) {
        target_.AbortDocument(); // nothing half-printed is kept
        throw;
    }
    if (progress.CancelRequested())
        target_.AbortDocument();
    else
        target_.EndDocument();
}

// One page's labels row by row; true when the job is done. The skip applies to the first page
// only. The labels sharing a sequence number start afresh on every page; a record of a data
// file gets all its copies, across pages if need be.
bool PrintJob::PrintPage(const Grid& grid, bool firstPage, PrintProgress& progress) {
    const int skip = firstPage ? grid.skip : 0;
    const int firstRow = skip / grid.columns;
    if (!options_.UseData) copy_ = 0;
    for (int row = firstRow; row < grid.rows; ++row) {
        for (int column = row == firstRow ? skip % grid.columns : 0; column < grid.columns;
             ++column) {
            if (copy_ == 0) text_ = TakeText();
            PrintLabelAt(column, row, text_);
            ++labelsPrinted_;
            if (++copy_ == copies_) copy_ = 0;
            const bool done = range_ == PrintRange::Single ||
                              (range_ == PrintRange::Labels && labelsPrinted_ >= labelCount_) ||
                              progress.CancelRequested();
            if (done) return true;
        }
    }
    return false;
}

// The next record, or as NextLabelText. A data file is read a second time here, the first
// (PrintOptions::ReadData) having found every record carried; the job ends with the last
// record's last copy.
std::string PrintJob::TakeText() {
    if (!options_.UseData) {
        app::SequenceSettings sequence = document_.Sequence();
        std::string text = NextLabelText(options_, sequence);
        const app::OutsideHistory taken(document_); // numbers printed are not given back by undo
        document_.SetSequence(sequence);
        return text;
    }
    if (!records_)
        records_.emplace(*options_.DataInput, options_.Data,
                         MergeSymbol{symbology_, document_.Options()}, options_.DataScan.records);
    return records_->Next().value_or(MergeText{}).text;
}

void PrintJob::PrintLabelAt(int column, int row, std::string_view text) {
    if (range_ == PrintRange::Single) {
        DrawInCell({0, 0, app::PrintableWidth(metrics_), app::PrintableHeight(metrics_)}, text);
        return;
    }
    const LabelCell cell = LabelCellAt(sheet_, metrics_, column, row);
    target_.SetClip(cell);
    DrawInCell(cell, text);
    target_.ClearClip();
}

// Where the barcode of `typed` goes in the cell: at its corner, or centred as aligned.
LabelCell PrintJob::BoxIn(const LabelCell& cell, std::string_view typed) const {
    const std::string text = engine::FilterBarcodeText(symbology_, typed);
    const engine::SymbolOptions& options = document_.Options();
    const int extent = engine::BarcodeExtent(module_, symbology_, text, options);
    const int across = engine::BarcodeBreadth(module_, symbology_, text, barHeight_,
                                              document_.Interpret(), options);
    const bool lying = engine::AdvancesAlongY(orientation_);
    const int boxWidth = lying ? across : extent;
    const int boxHeight = lying ? extent : across;
    const int x = options_.HAlign ? Centred(cell.left, cell.width, boxWidth) : cell.left;
    const int y = options_.VAlign ? Centred(cell.top, cell.height, boxHeight) : cell.top;
    return {x, y, boxWidth, boxHeight};
}

void PrintJob::DrawInCell(const LabelCell& cell, std::string_view typed) {
    const std::string text = engine::FilterBarcodeText(symbology_, typed);
    const LabelCell box = BoxIn(cell, text);
    target_.SetFontFace(fontFace_);
    engine::DrawBarcode(target_.Surface(), symbology_, box.left, box.top, module_, barHeight_, text,
                        document_.Interpret(), orientation_, false, document_.Options());
}

LabelCell PrintJob::FirstCell() const {
    if (range_ == PrintRange::Single)
        return {0, 0, app::PrintableWidth(metrics_), app::PrintableHeight(metrics_)};
    const Grid grid = LabelGrid();
    if (grid.columns <= 0) return {};
    return LabelCellAt(sheet_, metrics_, grid.skip % grid.columns, grid.skip / grid.columns);
}

// The text the first label carries, taken without using up a number or a record.
std::string PrintJob::FirstText() const {
    if (options_.UseData)
        return options_.DataScan.first.empty() ? ""
                                               : CarriedText(options_.DataScan.first.front().text,
                                                             {symbology_, document_.Options()})
                                                     .value_or("");
    app::SequenceSettings sequence = document_.Sequence();
    return NextLabelText(options_, sequence);
}

// The first text and, for a sequence, the last number's, which has the most digits unless the
// sequence wraps, and then SeqMax's.
std::vector<std::string> PrintJob::WidestTexts() const {
    std::vector<std::string> texts{FirstText()};
    if (!options_.UseSequence || options_.UseData) return texts;
    const app::SequenceSettings& s = document_.Sequence();
    const long long takes = SequenceTakes();
    const bool wraps = static_cast<long long>(s.SeqMax) - s.SeqCurrent + 1 < takes;
    const long long last = wraps ? s.SeqMax : s.SeqCurrent + takes - 1;
    texts.push_back(
        FormatSequenceText(static_cast<int>(last), s.SeqMinSize, s.SeqPrefix, s.SeqSuffix));
    return texts;
}

int PrintJob::FittedModule() const {
    const LabelCell cell = FirstCell();
    const int room = engine::AdvancesAlongY(orientation_) ? cell.height : cell.width;
    int modules = 0;
    for (const std::string& text : WidestTexts())
        modules = std::max(modules, engine::BarcodeExtent(
                                        1, symbology_, engine::FilterBarcodeText(symbology_, text),
                                        document_.Options()));
    // The readable text grows with the module: it may take a third of the bar height at most,
    // so that the bars stay tall enough for a scanner's line to cross them.
    int module = FittingModule(modules, room).value_or(1);
    while (module > 1 &&
           3 * engine::TextStripSize(symbology_, module, document_.Interpret()) > barHeight_)
        --module;
    // A two-dimensional symbol grows across with its module too.
    const int acrossRoom = engine::AdvancesAlongY(orientation_) ? cell.width : cell.height;
    if (engine::FindMatrixSymbology(symbology_))
        while (module > 1 &&
               engine::BarcodeBreadth(
                   module, symbology_, engine::FilterBarcodeText(symbology_, FirstText()),
                   barHeight_, document_.Interpret(), document_.Options()) > acrossRoom)
            --module;
    return module;
}

std::optional<std::string> PrintJob::FitFault() const {
    const LabelCell cell = FirstCell();
    for (const std::string& text : WidestTexts())
        if (auto fault = BoxFitFault(BoxIn(cell, text), cell, metrics_.PrinterDpiX,
                                     metrics_.PrinterDpiY, sheet_.Unit))
            return fault;
    return FirstLabelFault();
}

std::optional<std::string> PrintJob::FirstLabelFault() const {
    const LabelCell cell = FirstCell();
    const std::string text = engine::FilterBarcodeText(symbology_, FirstText());
    const LabelCell box = BoxIn(cell, text);
    PicturePrintTarget picture(
        {box.left, box.top, std::max(box.width, 1), std::max(box.height, 1)});
    if (range_ != PrintRange::Single) picture.SetClip(cell);
    picture.SetFontFace(fontFace_);
    engine::DrawBarcode(picture.Surface(), symbology_, box.left, box.top, module_, barHeight_, text,
                        document_.Interpret(), orientation_, false, document_.Options());
    const app::ScanVerdict verdict =
        app::CheckScan(picture.Picture(), symbology_, text, document_.Options());
    if (!verdict.Failed()) return std::nullopt;
    return QCoreApplication::translate("PrintJob", "The first label, as it prints at %1 dpi: %2")
        .arg(QString::number(metrics_.PrinterDpiX), verdict.Message())
        .toStdString();
}

std::vector<std::string> JobWarnings(const PrintOptions& options, app::BarcodeDocument& document,
                                     const app::LabelSheet& sheet,
                                     const app::PrinterMetrics& metrics) {
    PicturePrintTarget nowhere({0, 0, 1, 1});
    PrintJob job(nowhere, options, document, sheet, metrics);
    try {
        job.Check();
    } catch (const platform::Failure&) {
        return {};
    }
    std::vector<std::string> warnings;
    if (auto fault = job.FitFault()) warnings.push_back(std::move(*fault));
    const app::SequenceSettings& sequence = document.Sequence();
    if (options.UseSequence && !options.UseData && !SequenceRangeFault(sequence))
        if (auto wrap = SequenceWrapWarning(sequence, job.SequenceTakes()))
            warnings.push_back(QCoreApplication::translate("PrintJob", "Warning: %1")
                                   .arg(QString::fromStdString(*wrap))
                                   .toStdString());
    return warnings;
}

void RunPrintJob(PrintTarget& target, PrintProgress& progress, const PrintOptions& options,
                 app::BarcodeDocument& document, const app::LabelSheet& sheet,
                 const app::PrinterMetrics& metrics) {
    PrintJob(target, options, document, sheet, metrics).Run(progress);
}

} // namespace print
