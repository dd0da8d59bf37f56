#pragma once
// Puts an encoded picture in its file: never a half-written file in place of an earlier one.

#include "platform/AtomicFile.h"
#include "platform/Errors.h"

#include <QByteArray>
#include <QString>

namespace exporting {

// An input/output error while a raster picture was written: "Unabled to Save to "<name>"".
class SaveFailure : public platform::Failure {
  public:
    explicit SaveFailure(const QString& name);
};

// Writes `contents` as the file `path` through `files`. A file that cannot be created fails with
// platform::WriteFailure; a failure once it is open does too, or with SaveFailure when
// `rasterMessage` is set.
void WriteExportFile(platform::AtomicWriter& files, const QString& path, const QByteArray& contents,
                     bool rasterMessage);

} // namespace exporting
