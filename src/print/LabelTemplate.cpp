#include "print/LabelTemplate.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"
#include "print/LabelLayout.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace print {
namespace {

struct UnitName {
    const char* name;
    LengthUnit unit;
    double inches; // one unit in inches
};

constexpr UnitName kUnits[] = {
    {"pt", LengthUnit::Point, 1.0 / 72.0},      {"in", LengthUnit::Inch, 1.0},
    {"mm", LengthUnit::Millimetre, 1.0 / 25.4}, {"cm", LengthUnit::Centimetre, 1.0 / 2.54},
    {"pc", LengthUnit::Pica, 12.0 / 72.0},
};

double InchesPer(LengthUnit unit) {
    return std::find_if(std::begin(kUnits), std::end(kUnits),
                        [&](const UnitName& u) { return u.unit == unit; })
        ->inches;
}

constexpr double kSteps = 1e9; // lengths are kept to a billionth of their unit

// The value rounded to a billionth of its unit, which is what typing its decimals gives:
// 48.3 mm - 45.7 mm becomes 0.26 cm, not 0.2599999999999994 cm.
// Lengths too large for that are left as they are.
double AsTyped(double value) {
    const double steps = value * kSteps;
    return std::isfinite(steps) ? std::round(steps) / kSteps : value;
}

double Gap(double pitch, double size, int count) {
    return count > 1 ? pitch - size : 0.0;
}

// Lengths as the listing shows them: millimetres for centimetre sheets.
QString Length(double value, engine::Unit unit) {
    return unit == engine::Unit::Centimetre ? platform::FormatFloat("#0.###", value * 10, '.')
                                            : platform::FormatFloat("#0.#####", value, '.');
}

QString UnitText(engine::Unit unit) {
    return unit == engine::Unit::Centimetre ? QStringLiteral("mm") : QStringLiteral("in");
}

// The words a search is matched against, sizes written without blanks ("99.1x38.1mm").
QString SearchKey(const LabelTemplate& t) {
    const engine::Unit unit = t.sheet.Unit;
    const QString width = Length(t.sheet.LabelWidth, unit);
    const QString height = Length(t.sheet.LabelHeight, unit);
    return QStringList{t.maker,
                       t.product,
                       t.description,
                       t.paper,
                       width + 'x' + height + UnitText(unit),
                       height + 'x' + width + UnitText(unit),
                       QString::number(t.count)}
        .join(' ')
        .toLower();
}

// The search in the key's form: "99,1 × 38,1 mm" becomes "99.1x38.1mm".
QStringList SearchWords(QString search) {
    search = search.toLower();
    search.replace(QChar(0x00D7), 'x');
    search.replace(',', '.');
    search.replace(QRegularExpression(QStringLiteral("(?<=[\\d.])\\s*x\\s*(?=[\\d.])")),
                   QStringLiteral("x"));
    search.replace(QRegularExpression(QStringLiteral("(?<=\\d)\\s+(?=(mm|in)\\b)")), QString());
    return search.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

bool KeyHasAll(const QString& key, const QStringList& words) {
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return key.contains(word); });
}

} // namespace

std::optional<LengthUnit> LengthUnitNamed(QStringView name) {
    for (const UnitName& u : kUnits)
        if (name == QLatin1String(u.name)) return u.unit;
    return std::nullopt;
}

engine::Unit SheetUnitOf(LengthUnit unit) {
    return unit == LengthUnit::Millimetre || unit == LengthUnit::Centimetre
               ? engine::Unit::Centimetre
               : engine::Unit::Inch;
}

double SheetLength(double length, LengthUnit unit, engine::Unit sheetUnit) {
    const double inches = length * InchesPer(unit);
    return AsTyped(sheetUnit == engine::Unit::Centimetre ? engine::InchesToCentimetres(inches)
                                                         : inches);
}

app::LabelSheet SheetOfGrid(const LabelGrid& grid, LengthUnit unit, engine::Unit sheetUnit) {
    const auto length = [&](double value) { return SheetLength(value, unit, sheetUnit); };
    return {length(grid.height),
            length(grid.width),
            length(grid.top),
            length(grid.left),
            length(Gap(grid.pitchY, grid.height, grid.rows)),
            length(Gap(grid.pitchX, grid.width, grid.columns)),
            sheetUnit};
}

QString SizeText(const LabelTemplate& t) {
    const engine::Unit unit = t.sheet.Unit;
    return Length(t.sheet.LabelWidth, unit) + " x " + Length(t.sheet.LabelHeight, unit) + ' ' +
           UnitText(unit);
}

QString TemplateLine(const LabelTemplate& t) {
    return (t.maker + ' ' + t.product).leftJustified(16) + ' ' + t.description.leftJustified(32) +
           ' ' + t.paper.leftJustified(7) + ' ' + SizeText(t).leftJustified(20) + ' ' +
           QString::number(t.count);
}

bool MatchesSearch(const LabelTemplate& sheet, const QString& search) {
    return KeyHasAll(SearchKey(sheet), SearchWords(search));
}

QString LayoutNote(const LabelTemplate& sheet, const app::PrinterMetrics& metrics) {
    if (app::IsRoll(sheet.sheet)) return {};
    app::PrinterMetrics layout = metrics;
    int printScale = 0; // a copy: nothing of this layout is kept
    RecomputeLayout(sheet.sheet, layout, printScale);
    if (layout.LabelsPerPage == sheet.count) return {};
    return QCoreApplication::translate(
               "LabelTemplate", "The sheet has %1 labels; %2 fit the printer's paper as laid out.")
        .arg(QString::number(sheet.count), QString::number(layout.LabelsPerPage));
}

std::vector<LabelTemplate> FindTemplates(const std::vector<LabelTemplate>& sheets,
                                         const QString& search) {
    const QStringList words = SearchWords(search);
    std::vector<LabelTemplate> found;
    std::copy_if(sheets.begin(), sheets.end(), std::back_inserter(found),
                 [&](const LabelTemplate& t) { return KeyHasAll(SearchKey(t), words); });
    return found;
}

} // namespace print
