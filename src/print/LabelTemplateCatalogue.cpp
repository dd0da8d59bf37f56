#include "print/LabelTemplateCatalogue.h"

#include "platform/Errors.h"
#include "platform/NumberFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

namespace print {
namespace {

const QString kCataloguePath = QStringLiteral(":/templates/label-sheets.xml");

class SheetReader {
  public:
    explicit SheetReader(const QXmlStreamReader& xml) : xml_(xml) {}

    QString Text(const char* name) const {
        const QStringView value = xml_.attributes().value(QLatin1String(name));
        if (value.isEmpty()) Fail(name);
        return value.toString();
    }
    double Real(const char* name) const {
        const auto value = platform::ParseReal(Text(name), '.');
        if (!value) Fail(name);
        return *value;
    }
    int Whole(const char* name) const {
        const auto value = platform::ParseInteger(Text(name));
        if (!value || *value < 1 || *value > 1000) Fail(name);
        return static_cast<int>(*value);
    }
    LengthUnit Unit() const {
        const auto unit = LengthUnitNamed(Text("unit"));
        if (!unit) Fail("unit");
        return *unit;
    }

  private:
    [[noreturn]] void Fail(const char* name) const {
        throw platform::Failure(
            QCoreApplication::translate("LabelTemplateCatalogue",
                                        "The label sheet catalogue has no valid %1 on line %2")
                .arg(QString::fromLatin1(name), QString::number(xml_.lineNumber())));
    }
    const QXmlStreamReader& xml_;
};

LabelTemplate ReadSheet(const QXmlStreamReader& xml) {
    const SheetReader in(xml);
    const LabelGrid grid{in.Real("width"),    in.Real("height"),  in.Real("left"),
                         in.Real("top"),      in.Real("pitch-x"), in.Real("pitch-y"),
                         in.Whole("columns"), in.Whole("rows")};
    const LengthUnit unit = in.Unit();
    return {in.Text("maker"),
            in.Text("product"),
            in.Text("description"),
            in.Text("paper"),
            SheetOfGrid(grid, unit, SheetUnitOf(unit)),
            grid.columns,
            grid.rows,
            in.Whole("count")};
}

// A roll: one label a page, on paper of the label's size.
LabelTemplate ReadRoll(const QXmlStreamReader& xml) {
    const SheetReader in(xml);
    const LengthUnit unit = in.Unit();
    const engine::Unit sheetUnit = SheetUnitOf(unit);
    const auto length = [&](const char* name) {
        return SheetLength(in.Real(name), unit, sheetUnit);
    };
    return {in.Text("maker"),
            in.Text("product"),
            in.Text("description"),
            QString::fromLatin1(kRollPaper),
            app::RollSheet(length("width"), length("height"), sheetUnit),
            1,
            1,
            1};
}

} // namespace

std::vector<LabelTemplate> ReadTemplateCatalogue(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    std::vector<LabelTemplate> sheets;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("label-sheets")) continue; // into the root
        if (reader.name() == QLatin1String("sheet")) sheets.push_back(ReadSheet(reader));
        if (reader.name() == QLatin1String("roll")) sheets.push_back(ReadRoll(reader));
        reader.skipCurrentElement();
    }
    if (reader.hasError())
        throw platform::Failure(
            QCoreApplication::translate("LabelTemplateCatalogue",
                                        "The label sheet catalogue is unreadable: %1")
                .arg(reader.errorString()));
    return sheets;
}

std::vector<LabelTemplate> BuiltInTemplates() {
    QFile file(kCataloguePath);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Failure(QCoreApplication::translate(
            "LabelTemplateCatalogue", "The label sheet catalogue is missing"));
    return ReadTemplateCatalogue(file.readAll());
}

} // namespace print
