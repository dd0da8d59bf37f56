#pragma once
// A document file that a job is to draw (print, export, info): it must be a document, and every
// value that the drawing uses must be one it can draw. Where the designer opens any file with
// its defaults, a job refuses what it cannot draw, so that nothing is printed, nor a sequence
// number used, from a file that was never a document.

#include "app/DocumentFile.h"
#include "platform/ProfileFile.h"

#include <QChar>
#include <QString>

#include <string>
#include <vector>

namespace app {

// The shortest bar height a document may hold: a thousandth of an inch, one dot at 1000 dpi.
inline constexpr double kMinBarHeightInches = 0.001;

// A stored value that cannot be drawn: its key, and "KEY=value is ..." as it stands in the file.
struct ValueFault {
    std::string key;
    std::string text;
};

// Each stored value that cannot be drawn; empty when all can. A missing key takes its default
// and is no fault. Keys in `replaced` are not looked at: the caller draws other values in their
// place.
std::vector<ValueFault> UndrawableFaults(const platform::ProfileFile& profile,
                                         QChar decimalSeparator,
                                         const std::vector<std::string>& replaced = {});
// The same faults' texts.
std::vector<std::string> UndrawableValues(const platform::ProfileFile& profile,
                                          QChar decimalSeparator,
                                          const std::vector<std::string>& replaced = {});

// Throws platform::Failure "<name> is not a Tallyrune document" for a file with text but none of
// the document's sections, and for one that is not text at all (it holds a NUL byte). An empty
// file is a document with every default.
void RequireDocument(const platform::ProfileFile& profile, const std::string& name);

// The document at `path`. Throws platform::Failure: "Unable to read <path>" for no file or one
// that cannot be read; RequireDocument's with the path; "<path>: KEY=value is ..." for the first
// value it cannot draw.
DocumentRecord ReadDrawableDocument(const QString& path, engine::Unit currentUnit,
                                    QChar decimalSeparator,
                                    const std::vector<std::string>& replaced = {});

} // namespace app
