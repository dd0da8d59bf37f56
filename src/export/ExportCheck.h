#pragma once
// The scan check of an exported file: the file just written, read back with its format's own
// reader, must decode to what the document means.

#include "app/ScanCheck.h"
#include "export/ExportFormat.h"
#include "export/Picture.h"
#include "platform/Errors.h"

#include <QString>

namespace exporting {

// "<path>: " and the verdict's message.
class ScanFailure : public platform::Failure {
  public:
    ScanFailure(const QString& path, const app::ScanVerdict& verdict);
};

// The verdict for the file at `path`, written from `document` at `module` and `dpi` as `format`
// (the format asked for: a ".wmf" name reads as WMF, as it was written).
app::ScanVerdict CheckExportedFile(const ExportDocument& document, int module, int dpi,
                                   ExportFormat format, const QString& path);

// Throws ScanFailure when the file does not read as meant; a symbology no decoder reads passes.
void VerifyExportedFile(const ExportDocument& document, int module, int dpi, ExportFormat format,
                        const QString& path);

} // namespace exporting
