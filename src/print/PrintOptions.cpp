#include "print/PrintOptions.h"

#include "app/AppSettings.h"
#include "app/BarcodeDocument.h"
#include "engine/Units.h"
#include "platform/Errors.h"
#include "print/LabelLayout.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <optional>

namespace print {
namespace {

// A width in printer dots as mils; `fallback` without a resolution, so nothing divides by 0.
double DotsToMils(double dots, int dpi, double fallback) {
    return dpi > 0 ? dots * 1000.0 / dpi : fallback;
}

PrintRange RangeFromStored(int bp, int pr) {
    if (bp == 0) return PrintRange::Single;
    return pr != 0 ? PrintRange::Labels : PrintRange::Pages;
}

} // namespace

CountFieldCheck CheckCountField(const QString& text) {
    if (text.isEmpty()) return {QStringLiteral("1"), false};
    const std::optional<long long> value = platform::ParseInteger(text);
    // Only digits can be typed; anything else (pasted) is refused like a zero.
    if (!value || *value <= 0 || *value > std::numeric_limits<int>::max()) return {text, true};
    return {QString::number(*value), false};
}

int ClampSkip(int skip, int labelsPerPage) {
    if (skip >= labelsPerPage) skip = labelsPerPage - 1;
    return std::max(skip, 0);
}

void PrintOptions::LoadOptions(app::BarcodeDocument& document, app::AppSettings& settings,
                               app::PrinterMetrics& metrics) {
    UseSequence = document.Sequence().SeqUse;
    Width = document.AutoSize() ? BarWidthChoice::AutoSize : BarWidthChoice::None;
    const int dpi = metrics.PrinterDpiX;
    const double mils = document.BarWidth();
    const app::OutsideHistory fitted(document); // to the printer's dots: no change of the user's
    document.SetBarWidth(DotsToMils(engine::MilsToDots(dpi, mils), dpi, mils));
    // The sheet is laid out before the custom width is read, so a PrintScale still 0 shows
    // as the 10 mils that the layout puts in its place.
    settings.Labels = document.Labels();
    RecomputeLayout(settings.Labels, metrics, settings.Printing.PrintScale);
    const app::PrintSettings& printing = settings.Printing;
    CustomDots = printing.PrintScale;
    Pages = printing.Pages;
    Copies = printing.Copies;
    HAlign = printing.HAlign;
    VAlign = printing.VAlign;
    Text = document.BarcodeText();
    Range = RangeFromStored(printing.BP, printing.PR);
    UpdateCounts(metrics);
}

void PrintOptions::StoreOptions(app::BarcodeDocument& document, app::AppSettings& settings,
                                const app::PrinterMetrics& metrics) const {
    const app::HistoryStep step(document, QStringLiteral("Print Settings"));
    app::SequenceSettings sequence = document.Sequence();
    sequence.SeqUse = UseSequence;
    document.SetSequence(sequence);
    document.SetAutoSize(Width == BarWidthChoice::AutoSize);
    document.SetBarWidth(DotsToMils(CustomDots, metrics.PrinterDpiX, document.BarWidth()));
    app::PrintSettings& printing = settings.Printing;
    printing.PrintScale = CustomDots;
    printing.Pages = Pages;
    printing.Copies = Copies;
    printing.HAlign = HAlign;
    printing.VAlign = VAlign;
    printing.BP = Range == PrintRange::Single ? 0 : 1;
    printing.PR = Range == PrintRange::Pages ? 0 : 1;
}

void PrintOptions::UpdateCounts(const app::PrinterMetrics& metrics, QChar decimalSeparator) {
    Labels = metrics.LabelsPerPage;
    const double mils = DotsToMils(CustomDots, metrics.PrinterDpiX, 0.0);
    BarWidthText = platform::FormatFloat("##0.0", mils, decimalSeparator) + QStringLiteral(" mils");
}

PrintEnabling PrintOptions::UpdateEnabling() const {
    const bool sequence = UseSequence && !UseData;
    const bool sheet = UseData || Range != PrintRange::Single;
    return {sequence || UseData, sheet, sequence, !sequence && !UseData, sheet, !UseData, UseData};
}

void PrintOptions::CustomDotsUp() {
    CustomDots = std::min(static_cast<long long>(CustomDots) + 1, 0LL + kMaxCustomDots);
}

void PrintOptions::CustomDotsDown() {
    CustomDots = std::max(static_cast<long long>(CustomDots) - 1, 0LL + kMinCustomDots);
}

bool PrintOptions::EditText(app::BarcodeDocument& document, std::string_view typed) {
    document.SetBarcodeText(typed);
    Text = document.BarcodeText();
    return Text != typed;
}

void PrintOptions::ValidateCounts() const {
    const bool range = !UseData; // a data file's records make the count
    const bool zero = (range && Range == PrintRange::Pages && Pages < 1) ||
                      (range && Range == PrintRange::Labels && Labels < 1) ||
                      ((UseSequence || UseData) && Copies < 1);
    if (zero) throw platform::Failure(QCoreApplication::translate("PrintOptions", kZeroNotAllowed));
}

void PrintOptions::ReadData(const MergeSymbol& symbol) {
    DataScan = {};
    DataFailure.clear();
    DataInput.reset();
    if (Data.path.isEmpty()) return;
    try {
        DataInput = std::make_shared<MergeInput>(Data);
        DataScan = ScanMergeData(*DataInput, Data, symbol, kPreviewRecords);
    } catch (const std::exception& failure) {
        DataFailure = failure.what();
    }
}

long long PrintOptions::DataLabels() const {
    return DataScan.records * std::max(Copies, 1);
}

QString PrintOptions::DataSummary(int labelsPerPage) const {
    if (!DataFailure.empty()) return QString::fromStdString(DataFailure);
    if (Data.path.isEmpty()) return {};
    const long long labels = DataLabels();
    const long long pages =
        labelsPerPage > 0 ? (Skip() + labels + labelsPerPage - 1) / labelsPerPage : 0;
    const auto count = [](long long n, const char* one, const char* many) {
        return QCoreApplication::translate("PrintOptions", n == 1 ? one : many).arg(n);
    };
    return QCoreApplication::translate("PrintOptions", "%1 on %2")
        .arg(count(DataScan.records, QT_TRANSLATE_NOOP("PrintOptions", "%1 record"),
                   QT_TRANSLATE_NOOP("PrintOptions", "%1 records")),
             count(pages, QT_TRANSLATE_NOOP("PrintOptions", "%1 page"),
                   QT_TRANSLATE_NOOP("PrintOptions", "%1 pages")));
}

QStringList PrintOptions::DataPreview(int count) const {
    QStringList lines;
    const std::vector<MergeRecord>& first = DataScan.first;
    for (std::size_t i = 0; i < first.size() && static_cast<int>(i) < count; ++i)
        lines << QString::number(first[i].line) + QStringLiteral(": ") + first[i].text;
    return lines;
}

} // namespace print
