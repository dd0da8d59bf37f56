#include "print/PrinterAccess.h"

#include "app/PrinterOffsets.h"
#include "platform/Errors.h"
#include "print/CupsQueue.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace print {
namespace {

struct PaperName {
    std::string_view name;
    Paper paper;
    QPageSize::PageSizeId id;
};

constexpr PaperName kPapers[] = {
    {"letter", Paper::Letter, QPageSize::Letter},
    {"a4", Paper::A4, QPageSize::A4},
};

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

QString UnknownPrinterMessage(const std::string& name, const QStringList& known) {
    const QString printer = QString::fromStdString(name);
    if (known.isEmpty())
        return QCoreApplication::translate("PrinterAccess",
                                           "Unknown printer \"%1\": no printers are available")
            .arg(printer);
    return QCoreApplication::translate("PrinterAccess",
                                       "Unknown printer \"%1\"; the printers are: %2")
        .arg(printer, known.join(QStringLiteral(", ")));
}

} // namespace

QPageSize PageSizeOf(Paper paper) {
    const auto* found = std::find_if(std::begin(kPapers), std::end(kPapers),
                                     [&](const PaperName& p) { return p.paper == paper; });
    return QPageSize(found->id);
}

void CheckResolution(int dpi) {
    if (dpi < kMinPrinterDpi || dpi > kMaxPrinterDpi)
        throw platform::Failure(
            QCoreApplication::translate(
                "PrinterAccess", "The resolution must be from %1 to %2 dots per inch, not %3")
                .arg(QString::number(kMinPrinterDpi), QString::number(kMaxPrinterDpi),
                     QString::number(dpi)));
}

std::optional<Paper> PaperFromName(std::string_view name) {
    for (const PaperName& p : kPapers)
        if (SameLetters(p.name, name)) return p.paper;
    return std::nullopt;
}

std::vector<std::string> AvailablePrinters() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

std::string DefaultPrinterName() {
    return QPrinterInfo::defaultPrinterName().toStdString();
}

std::unique_ptr<QPrinter> OpenNamedPrinter(const std::string& name, std::optional<Paper> paper,
                                           int dpi) {
    return OpenNamedPrinter(name, paper ? std::optional(PageSizeOf(*paper)) : std::nullopt, dpi);
}

std::unique_ptr<QPrinter> OpenNamedPrinter(const std::string& name,
                                           const std::optional<QPageSize>& page, int dpi) {
    if (dpi != 0) CheckResolution(dpi);
    const QString wanted = QString::fromStdString(name);
    const QStringList known = QPrinterInfo::availablePrinterNames();
    if (!known.contains(wanted)) throw platform::Failure(UnknownPrinterMessage(name, known));
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrinterName(wanted);
    // The queue can vanish between the look-up and here; Qt would then print elsewhere.
    if (printer->printerName() != wanted)
        throw platform::Failure(UnknownPrinterMessage(name, QPrinterInfo::availablePrinterNames()));
    // Qt keeps its own default paper (A4) for a named printer: ask for the queue's unless told.
    printer->setPageSize(page ? *page : QPrinterInfo::printerInfo(wanted).defaultPageSize());
    if (dpi == 0)
        UseDriverResolution(*printer);
    else
        printer->setResolution(dpi);
    printer->setFullPage(false);
    return printer;
}

std::unique_ptr<QPrinter> OpenPdfPrinter(const QString& path, Paper paper, int dpi) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetUpPdfPrinter(*printer, path, paper, dpi);
    return printer;
}

std::unique_ptr<QPrinter> OpenPdfPrinter(const QString& path, const QPageSize& page, int dpi) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetUpPdfPrinter(*printer, path, Paper::Letter, dpi);
    printer->setPageLayout(
        QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    return printer;
}

void SetUpPdfPrinter(QPrinter& printer, const QString& path, Paper paper, int dpi) {
    if (path.isEmpty())
        throw platform::Failure(
            QCoreApplication::translate("PrinterAccess", "No PDF file was named"));
    CheckResolution(dpi);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setCreator("Tallyrune");
    printer.setResolution(dpi);
    printer.setPageLayout(QPageLayout(PageSizeOf(paper), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    printer.setFullPage(false);
}

bool IsPdfOutput(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat;
}

void UseDriverResolution(QPrinter& printer) {
    if (IsPdfOutput(printer)) return;
    const int dpi = DriverResolution(printer.printerName());
    if (dpi >= kMinPrinterDpi && dpi <= kMaxPrinterDpi) printer.setResolution(dpi);
}

QString OffsetPrinterName(const QPrinter& printer) {
    return IsPdfOutput(printer) ? QString::fromLatin1(app::kPdfPrinterName) : printer.printerName();
}

} // namespace print
