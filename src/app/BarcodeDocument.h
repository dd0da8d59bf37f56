#pragma once
// One open barcode design: its values, its picture at screen resolution, its file and the
// history of its changes. The document window shows it; the toolbar writes into it through the
// setters, which redraw, and undoes through its history.

#include "app/DiskStamp.h"
#include "app/DocumentFile.h"
#include "app/LabelSheet.h"
#include "app/OpenedDocument.h"
#include "app/PrinterMetrics.h"
#include "app/SequenceSettings.h"
#include "app/ValueCommand.h"
#include "engine/Symbology.h"
#include "engine/Units.h"
#include "platform/Errors.h"
#include "platform/NumberFormat.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QUndoStack>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// Neither side of the picture grows beyond this many pixels, nor its area beyond
// kMaxBitmapPixels, whatever the height, scale or text asks for (see Render).
inline constexpr int kMaxBitmapSide = 32767;
inline constexpr long long kMaxBitmapPixels = 1LL << 26;

// The screen scale a document is drawn at, in pixels per module: the stored scale within 1 to
// 10. Printing at the screen's ratio takes the same one, so a file's out-of-range scale prints
// as the window shows it.
int DrawnScale(int scale);

// The bar height that a document window's client area of `client` pixels stands for: the side
// across the bars over ScreenDpiY × scale, in `unit`. None while the
// document has no usable scale (0 before it is first filled) or the screen no resolution.
std::optional<double> BarHeightForClientSize(QSize client, std::uint8_t rotation, int scale,
                                             engine::Unit unit, int screenDpiY);

// The engine knows four orientations; any other stored rotation is drawn unturned.
inline engine::Orientation DrawnOrientation(std::uint8_t rotation) {
    return rotation <= 3 ? static_cast<engine::Orientation>(rotation) : engine::Orientation::Deg0;
}

// Keys typed, or border drags, closer together than this make one undo step.
inline constexpr std::chrono::milliseconds kEditPause{1000};

// What saving does when another program changed the document's file since it was read or
// written: ask (throw ChangedOnDisk), take the file's sequence number, or write over it.
enum class DiskChange { Ask, TakeFileSequence, Overwrite };

// "LABEL.TLR was changed by another program since it was opened. Its sequence is now at 91."
class ChangedOnDisk : public platform::Failure {
  public:
    ChangedOnDisk(const QString& path, std::optional<int> fileCurrent);
    std::optional<int> fileCurrent;
};

class BarcodeDocument : public QObject {
    Q_OBJECT

  public:
    // Takes what a new document copies from the process: the unit of its bar height and the
    // current label sheet. `metrics` is kept by reference for the screen resolution.
    BarcodeDocument(const app::PrinterMetrics& metrics, engine::Unit unit,
                    const app::LabelSheet& sheet, QObject* parent = nullptr);

    // Each setter of a value the file keeps, and of the font, is one step of History when it
    // changes the value (else it does nothing): it stores the value, then calls Refresh or, where
    // said, only notes the change. Undo and redo store the other value the same way.
    // Also re-filters the stored text; another symbology takes the usual ECC level and size.
    void SetSymbology(engine::SymbologyCode code);
    void SetBarcodeText(std::string_view text);    // stores what the symbology keeps of it
    void SetBarHeight(double height);              // in the document's unit
    void SetScale(int scale);
    void SetInterpret(bool interpret);
    void SetRotation(std::uint8_t rotation);
    // The two-dimensional symbols' error correction level (an engine::EccChoice label; empty
    // for the usual one) and symbol size (0 automatic); the linear symbols ignore them.
    void SetEccLevel(std::string_view level);
    void SetSymbolSize(int size);

    // The unit of BarHeight; nothing is converted (the main window converts the height and
    // calls SetBarHeight, both in one HistoryStep).
    void SetBarUnit(engine::Unit unit);
    // While set, Refresh does not render.
    void SetSuspended(bool suspended) { suspended_ = suspended; }
    // Stores the path and makes its file-name part the caption; does not refresh.
    void SetFileName(const QString& path);

    engine::SymbologyCode Symbology() const { return symbology_; }
    const std::string& BarcodeText() const { return text_; } // Latin-1 bytes
    // What the symbology carries of the stored text: what is drawn and measured, and exported,
    // also while a file's text is held as it was read.
    std::string DrawnText() const;
    double BarHeight() const { return barHeight_; }
    engine::Unit BarUnit() const { return unit_; }
    int Scale() const { return scale_; }
    bool Interpret() const { return interpret_; }
    std::uint8_t Rotation() const { return rotation_; }
    const engine::SymbolOptions& Options() const { return options_; }
    // Why the drawn text cannot be encoded (too long, bad GS1 data); empty when it can.
    std::string EncodingProblem() const;
    const QString& FileName() const { return fileName_; }
    QString Caption() const { return caption_; }
    QString Hint() const { return hint_; } // the window's tooltip
    const QImage& DocumentBitmap() const { return bitmap_; }
    bool Suspended() const { return suspended_; }
    bool Redrawing() const { return redrawing_; }

