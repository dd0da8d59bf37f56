#pragma once
// The label format file (".fmt", also ".lbf"): one FORMAT section with the sheet's six lengths
// and its unit, as document files carry it.

#include "app/LabelSheet.h"
#include "platform/NumberFormat.h"

#include <QChar>
#include <QString>

namespace print {

// A missing, unreadable or foreign file gives the defaults; never throws.
app::LabelSheet LoadLabelFormat(const QString& path,
                                QChar decimalSeparator = platform::LocaleDecimalSeparator());
// Updates the FORMAT keys of an existing file and keeps everything else in it. Throws
// platform::WriteFailure ("Unable to write to <path>") when the file cannot be written, and
// also when an existing file cannot be read, rather than replace what it holds.
void SaveLabelFormat(const QString& path, const app::LabelSheet& sheet,
                     QChar decimalSeparator = platform::LocaleDecimalSeparator());

} // namespace print
