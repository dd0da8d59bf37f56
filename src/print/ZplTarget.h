#pragma once
// A print job's target for label printers that take ZPL II: each page, drawn at the printer's
// dots, becomes one label (platform::ZplLabel), written to a file or sent to a raw CUPS queue as
// it is, the way network label printers are fed. As with PrinterTarget, the labels go into a
// new file (beside the ZPL file, or a spool file for the queue) that only a finished job puts in
// place or sends; an aborted or failed job leaves nothing.

#include "app/PrinterOffsets.h"
#include "print/LabelFit.h"
#include "print/PrintTarget.h"

#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace print {

enum class ZplSink { File, RawQueue };

class ZplTarget : public PrintTarget {
  public:
    // `page` is the label in dots; `destination` the file's path or the queue's name.
    ZplTarget(QSize page, ZplSink sink, const QString& destination);
    ~ZplTarget() override;
    ZplTarget(const ZplTarget&) = delete;
    ZplTarget& operator=(const ZplTarget&) = delete;

    std::string PrinterName() const override;
    // Throws platform::WriteFailure when the file cannot be created, platform::Failure when no
    // spool file can be.
    void BeginDocument(const std::string& title) override;
    void NewPage() override;
    void SetClip(const LabelCell& cell) override;
    void ClearClip() override;
    engine::Surface& Surface() override;
    // Moves everything drawn on each label by `shift` dots (right and down when positive).
    void SetOffset(const app::OffsetDots& shift) { shift_ = shift; }
    void SetFontFace(const std::string& face) override;
    // Puts the file in place, or sends the spool file to the queue as application/vnd.cups-raw.
    void EndDocument() override;
    void AbortDocument() override;

  private:
    struct Output;
    void WritePage();
    void StartLabel();
    void RequireOpen() const;

    QSize page_;
    ZplSink sink_;
    QString destination_;
    std::string title_;
    std::string face_;
    app::OffsetDots shift_;
    std::unique_ptr<Output> output_;              // while a document is open
    std::optional<PicturePrintTarget> picture_;   // the page being drawn
};

} // namespace print
