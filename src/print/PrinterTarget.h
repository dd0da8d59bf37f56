#pragma once
// A print job's target over a QPrinter: a CUPS queue or a PDF file. The page's origin is the
// painter's, the printable area's top-left corner when the printer is not in full-page mode.
// Qt's PDF engine reports no write error (a full disk gives a cut-off file and a painter that
// ends well) and ignores QPrinter::abort(); its CUPS engine sends the job when the painter ends.
// So the pages are drawn as a PDF of our own, with the printer's page layout and resolution,
// into a file whose write errors are seen: beside the PDF file, renamed over it only when the
// job has finished (a failed write keeps the earlier file and leaves nothing), or a spool file
// handed to the CUPS queue when the job has finished. A job aborted or failed half way has
// written nothing anywhere.

#include "app/PrinterOffsets.h"
#include "platform/PainterSurface.h"
#include "print/TestPage.h"

#include <QByteArray>
#include <QPainter>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QTemporaryFile;

namespace print {

// Held: the pages are held back until the document ends (a printer or a PDF file). Direct: they
// go to the printer's own engine as they are drawn, as a print preview's printer wants them.
enum class PrinterOutput { Held, Direct };

class PrinterTarget : public TestPageTarget {
  public:
    // `printer` is set up (PrinterAccess) and outlives the target.
    explicit PrinterTarget(QPrinter& printer, PrinterOutput output = PrinterOutput::Held);
    // A document still open is aborted.
    ~PrinterTarget() override;
    PrinterTarget(const PrinterTarget&) = delete;
    PrinterTarget& operator=(const PrinterTarget&) = delete;

    // Every document begun from now on is drawn moved by `offset` on the paper: labels, their
    // clipping and the test page alike.
    void SetOffset(const app::PrinterOffset& offset) { offset_ = offset; }

    // The queue's name, or the PDF file's path.
    std::string PrinterName() const override;
    // Throws platform::WriteFailure ("Unable to write to <path>") when the PDF's folder is
    // missing or not writable or the path is a folder, platform::Failure when the job cannot
    // start.
    void BeginDocument(const std::string& title) override;
    void NewPage() override;
    void SetClip(const LabelCell& cell) override;
    void ClearClip() override;
    // Only while a document is open.
    engine::Surface& Surface() override;
    void SetFontFace(const std::string& face) override;
    // Puts the PDF in place (replacing an earlier file) or sends the job to the CUPS queue.
    // Throws platform::WriteFailure when the PDF cannot be written in full (an earlier file then
    // stays as it was), platform::Failure when the job cannot be spooled or the queue refuses it.
    void EndDocument() override;
    // Nothing of the job is kept or sent: an earlier file at the PDF's path stays as it was, and
    // the CUPS queue never sees the job. Does nothing when no document is open.
    void AbortDocument() override;

    PageOrientation Orientation() const override;
    void SetOrientation(PageOrientation orientation) override;
    void SetCopies(int copies) override;
    PageSize PrintableSize() const override;
    void DrawStyledText(int x, int y, std::string_view text, const engine::FontSpec& font,
                        TextStyle style) override;

  private:
    struct Pages; // an open document's PDF, in its file

    void RequireOpen() const;
    void StartPainting();
    bool StopPainting();
    [[noreturn]] void ThrowWriteFailure() const;
    void Submit(QTemporaryFile& spool);
    QPagedPaintDevice& Device();

    QPrinter& printer_;
    PrinterOutput output_;
    std::unique_ptr<Pages> pages_;                    // while a document is open
    QPainter painter_;                                // on pages_, so it ends first
    std::optional<platform::PainterSurface> surface_; // while a document is open
    std::optional<QRect> clip_;
    QString face_;
    app::PrinterOffset offset_;
};

} // namespace print
