#pragma once
// The print job: one barcode per label, row by row from the start label, page after page,
// each label carrying the text or the next sequence number, through a PrintTarget.

#include "engine/BarDrawing.h"
#include "engine/Symbology.h"
#include "print/LabelFit.h"
#include "print/LabelLayout.h"
#include "print/PrintOptions.h"
#include "print/PrintTarget.h"
#include "print/Sequence.h"

#include <QtGlobal>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {
class BarcodeDocument;
}

namespace print {

inline constexpr char kPrintJobTitle[] = "Tallyrune";
// Failure texts, translated where they are thrown.
inline constexpr char kNoLabelFits[] = QT_TRANSLATE_NOOP(
    "PrintJob", "No label fits on the paper: check the label sheet setup and the printer's paper");
inline constexpr char kNoDataFile[] =
    QT_TRANSLATE_NOOP("PrintJob", "Choose the data file to print from");
// More labels on one page than any sheet has: a layout beyond it is a mistake in its values.
inline constexpr long long kMaxLabelsPerPage = 10000;

// "<symbology> cannot carry the sequence text "<text>" whole: check the sequence settings".
std::string SequenceNotCarried(engine::SymbologyCode symbology, std::string_view text);

// The module width for every label of the job, in printer dots: 10 mils (22 for POSTNET) with
// Auto Size, the screen's physical size at the document's drawn scale (1 to 10) with Screen
// Ratio, else the custom width; at least 1.
int ModuleWidthDots(const PrintOptions& options, const app::BarcodeDocument& document,
                    const app::PrinterMetrics& metrics);
// The module width those dots stand for, in mils, before rounding: Auto Size's, or the screen's
// module with Screen Ratio; none for a custom width, which is chosen in whole dots.
std::optional<double> AskedModuleMils(const PrintOptions& options,
                                      const app::BarcodeDocument& document,
                                      const app::PrinterMetrics& metrics);
// The document's bar height at the printer's horizontal resolution, whatever the rotation;
// never negative.
int BarHeightDots(const app::BarcodeDocument& document, const app::PrinterMetrics& metrics);
// Labels that share one text: the copies with "Sequence" or a data file, else 1.
int CopiesPerText(const PrintOptions& options);
// The text, or the next sequence number, which is consumed now.
std::string NextLabelText(const PrintOptions& options, app::SequenceSettings& sequence);

class PrintJob {
  public:
    // Every reference must outlive the job; the document's sequence advances as labels are
    // taken. `sheet` is the current label sheet, `metrics` holds its layout.
    PrintJob(PrintTarget& target, const PrintOptions& options, app::BarcodeDocument& document,
             const app::LabelSheet& sheet, const app::PrinterMetrics& metrics);

    // Throws platform::Failure before anything is printed for a zero count in use
    // (kZeroNotAllowed), on a sheet when no label fits (kNoLabelFits), and for a sequence when
    // the symbology cannot carry one of the texts the job would take whole (SequenceNotCarried,
    // naming the first), so that no number is used up by a job that cannot print it. A data
    // file's job is refused when the file could not be read (its failure), was not chosen
    // (kNoDataFile), or when PrintOptions::ReadData found no records or one the symbology cannot
    // carry whole (RequirePrintable). Also refuses a sheet of more than kMaxLabelsPerPage labels,
    // or whose labels follow each other at less than one dot, naming its values.
    void Check() const;
    // Why the job's labels would not scan, checked on its first label (and for a sequence its
    // last number, the widest): the barcode box with its quiet zones against the label
    // (BoxFitFault), then a picture of the first label as it prints, read by the scan check.
    // None when they scan.
    std::optional<std::string> FitFault() const;
    // The sequence numbers the job takes (1 for "Single").
    long long SequenceTakes() const { return TextsTaken(LabelGrid()); }
    // The pages the job prints when it is not cancelled.
    long long PageCount() const;
    // The module width of every label, in printer dots.
    int ModuleDots() const { return module_; }
    // Check, then prints: StartProgress, SetPage(1) and a SetPage for every further page
    // (StartProgress itself reports no page), and Finish however the job ends. A cancel is
    // looked for after every label; a cancelled job, or one that throws, is aborted, not ended.
    void Run(PrintProgress& progress);

    // "Single": the whole printable area, unclipped; a sheet: the label's cell, clipped to it.
    void PrintLabelAt(int column, int row, std::string_view text);
    // Draws what the symbology carries of `text` (so the bars and the readable text agree) at
    // the cell's corner, or centred across and down it as aligned.
    void DrawInCell(const LabelCell& cell, std::string_view text);

  private:
    void CheckLayout() const;
    LabelCell FirstCell() const;
    std::string FirstText() const;
    std::vector<std::string> WidestTexts() const;
    int FittedModule() const;
    std::optional<std::string> FirstLabelFault() const;
    LabelCell BoxIn(const LabelCell& cell, std::string_view text) const;
    struct Grid {
        int rows;
        int columns;
        int skip;
    };
    void CheckData() const;
    std::string TakeText();
    Grid LabelGrid() const;
    long long TextsTaken(const Grid& grid) const;
    bool PrintPage(const Grid& grid, bool firstPage, PrintProgress& progress);

    PrintTarget& target_;
    const PrintOptions& options_;
    app::BarcodeDocument& document_;
    const app::LabelSheet& sheet_;
    const app::PrinterMetrics& metrics_;
    engine::SymbologyCode symbology_;
    int module_;
    int barHeight_;
    engine::Orientation orientation_;
    std::string fontFace_;
    int copies_;
    PrintRange range_;     // a data file's job is a range of labels
    long long labelCount_; // with PrintRange::Labels
    int copy_ = 0;         // labels printed with the current text (on this page for a sequence)
    long long labelsPrinted_ = 0;
    std::optional<MergeTexts> records_; // a data file's, once the first label is printed
    std::string text_;
};

// The print dialog's warnings for the job as it stands: the fit check's (PrintJob::FitFault) and
// a sequence's wrap (SequenceWrapWarning). None for a job that Check refuses: "&Ok" says why.
std::vector<std::string> JobWarnings(const PrintOptions& options, app::BarcodeDocument& document,
                                     const app::LabelSheet& sheet,
                                     const app::PrinterMetrics& metrics);

// Runs one job from start to end (see PrintJob::Run).
void RunPrintJob(PrintTarget& target, PrintProgress& progress, const PrintOptions& options,
                 app::BarcodeDocument& document, const app::LabelSheet& sheet,
                 const app::PrinterMetrics& metrics);

} // namespace print
