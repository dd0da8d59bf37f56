#pragma once
// A maker's label sheet by its product number: what it is, its paper, and the six lengths and
// unit of the label sheet it gives. The built-in catalogue and gLabels template files both
// describe sheets by their grid (label size, first label's corner, pitch) in a length unit;
// SheetOfGrid turns that into the sheet as the label settings dialog holds it.

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"
#include "engine/Units.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace print {

// The paper of a roll's entry: the label itself.
inline constexpr char kRollPaper[] = "Roll";

struct LabelTemplate {
    QString maker;       // "Avery"
    QString product;     // "5160"
    QString description; // "Address Labels"
    QString paper;       // "Letter", "A4", or a gLabels paper name
    app::LabelSheet sheet;
    int columns = 0;
    int rows = 0;
    int count = 0; // labels on a sheet

    bool operator==(const LabelTemplate&) const = default;
};

// The length units of the catalogue and of gLabels files.
enum class LengthUnit { Point, Inch, Millimetre, Centimetre, Pica };

// "pt", "in", "mm", "cm" or "pc".
std::optional<LengthUnit> LengthUnitNamed(QStringView name);

// Millimetre and centimetre sheets are held in centimetres, all others in inches.
engine::Unit SheetUnitOf(LengthUnit unit);

// `length` in `unit` converted to `sheetUnit`, and rounded to a billionth of that unit, so
// 38.1 mm gives 3.81 cm exactly as typing "3.81" does.
double SheetLength(double length, LengthUnit unit, engine::Unit sheetUnit);

// A sheet as its makers describe it, every length in one unit.
struct LabelGrid {
    double width = 0;
    double height = 0;
    double left = 0;   // paper edge to the first column
    double top = 0;    // paper edge to the first row
    double pitchX = 0; // from one label's left edge to the next one's
    double pitchY = 0;
    int columns = 0;
    int rows = 0;
};

// The sheet in `sheetUnit`, each length by SheetLength. The gap of an axis with a single label
// is 0, whatever pitch the grid names.
app::LabelSheet SheetOfGrid(const LabelGrid& grid, LengthUnit unit, engine::Unit sheetUnit);

// "2.625 x 1 in" for inch sheets, "99.1 x 38.1 mm" for centimetre ones: width by height.
QString SizeText(const LabelTemplate& sheet);

// One line of a listing: maker and product, description, paper, size, labels per sheet.
QString TemplateLine(const LabelTemplate& sheet);

// Whether every word of `search` appears in the sheet's maker, product, description, paper, size
// (either way round, "99.1 x 38.1" or "38.1x99.1 mm") or count, in any letter case and with a
// decimal comma or point. An empty search matches every sheet.
bool MatchesSearch(const LabelTemplate& sheet, const QString& search);

// Empty when the sheet's labels are what its layout on the printer's paper gives, and for a roll,
// whose paper is the label; otherwise
// "The sheet has 14 labels; 12 fit the printer's paper as laid out."
QString LayoutNote(const LabelTemplate& sheet, const app::PrinterMetrics& metrics);

std::vector<LabelTemplate> FindTemplates(const std::vector<LabelTemplate>& sheets,
                                         const QString& search);

} // namespace print
