#include "print/PrinterTarget.h"

#include "platform/Errors.h"
#include "print/CupsQueue.h"
#include "print/DeviceMetrics.h"
#include "print/PrinterAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <QRandomGenerator>

#include <cstdio>
#include <stdexcept>

namespace print {
namespace {

// A hidden name beside the target, so the rename that puts it in place stays on one file system.
QString TemporaryNameBeside(const QFileInfo& target) {
    QString name;
    do {
        name = target.absolutePath() + "/." + target.fileName() + "." +
               QString::number(QRandomGenerator::global()->generate64(), 36) + ".part";
    } while (QFileInfo::exists(name));
    return name;
}

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PrinterTarget::PrinterTarget(QPrinter& printer) : printer_(printer) {}

PrinterTarget::~PrinterTarget() {
    AbortDocument();
}

std::string PrinterTarget::PrinterName() const {
    if (!IsPdfOutput(printer_)) return printer_.printerName().toStdString();
    return (pdfPath_.isEmpty() ? printer_.outputFileName() : pdfPath_).toStdString();
}

void PrinterTarget::BeginDocument(const std::string& title) {
    if (painter_.isActive()) throw std::logic_error("PrinterTarget: a document is already open");
    printer_.setDocName(QString::fromStdString(title));
    if (IsPdfOutput(printer_))
        OpenPdfTemporary();
    else
        OpenSpoolFile();
    if (!painter_.begin(&printer_)) {
        const std::string name = PrinterName();
        const bool pdf = !pdfPath_.isEmpty();
        DropPdfTemporary();
        DropSpoolFile();
        if (pdf) throw platform::WriteFailure(name);
        throw platform::Failure("Unable to print on " + name);
    }
    StartPainting();
}

void PrinterTarget::NewPage() {
    RequireOpen();
    if (!printer_.newPage())
        throw platform::Failure("Unable to start a new page on " + PrinterName());
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
    if (!pdfPath_.isEmpty()) return PutPdfInPlace(painted);
    SubmitSpoolFile(painted);
}

void PrinterTarget::AbortDocument() {
    if (!painter_.isActive()) return;
    printer_.abort(); // PDF and CUPS engines ignore it; other platforms' drivers discard the job
    StopPainting();
    DropPdfTemporary();
    DropSpoolFile();
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
    const QString string = ToQString(text);
    const QSize size(metrics.horizontalAdvance(string), metrics.ascent() + metrics.descent());
    const QColor paper = style.whiteOnBlack ? Qt::black : Qt::white;
    const QColor ink = style.whiteOnBlack ? Qt::white : Qt::black;
    platform::DrawTextCell(painter_, {x, y}, string, face, font.escapement,
                           {size, metrics.ascent(), paper, ink});
}

void PrinterTarget::RequireOpen() const {
    if (!surface_) throw std::logic_error("PrinterTarget: no document is open");
}

void PrinterTarget::OpenPdfTemporary() {
    const QString path = printer_.outputFileName();
    const QFileInfo target(path);
    if (path.isEmpty() || target.isDir()) throw platform::WriteFailure(path.toStdString());
    pdfPath_ = path;
    pdfTemporary_ = TemporaryNameBeside(target);
    printer_.setOutputFileName(pdfTemporary_);
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

void PrinterTarget::PutPdfInPlace(bool painted) {
    const QString path = pdfPath_;
    if (painted && std::rename(QFile::encodeName(pdfTemporary_).constData(),
                               QFile::encodeName(path).constData()) == 0)
        pdfTemporary_.clear(); // in place: nothing left to remove
    const bool placed = pdfTemporary_.isEmpty();
    DropPdfTemporary();
    if (!placed) throw platform::WriteFailure(path.toStdString());
}

void PrinterTarget::DropPdfTemporary() {
    if (pdfPath_.isEmpty()) return;
    if (!pdfTemporary_.isEmpty()) QFile::remove(pdfTemporary_);
    printer_.setOutputFileName(pdfPath_);
    pdfPath_.clear();
    pdfTemporary_.clear();
}

// The printer's own engine writes the pages to a file instead of sending them (a name without
// the ".pdf" suffix keeps it the CUPS engine, with the queue's paper and printable area).
void PrinterTarget::OpenSpoolFile() {
    auto spool = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/tallyrune-XXXXXX.job");
    if (!spool->open()) throw platform::Failure("Unable to print on " + PrinterName());
    spool->close(); // the name stays taken until the object goes
    printer_.setOutputFileName(spool->fileName());
    spool_ = std::move(spool);
}

void PrinterTarget::SubmitSpoolFile(bool painted) {
    const std::unique_ptr<QTemporaryFile> spool = std::move(spool_); // removed on return
    printer_.setOutputFileName(QString());
    if (!painted) throw platform::Failure("Unable to print on " + PrinterName());
    SubmitPrintFile(printer_, spool->fileName());
}

void PrinterTarget::DropSpoolFile() {
    if (!spool_) return;
    printer_.setOutputFileName(QString());
    spool_.reset(); // removes the file
}

} // namespace print
