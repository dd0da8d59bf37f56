#include "export/ExportFile.h"

namespace exporting {

SaveFailure::SaveFailure(const QString& name)
    : Failure("Unabled to Save to \"" + name.toStdString() + "\"") {}

void WriteExportFile(platform::AtomicWriter& files, const QString& path, const QByteArray& contents,
                     bool rasterMessage) {
    try {
        files.Write(path, contents, platform::Durability::Renamed);
    } catch (const platform::WriteFailureAfterOpen&) {
        if (rasterMessage) throw SaveFailure(path);
        throw;
    }
}

} // namespace exporting
