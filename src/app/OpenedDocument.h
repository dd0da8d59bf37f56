#pragma once
// A document file as the designer opens it. Where a job refuses what it cannot draw, the
// designer refuses only what is no document; a value that no window can show is brought into
// range and the user told, so that no blank picture or "-5.0" in the height box meets them.

#include "app/DocumentFile.h"
#include "platform/NumberFormat.h"

#include <QChar>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace app {

// What opening changed, each as "TYPE=99 is not a barcode type: Code 128 is used".
using Corrections = std::vector<std::string>;

struct OpenedDocument {
    DocumentRecord record; // every value in range
    Corrections corrections;
};

// The document at `path`, or none when there is no file there. Throws platform::Failure
// "Unable to read <name>" for a file that cannot be read and RequireDocument's failure for one
// that is no document, naming the file by its name alone.
std::optional<OpenedDocument>
ReadOpenedDocument(const QString& path, engine::Unit currentUnit,
                   QChar decimalSeparator = platform::LocaleDecimalSeparator());

// Brings TYPE, HEIGHT, SCALE and ROTATE of `record`, read from `profile`, into range.
Corrections BringIntoRange(const platform::ProfileFile& profile, DocumentRecord& record,
                           QChar decimalSeparator);

// "label.tlr: TYPE=99 is not a barcode type: Code 128 is used; SCALE=1000 is beyond 10: 10 is
// used"; empty when nothing was changed.
QString CorrectionsNote(const QString& path, const Corrections& corrections);

} // namespace app
