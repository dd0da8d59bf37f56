#pragma once
// The label format file (".fmt", also ".lbf"): one FORMAT section with the sheet's six lengths
// and its unit. Document files carry the same section, read and written by the same two
// functions below.

#include "platform/NumberFormat.h"
#include "platform/ProfileFile.h"
#include "print/LabelSheet.h"

#include <QChar>
#include <QString>

namespace print {

// What a file without the section (or with unreadable values) gives: 1.0 high, 2.0 wide, no
// margins or gaps, inches. Not the settings store's defaults.
inline constexpr LabelSheet kLabelFormatDefaults{1.0, 2.0, 0.0, 0.0, 0.0, 0.0, false};

// Each value on its own falls back on kLabelFormatDefaults.
LabelSheet ReadFormatSection(const platform::ProfileFile& profile, QChar decimalSeparator);
// HEIGHT, WIDTH, TOPMARGIN, LEFTMARGIN, GAPHEIGHT, GAPWIDTH, METRIC, in that order; keys that
// exist are updated in place.
void WriteFormatSection(platform::ProfileFile& profile, const LabelSheet& sheet,
                        QChar decimalSeparator);

// A missing, unreadable or foreign file gives the defaults; never throws.
LabelSheet LoadLabelFormat(const QString& path,
                           QChar decimalSeparator = platform::LocaleDecimalSeparator());
// Updates the FORMAT keys of an existing file and keeps everything else in it. Throws
// platform::WriteFailure ("Unable to write to <path>") when the file cannot be written, and
// also when an existing file cannot be read, rather than replace what it holds.
void SaveLabelFormat(const QString& path, const LabelSheet& sheet,
                     QChar decimalSeparator = platform::LocaleDecimalSeparator());

} // namespace print