    // The values the print, sequence and label dialogs set: the picture stays as it is (no
    // Refresh).
    void SetAutoSize(bool autoSize);
    void SetBarWidth(double mils);
    void SetSequence(const app::SequenceSettings& sequence);
    void SetLabels(const app::LabelSheet& labels);
    bool AutoSize() const { return autoSize_; }
    double BarWidth() const { return barWidth_; } // mils
    const app::SequenceSettings& Sequence() const { return sequence_; }
    const app::LabelSheet& Labels() const { return labels_; }
    // The readable text's face and size; setting it redraws.
    void SetBarcodeFont(const QFont& font);
    const QFont& BarcodeFont() const { return font_; }

    // Updates the hint and, unless suspended, renders; Redrawing is set meanwhile.
    void Refresh();
    // Draws DocumentBitmap at screen resolution with Scale pixels per module, then emits
    // rendered(). Values out of range are drawn as follows (the stored ones stay as they are,
    // so the file keeps them): a scale below 1 or above 10 as 1 or 10, a rotation above 3 as
    // 0°, an unknown symbology as an empty box; a height that is negative, not a number or
    // too large gives 0 pixels or the most the picture may hold (kMaxBitmapSide and
    // kMaxBitmapPixels). A barcode longer than kMaxBitmapSide is drawn with the widest
    // module that fits; if even one pixel per module does not fit, the picture is white,
    // kMaxBitmapSide long. Either side of the picture is at least 1 pixel.
    void Render();
    // The barcode's length at one pixel per module, in the document's unit (0 without a
    // screen resolution).
    double WidthInUnits() const;
    // The bar height; for a square two-dimensional symbol, the height its module gives it at one
    // pixel per module (0 without a screen resolution).
    double HeightInUnits() const;

    // The side of a client area across the bars: its height, or its width when the bars are
    // turned by 90° or 270°. A resize that keeps it leaves the bar height as it is.
    int AcrossBars(QSize client) const;

    // The document window was resized to `client` pixels: unless redrawing or
    // without a scale, sets the bar height that the client area stands for and returns true,
    // so the main window refreshes its read-outs.
    bool ResizeClient(QSize client);

    // The document file. Saving first takes `path` as the file name (kept even if the write
    // fails), then replaces the file in one piece: a failure leaves the old file whole, the
    // document modified, and throws platform::WriteFailure ("Unable to write to <path>").
    // Loading takes the path as
    // the file name; when there is a file it reads it as ReadOpenedDocument does (throwing
    // for a file that is no document, before anything changes), stores the values in range
    // but unfiltered, makes the path the caption, refreshes and returns what was brought into
    // range; without a file it returns none and the document keeps its other values and
    // caption. `currentUnit` is the unit of a file without one.
    // Saving over the document's own file holds its lock (platform::FileLock, without waiting:
    // "<path> is in use by another job") and first compares the file with what this document
    // last read or wrote: changed by another program, it acts as `onChange` says.
    void SaveToFile(const QString& path,
                    QChar decimalSeparator = platform::LocaleDecimalSeparator(),
                    DiskChange onChange = DiskChange::Ask);
    // The file was written by this program (a print advanced its sequence there).
    void NoteFileWritten() { stamp_ = StampOf(fileName_); }
    std::optional<Corrections>
    LoadFromFile(const QString& path, engine::Unit currentUnit,
                 QChar decimalSeparator = platform::LocaleDecimalSeparator());
    // Takes what ReadOpenedDocument found at `path`, as loading does.
    std::optional<Corrections> Open(const QString& path,
                                    const std::optional<OpenedDocument>& opened);
    // Takes `record`, read from the file at `path`, as loading does.
    void Open(const QString& path, const DocumentRecord& record);

    // Every value that the file keeps, as stored.
    DocumentRecord Record() const;

    // Whether a value the file keeps differs from what the document was filled with, saved or
    // opened with: undoing back to that state clears the mark, undoing past it sets it again. A
    // change made outside the history keeps the mark until saved, even when changed back.
    bool Modified() const;
    // Takes the current values as the unchanged ones and the history's current step as the
    // clean one; saving does it itself, NewDocument once it has filled the document. Opening
    // also forgets the history.
    void ClearModified();

