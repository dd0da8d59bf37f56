#include "export/ExportFile.h"

#include "platform/AtomicFile.h"

namespace exporting {

SaveFailure::SaveFailure(const QString& name)
    : Failure("Unabled to Save to \"" + name.toStdString() + "\"") {}

void WriteExportFile(const QString& path, const QByteArray& contents, bool rasterMessage) {
    try {
        platform::WriteFileAtomically(path, contents, platform::Durability::Renamed);
    } catch (const platform::WriteFailureAfterOpen&) {
        if (rasterMessage) throw SaveFailure(path);
        throw;
    }
}

} // namespace exporting
