#pragma once
// The label format file (".fmt", also ".lbf"): one FORMAT section with the sheet's six lengths
// and its unit, as document files carry it.

#include "app/LabelSheet.h"
#include "platform/NumberFormat.h"

#include <QChar>
#include <QString>

namespace print {

// Each value of the FORMAT section on its own falls back on its default. Throws
// platform::Failure "Unable to read <name>" for a missing or unreadable file and "<name> is not a
// label format" for one without a FORMAT section or that is not text (it holds a NUL byte), so
// that a wrong file never passes for a sheet of defaults.
app::LabelSheet LoadLabelFormat(const QString& path,
                                QChar decimalSeparator = platform::LocaleDecimalSeparator());
// Updates the FORMAT keys of an existing file and keeps everything else in it. Throws
// platform::WriteFailure ("Unable to write to <path>") when the file cannot be written, and
// also when an existing file cannot be read, rather than replace what it holds.
void SaveLabelFormat(const QString& path, const app::LabelSheet& sheet,
                     QChar decimalSeparator = platform::LocaleDecimalSeparator());

} // namespace print
