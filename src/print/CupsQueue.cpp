#include "print/CupsQueue.h"

#include "engine/Units.h"
#include "platform/Errors.h"
#include "print/PrintFailure.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <string>

namespace print {
namespace {

struct JobOptions {
    int count = 0;
    cups_option_t* options = nullptr;

    JobOptions() = default;
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;
    ~JobOptions() { cupsFreeOptions(count, options); }

    void Add(const char* name, const QByteArray& value) {
        count = cupsAddOption(name, value.constData(), count, &options);
    }
};

void AddPrinterSettings(const QPrinter& printer, JobOptions& job) {
    job.Add("media", printer.pageLayout().pageSize().key().toUtf8());
    if (printer.copyCount() > 1) {
        job.Add("copies", QByteArray::number(printer.copyCount()));
        if (printer.collateCopies()) job.Add("Collate", "True");
    }
    if (printer.pageLayout().orientation() == QPageLayout::Landscape) job.Add("landscape", "");
    // Bars were placed on this resolution's dots; a printer that offers it should print at it.
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    if (info.supportedResolutions().contains(printer.resolution()))
        job.Add("Resolution", QByteArray::number(printer.resolution()) + "dpi");
}

[[noreturn]] void Refused(const QString& queue) {
    throw platform::Failure(UnableToPrintOn(queue, QString::fromUtf8(cupsLastErrorString())));
}

} // namespace

int DriverResolution(const QString& queue) {
    const QByteArray name = queue.section('/', 0, 0).toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest) return 0;
    int dpi = 0;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        ipp_res_t units = IPP_RES_PER_INCH;
        int y = 0;
        if (ipp_attribute_t* resolution =
                cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution"))
            dpi = ippGetResolution(resolution, 0, &y, &units);
        if (units == IPP_RES_PER_CM) dpi = engine::RoundHalfEven(dpi * engine::kCentimetresPerInch);
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return dpi;
}

int SubmitRawFile(const QString& queue, const QString& file, const QString& title) {
    JobOptions job;
    job.Add("raw", ""); // the client sends the file as CUPS_FORMAT_RAW
    const QByteArray name = queue.section('/', 0, 0).toLocal8Bit();
    const int id = cupsPrintFile(name.constData(), QFile::encodeName(file).constData(),
                                 title.toUtf8().constData(), job.count, job.options);
    if (id == 0) Refused(queue);
    return id;
}

int SubmitPrintFile(const QPrinter& printer, const QString& file) {
    JobOptions job;
    AddPrinterSettings(printer, job);
    // A queue's instance ("queue/instance") only chooses the settings; CUPS takes the queue name.
    const QByteArray queue = printer.printerName().section('/', 0, 0).toLocal8Bit();
    const int id = cupsPrintFile(queue.constData(), QFile::encodeName(file).constData(),
                                 printer.docName().toUtf8().constData(), job.count, job.options);
    if (id == 0) Refused(printer.printerName());
    return id;
}

} // namespace print