    // The user's changes, undone and redone by the main window's Edit menu.
    QUndoStack& History() { return history_; }
    // Ends a run of typing or dragging (the text box lost the focus): the next change starts a
    // step of its own. Undo and redo end the run too.
    void EndEdit() { ++run_; }
    // Where the pauses between changes are measured; a test sets its own.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }
    // While false, the setters change the values at once, outside the history: the program's
    // own changes (a new document being filled, a print taking sequence numbers). Such a change
    // marks the document modified until saved. See OutsideHistory.
    void SetRecording(bool recording) { recording_ = recording; }
    bool Recording() const { return recording_; }
    // The changes between the two make one step named `text`; none when nothing changed. See
    // HistoryStep.
    void BeginStep(const QString& text);
    void EndStep();

  signals:
    void rendered();                           // the picture changed: the window refits
    void captionChanged(const QString& title); // from SetFileName
    void hintChanged(const QString& hint);     // from Refresh
    void modifiedChanged(bool modified);       // whenever Modified() changes

  private:
    // Which changes merge into one step: the keys typed, or a border's drag, before a pause.
    enum class EditRun { None, Typing, Dragging };
    template <class Value, class Put>
    void Change(const char* what, const Value& before, Value after, Put put,
                EditRun run = EditRun::None);
    template <class Value>
    void ChangeField(const char* what, Value BarcodeDocument::*field, Value value, bool redraws,
                     EditRun run = EditRun::None);
    MergeRun MergeRunOf(EditRun run);
    void Restore(const DocumentRecord& record);
    void NoteChanges();
    long long BarHeightPixels(int scale) const;

    const app::PrinterMetrics& metrics_;
    engine::SymbologyCode symbology_ = engine::SymbologyCode::Code128;
    std::string text_;
    double barHeight_ = 0.0; // height, scale and the like stay zero until NewDocument fills them
    engine::Unit unit_ = engine::Unit::Inch;
    int scale_ = 0;
    bool interpret_ = false;
    std::uint8_t rotation_ = 0;
    engine::SymbolOptions options_;
    QString fileName_;
    QString caption_;
    QString hint_;
    QImage bitmap_;
    bool autoSize_ = true;
    double barWidth_ = 10.0;
    app::SequenceSettings sequence_;
    app::LabelSheet labels_;
    QFont font_;
    bool suspended_ = false;
    bool redrawing_ = false;
    DocumentRecord unchanged_; // the values when last filled, saved or opened
    DiskStamp stamp_;          // the file when last read or written
    bool modified_ = false;    // changed outside the history since filled, saved or opened
    bool toldModified_ = false; // what modifiedChanged said last
    bool recording_ = true;
    bool pushing_ = false;
    std::optional<QString> step_; // the name of the step being gathered
    bool stepOpen_ = false;       // its macro was begun
    Clock clock_ = [] { return std::chrono::steady_clock::now(); };
    std::chrono::steady_clock::time_point lastRunChange_;
    int run_ = 0;
    QUndoStack history_; // last: gone first, while what its signals reach still lives
};

// Sets one of a document's switches while it lives and puts the previous state back on every
// path.
template <bool (BarcodeDocument::*Get)() const, void (BarcodeDocument::*Set)(bool), bool During>
class ScopedDocumentSwitch {
  public:
    explicit ScopedDocumentSwitch(BarcodeDocument& document)
        : document_(document), was_((document.*Get)()) {
        (document_.*Set)(During);
    }
    ~ScopedDocumentSwitch() { (document_.*Set)(was_); }
    ScopedDocumentSwitch(const ScopedDocumentSwitch&) = delete;
    ScopedDocumentSwitch& operator=(const ScopedDocumentSwitch&) = delete;

  private:
    BarcodeDocument& document_;
    bool was_;
};

// Holds a document's drawing off (Refresh then draws nothing).
using ScopedSuspension =
    ScopedDocumentSwitch<&BarcodeDocument::Suspended, &BarcodeDocument::SetSuspended, true>;
// The program's own changes, which the user cannot undo.
using OutsideHistory =
    ScopedDocumentSwitch<&BarcodeDocument::Recording, &BarcodeDocument::SetRecording, false>;

// The user's changes while it lives make one undo step.
class HistoryStep {
  public:
    HistoryStep(BarcodeDocument& document, const QString& text) : document_(document) {
        document_.BeginStep(text);
    }
    ~HistoryStep() { document_.EndStep(); }
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;

  private:
    BarcodeDocument& document_;
};

} // namespace app
