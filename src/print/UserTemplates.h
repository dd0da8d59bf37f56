#pragma once
// The label sheets a user imported (from gLabels template files), kept for later in
// $XDG_DATA_HOME/tallyrune/label-sheets.xml, in the built-in catalogue's form, and offered with
// the built-in ones.

#include "print/LabelTemplate.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace print {

QString UserTemplatesPath();

// The sheets in the catalogue's form (lengths in inches, or centimetres for metric sheets).
QByteArray WriteTemplateCatalogue(const std::vector<LabelTemplate>& sheets);

// The user's sheets; none when there is no file. Throws platform::Failure for a file that is
// not a catalogue.
std::vector<LabelTemplate> UserTemplates();

// Adds `imported` to the user's sheets (a sheet of the same maker and product replaces the
// earlier one) and writes them; throws platform::WriteFailure.
void KeepUserTemplates(const std::vector<LabelTemplate>& imported);

// The user's sheets first, then the built-in ones; a product in both is listed once, as the
// built-in catalogue has it.
std::vector<LabelTemplate> OfferedTemplates(const std::vector<LabelTemplate>& builtIn,
                                            const std::vector<LabelTemplate>& user);

} // namespace print
