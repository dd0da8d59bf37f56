#include "export/ExportCheck.h"

#include "export/Exporter.h"
#include "export/PictureReaders.h"

namespace exporting {

ScanFailure::ScanFailure(const QString& path, const app::ScanVerdict& verdict)
    : platform::Failure((path + QStringLiteral(": ") + verdict.Message()).toStdString()) {}

app::ScanVerdict CheckExportedFile(const ExportDocument& document, int module, int dpi,
                                   ExportFormat format, const QString& path) {
    const PictureGeometry picture = PictureFor(document, module, dpi);
    const QImage read = ReadExportedPicture(path, WrittenFormat(format, path), picture);
    return app::CheckScan(read, document.Symbology, document.BarcodeText, document.Options);
}

void VerifyExportedFile(const ExportDocument& document, int module, int dpi, ExportFormat format,
                        const QString& path) {
    const app::ScanVerdict verdict = CheckExportedFile(document, module, dpi, format, path);
    if (verdict.Failed()) throw ScanFailure(path, verdict);
}

} // namespace exporting
