#include "print/PrinterTarget.h"

#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/SurfaceText.h"
#include "print/CupsQueue.h"
#include "print/DeviceMetrics.h"
#include "print/PrintFailure.h"
#include "print/PrinterAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>

#include <stdexcept>
#include <unistd.h>

namespace print {

// The pages go through Qt's PDF writer, set up as the printer would draw them, straight into a
// file as they are drawn, so that a job of any length takes no more memory than one page: for a
// PDF file a new file beside it, put in place when the job ends; for a CUPS queue a spool file
// in the temporary folder, handed to the queue when the job ends. Either is removed with this.
struct PrinterTarget::Pages {
    explicit Pages(const QPrinter& printer) {
        QIODevice* device = &spool;
        if (IsPdfOutput(printer)) {
            pdf.emplace(printer.outputFileName());
            device = &pdf->Device();
        } else {
            spool.setFileTemplate(QDir::tempPath() + "/tallyrune-XXXXXX.job");
            if (!spool.open()) throw UnableToPrintOn(printer.printerName());
        }
        writer.emplace(device);
        writer->setPageLayout(printer.pageLayout());
        writer->setResolution(printer.resolution());
        writer->setTitle(printer.docName());
        writer->setCreator(printer.creator());
        writer->setPdfVersion(printer.pdfVersion());
    }

    // A write has failed already (a full disk): the job cannot succeed.
    bool Failed() const { return pdf ? pdf->Failed() : spool.error() != QFileDevice::NoError; }

    std::optional<platform::PendingFile> pdf;
    QTemporaryFile spool;
    std::optional<QPdfWriter> writer; // ends before the file it writes
};

namespace {

// A PDF that cannot be written is refused before the job runs, not after all its pages; what
// only the writing can tell (a full disk) is found when the job ends.
void RequireWritablePdfPath(const QString& path) {
    const QFileInfo target(path);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    if (path.isEmpty() || target.isDir() || ::access(folder.constData(), W_OK) != 0)
        throw platform::WriteFailure(path.toStdString());
}

} // namespace

PrinterTarget::PrinterTarget(QPrinter& printer, PrinterOutput output)
    : printer_(printer), output_(output) {}

PrinterTarget::~PrinterTarget() {
    AbortDocument();
}

std::string PrinterTarget::PrinterName() const {
    return (IsPdfOutput(printer_) ? printer_.outputFileName() : printer_.printerName())
        .toStdString();
}

void PrinterTarget::BeginDocument(const std::string& title) {
    if (painter_.isActive()) throw std::logic_error("PrinterTarget: a document is already open");
    printer_.setDocName(QString::fromStdString(title));
    if (output_ == PrinterOutput::Held) {
        if (IsPdfOutput(printer_)) RequireWritablePdfPath(printer_.outputFileName());
        pages_ = std::make_unique<Pages>(printer_);
    }
    if (!painter_.begin(&Device())) {
        pages_.reset();
        throw UnableToPrintOn(PrinterName());
    }
    // The one place the printer's offset applies: the painter keeps it from page to page, and
    // the surfaces made on it restore their state back to it.
    const app::OffsetDots shift =
        app::ToDots(offset_, Device().logicalDpiX(), Device().logicalDpiY());
    painter_.translate(shift.x, shift.y);
    StartPainting();
}

void PrinterTarget::NewPage() {
    RequireOpen();
    if (pages_ && pages_->Failed()) ThrowWriteFailure();
    // Starting a page writes the last one: a full disk shows here first.
    if (!Device().newPage()) {
        if (pages_ && pages_->Failed()) ThrowWriteFailure();
        throw platform::Failure(
            QCoreApplication::translate("PrinterTarget", "Unable to start a new page on %1")
                .arg(QString::fromStdString(PrinterName())));
    }
}

void PrinterTarget::SetClip(const LabelCell& cell) {
    RequireOpen();
    clip_ = QRect(cell.left, cell.top, cell.width, cell.height);
    painter_.setClipRect(*clip_);
}

void PrinterTarget::ClearClip() {
    clip_.reset();
    if (painter_.isActive()) painter_.setClipping(false);
}

engine::Surface& PrinterTarget::Surface() {
    RequireOpen();
    return *surface_;
}

void PrinterTarget::SetFontFace(const std::string& face) {
    face_ = QString::fromStdString(face);
    // The surface takes its face when made; making it anew drops the clip with its saved state.
    if (surface_) StartPainting();
}

void PrinterTarget::EndDocument() {
    RequireOpen();
    const bool painted = StopPainting();
    const std::unique_ptr<Pages> pages = std::move(pages_);
    if (!painted) throw UnableToPrintOn(PrinterName());
    if (!pages) return; // direct: the printer's engine has had the pages
    if (pages->pdf)
        pages->pdf->Commit(platform::Durability::Synced); // its failure names the system's reason
    else
        Submit(pages->spool);
}

void PrinterTarget::AbortDocument() {
    if (!painter_.isActive()) return;
    StopPainting();
    pages_.reset();
}

PageOrientation PrinterTarget::Orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void PrinterTarget::SetOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

void PrinterTarget::SetCopies(int copies) {
    printer_.setCopyCount(copies);
}

PageSize PrinterTarget::PrintableSize() const {
    app::PrinterMetrics metrics;
    ReadPrinterCapabilities(printer_, metrics);
    return {app::PrintableWidth(metrics), app::PrintableHeight(metrics)};
}

void PrinterTarget::DrawStyledText(int x, int y, std::string_view text,
                                   const engine::FontSpec& font, TextStyle style) {
    RequireOpen();
    QFont face = platform::FontForCellHeight(QString::fromStdString(font.face), font.cellHeight,
                                             font.weight);
    face.setUnderline(style.underline);
    const QFontMetrics metrics(face);
    const QString string = platform::SurfaceString(text);
    const QSize size(metrics.horizontalAdvance(string), metrics.ascent() + metrics.descent());
    const QColor paper = style.whiteOnBlack ? Qt::black : Qt::white;
    const QColor ink = style.whiteOnBlack ? Qt::white : Qt::black;
    platform::DrawTextCell(painter_, {x, y}, string, face, font.escapement,
                           {size, metrics.ascent(), paper, ink});
}

void PrinterTarget::RequireOpen() const {
    if (!surface_) throw std::logic_error("PrinterTarget: no document is open");
}

void PrinterTarget::StartPainting() {
    surface_.reset();
    surface_.emplace(painter_, face_);
    if (clip_) painter_.setClipRect(*clip_);
}

bool PrinterTarget::StopPainting() {
    surface_.reset();
    clip_.reset();
    return painter_.end();
}

QPagedPaintDevice& PrinterTarget::Device() {
    if (pages_) return *pages_->writer;
    return printer_;
}

// The failure of a file that cannot be written in full, as the job's end would report it.
void PrinterTarget::ThrowWriteFailure() const {
    if (IsPdfOutput(printer_))
        throw platform::WriteFailure(PrinterName(),
                                     pages_ && pages_->pdf ? pages_->pdf->FailureReason() : "");
    throw UnableToPrintOn(PrinterName());
}

// A spool file cut short by a full temporary folder never reaches the queue.
void PrinterTarget::Submit(QTemporaryFile& spool) {
    if (!spool.flush() || spool.error() != QFileDevice::NoError) ThrowWriteFailure();
    SubmitPrintFile(printer_, spool.fileName());
}

} // namespace print
