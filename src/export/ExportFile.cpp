#include "export/ExportFile.h"

#include <QCoreApplication>

namespace exporting {

SaveFailure::SaveFailure(const QString& name)
    : Failure(QCoreApplication::translate("ExportFile", "Unabled to Save to \"%1\"").arg(name)) {}

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
