#include "export/ExportFile.h"

#include "platform/AtomicFile.h"

#include <QFile>

namespace exporting {

SaveFailure::SaveFailure(const QString& name)
    : Failure("Unabled to Save to \"" + name.toStdString() + "\"") {}

void WriteExportFile(const QString& path, const QByteArray& contents, bool rasterMessage) {
    bool opened = false;
    bool inPlace = false; // a new file is written under its own name
    try {
        platform::WriteFileAtomically(
            path,
            [&](QIODevice& device) {
                opened = true;
                const auto* file = qobject_cast<QFile*>(&device);
                inPlace = file && file->fileName() == path;
                return device.write(contents) == contents.size();
            },
            platform::Durability::Renamed);
    } catch (const platform::WriteFailure&) {
        // A new file whose last bytes failed only when it was closed is still there.
        if (inPlace) QFile::remove(path);
        if (opened && rasterMessage) throw SaveFailure(path);
        throw;
    }
}

} // namespace exporting
