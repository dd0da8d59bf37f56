#pragma once
// The paper a job prints on, as a user names it: a standard paper ("letter", "a4"), a size
// ("2x1in", "50x25mm", "6.2x10cm", width by height), or one of the printer's own media names
// ("w144h72", as a label printer's driver lists them). A roll of labels prints on paper of the
// label's size, one label a page.

#include "app/LabelSheet.h"

#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <optional>
#include <string_view>

namespace print {

// The page `name` stands for; a media name is looked up among `printer`'s (none without a
// printer). None for a name that is none of these, or a size of nothing.
std::optional<QPageSize> PageSizeNamed(std::string_view name, const QString& printer = {});

// `printer`'s own media of the page's size when it has one, so that its queue is asked for the
// media by its name; else the page itself.
QPageSize PrinterMediaFor(const QPageSize& page, const QString& printer);

// A roll whose labels are the page: in centimetres for a page defined in millimetres, else in
// inches.
app::LabelSheet RollOfPage(const QPageSize& page);

// The page of a roll's label.
QPageSize PageOfRoll(const app::LabelSheet& roll);

// For a roll: the printer's paper becomes the label (its own media of that size when it has
// one), without margins for a PDF file. A sheet leaves the printer as it is.
void UseRollPaper(QPrinter& printer, const app::LabelSheet& sheet);

} // namespace print
