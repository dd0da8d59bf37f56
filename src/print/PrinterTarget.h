#pragma once
// A print job's target over a QPrinter: a CUPS queue or a PDF file. The page's origin is the
// painter's, the printable area's top-left corner when the printer is not in full-page mode.
// QPrinter::abort() does nothing for PDF output nor for CUPS, whose engine sends the job when the
// painter ends. So the pages go to a temporary file, and only when the document ends is a PDF put
// in place or the file handed to the CUPS queue; an aborted job's file is deleted.

#include "platform/PainterSurface.h"
#include "print/TestPage.h"

#include <QPainter>
#include <QRect>
#include <QString>
#include <QTemporaryFile>

#include <memory>
#include <optional>

class QPrinter;

namespace print {

class PrinterTarget : public TestPageTarget {
  public:
    // `printer` is set up (PrinterAccess) and outlives the target.
    explicit PrinterTarget(QPrinter& printer);
    // A document still open is aborted.
    ~PrinterTarget() override;
    PrinterTarget(const PrinterTarget&) = delete;
    PrinterTarget& operator=(const PrinterTarget&) = delete;

    // The queue's name, or the PDF file's path.
    std::string PrinterName() const override;
    // Throws platform::WriteFailure ("Unable to write to <path>") when the PDF cannot be
    // created, platform::Failure when the printer cannot start the job; nothing is left then.
    void BeginDocument(const std::string& title) override;
    void NewPage() override;
    void SetClip(const LabelCell& cell) override;
    void ClearClip() override;
    // Only while a document is open.
    engine::Surface& Surface() override;
    void SetFontFace(const std::string& face) override;
    // Puts the PDF in place (replacing an earlier file) or sends the job to the CUPS queue;
    // throws like BeginDocument, or platform::Failure when the queue refuses the job.
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
    void RequireOpen() const;
    void OpenPdfTemporary();
    void StartPainting();
    bool StopPainting();
    void PutPdfInPlace(bool painted);
    void DropPdfTemporary();
    void OpenSpoolFile();
    void SubmitSpoolFile(bool painted);
    void DropSpoolFile();

    QPrinter& printer_;
    QPainter painter_;
    std::optional<platform::PainterSurface> surface_; // while a document is open
    std::optional<QRect> clip_;
    QString face_;
    QString pdfPath_;      // PDF output: the file the job is for, while a document is open
    QString pdfTemporary_; // and the file being written
    std::unique_ptr<QTemporaryFile> spool_; // a CUPS job's pages, while a document is open
};

} // namespace print
