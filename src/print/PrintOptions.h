#pragma once
// Everything the print dialog shows, without a window: the range, the counts, the start label,
// text or sequence, the bar width choice and the alignments. The dialog binds its controls to
// these values and calls the operations; the print job reads them.

#include "platform/NumberFormat.h"
#include "print/MergePasses.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <string_view>

namespace app {
class BarcodeDocument;
struct AppSettings;
struct PrinterMetrics;
} // namespace app

namespace print {

enum class PrintRange { Single, Pages, Labels };

// None: no width button is selected (a document without AutoSize); the custom width governs.
// FitToLabel: the widest whole number of dots at which the barcode fits its label.
enum class BarWidthChoice { AutoSize, ScreenRatio, Custom, None, FitToLabel };

inline constexpr int kMaxPagesDigits = 4; // box lengths
inline constexpr int kMaxLabelsDigits = 9;
inline constexpr int kMaxCopiesDigits = 4;
inline constexpr int kMinCustomDots = 1; // the spin button's range
inline constexpr int kMaxCustomDots = 100;
inline constexpr int kPreviewRecords = 5; // the data file's first records shown

inline constexpr char kZeroNotAllowed[] =
    QT_TRANSLATE_NOOP("PrintOptions", "0 not allowed in this field"); // translated where shown

// Which controls are enabled (or, for the skip panel, visible).
struct PrintEnabling {
    bool Copies = false;           // eCopies
    bool LabelSheetSetup = false;  // sbLabelSettings
    bool SequenceSettings = false; // sbSeqSettings
    bool Text = false;             // eText
    bool SkipPanel = false;        // pSkip, visible
    bool Range = true;             // the range buttons and counts: not with a data file
    bool Data = false;             // the data file's controls

    bool operator==(const PrintEnabling&) const = default;
};

// What leaving a count box does to its text: empty becomes "1", a number loses its leading
// zeros; a zero is refused (kZeroNotAllowed), the text stays and the focus goes back.
struct CountFieldCheck {
    QString text;
    bool refused = false;

    bool operator==(const CountFieldCheck&) const = default;
};
CountFieldCheck CheckCountField(const QString& text);

// A start label on the sheet: at most labelsPerPage - 1, at least 0.
int ClampSkip(int skip, int labelsPerPage);

class PrintOptions {
  public:
    PrintRange Range = PrintRange::Single;
    int Pages = 1;  // ePages
    int Labels = 1; // eLabels
    bool UseSequence = false;
    int Copies = 1; // eCopies: labels that share one sequence number
    BarWidthChoice Width = BarWidthChoice::AutoSize;
    int CustomDots = 8; // eScale, printer dots
    bool HAlign = true;
    bool VAlign = true;
    std::string Text;                                   // eText, Latin-1 as the document keeps it
    QString BarWidthText = QStringLiteral("10.0 mils"); // LBarWidth
    // rbData: every record of a data file, each on Copies labels, whatever the range.
    bool UseData = false;
    MergeSource Data;                      // eDataFile, eColumn, cbHeader
    MergeScan DataScan;                    // what ReadData found
    std::string DataFailure;               // why Data could not be read; empty when read
    std::shared_ptr<MergeInput> DataInput; // Data's bytes, which the job reads again

    // Labels of the first sheet left blank, which is also the start label's index.
    int Skip() const { return skip_; }
    // Clamped by ClampSkip, so a sheet without labels keeps 0.
    void SetSkip(int skip, int labelsPerPage) { skip_ = ClampSkip(skip, labelsPerPage); }

    // Fills the options from the document and the settings, rounds the document's BarWidth to
    // whole printer dots, makes the document's sheet the current one (settings.Labels) and
    // lays it out.
    void LoadOptions(app::BarcodeDocument& document, app::AppSettings& settings,
                     app::PrinterMetrics& metrics);
    // Writes the choices back (on "&Ok"): SeqUse, AutoSize and BarWidth into the document, as
    // one undo step, the print settings into `settings`.
    void StoreOptions(app::BarcodeDocument& document, app::AppSettings& settings,
                      const app::PrinterMetrics& metrics) const;

    // The label count becomes one full sheet; the mils read-out follows the custom width.
    void UpdateCounts(const app::PrinterMetrics& metrics,
                      QChar decimalSeparator = platform::LocaleDecimalSeparator());
    PrintEnabling UpdateEnabling() const;

    // The spin buttons: one dot more (at most kMaxCustomDots) or less (at least
    // kMinCustomDots); the caller then runs UpdateCounts.
    void CustomDotsUp();
    void CustomDotsDown();

    // eText changed: the document keeps what its symbology can carry. True when that differs
    // from `typed`, so the box is set back to Text with the caret at its end.
    bool EditText(app::BarcodeDocument& document, std::string_view typed);

    // Throws platform::Failure(kZeroNotAllowed) for a count below 1 that the job would use:
    // Pages with "Pages", Labels with "Labels" (neither with a data file), Copies with
    // "Sequence" or a data file.
    void ValidateCounts() const;

    // Reads Data once through (ScanMergeData): counts its records, keeps the first
    // kPreviewRecords and the first that `symbology` cannot carry whole, which the job then
    // refuses; so the data is read again when the symbology changes. A failure empties
    // DataScan and is kept in DataFailure.
    void ReadData(const MergeSymbol& symbol);
    // The labels the records fill, each record Copies times.
    long long DataLabels() const;
    // LRecords: "250 records on 9 pages" from the start label; DataFailure when there is one.
    QString DataSummary(int labelsPerPage) const;
    // lbRecords: the first `count` records (at most kPreviewRecords), each as "line: text".
    QStringList DataPreview(int count) const;

  private:
    int skip_ = 0;
};

} // namespace print
