#include "print/GlabelsTemplates.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace print {
namespace {

constexpr int kNamedRefusals = 8; // in the message; the rest are counted
constexpr int kMostAlong = 1000;  // labels across or down a sheet: more is no label sheet

// A template that cannot become a label sheet, with the reason: a text of this file's (in the
// user's language), %1 replaced by `detail`.
struct Refusal : std::runtime_error {
    explicit Refusal(const char* reason, const QString& detail = {})
        : std::runtime_error(Reason(reason, detail)) {}
    explicit Refusal(const std::string& reason) : std::runtime_error(reason) {}

  private:
    static std::string Reason(const char* reason, const QString& detail) {
        const QString text = QCoreApplication::translate("GlabelsTemplates", reason);
        return (detail.isEmpty() ? text : text.arg(detail)).toStdString();
    }
};

// "no readable <name>": a length or count that is missing from the file or no number.
Refusal Unreadable(const char* name) {
    return Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "no readable %1"),
                   QString::fromLatin1(name));
}

// One element of a Template with what it holds, read whole so that a refusal anywhere in it
// leaves the reader at its end.
struct Element {
    QString name;
    QXmlStreamAttributes attributes;
    std::vector<Element> children;

    QStringView Value(const char* attribute) const {
        return attributes.value(QLatin1String(attribute));
    }
};

// A Template holds its label, which holds its layouts and markup: what lies deeper is skipped
// unread, so no file can nest the reader into a deep recursion.
constexpr int kTemplateDepth = 3;

Element ReadElement(QXmlStreamReader& xml, int depth = 1) {
    Element element{xml.name().toString(), xml.attributes(), {}};
    if (depth == kTemplateDepth) {
        xml.skipCurrentElement();
        return element;
    }
    while (xml.readNextStartElement())
        element.children.push_back(ReadElement(xml, depth + 1));
    return element;
}

struct ShapeName {
    const char* element;
    const char* refusal;
};
constexpr ShapeName kOtherShapes[] = {
    {"Label-round", QT_TRANSLATE_NOOP("GlabelsTemplates", "round labels")},
    {"Label-ellipse", QT_TRANSLATE_NOOP("GlabelsTemplates", "elliptical labels")},
    {"Label-cd", QT_TRANSLATE_NOOP("GlabelsTemplates", "CD labels")},
    {"Label-path", QT_TRANSLATE_NOOP("GlabelsTemplates", "labels of a drawn shape")},
};

// "1.5in", "38.1mm", "72" (points when no unit is given); as in gLabels, a length that is
// missing or empty is 0.
struct Length {
    double value;
    LengthUnit unit;
};

Length ReadLength(const Element& element, const char* name) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?)\\s*([a-z]*)\\s*$"));
    const QStringView text = element.Value(name);
    if (text.trimmed().isEmpty()) return {0.0, LengthUnit::Point};
    const QRegularExpressionMatch match = form.match(text);
    const auto unit = match.hasMatch() && match.capturedLength(2) == 0
                          ? std::optional(LengthUnit::Point)
                          : LengthUnitNamed(match.capturedView(2));
    const double value = match.hasMatch() ? match.captured(1).toDouble() : 0.0;
    if (!match.hasMatch() || !unit || !std::isfinite(value)) throw Unreadable(name);
    return {value, *unit};
}

int ReadCount(const Element& element, const char* name) {
    bool ok = false;
    const int count = element.Value(name).toInt(&ok);
    if (!ok || count < 1 || count > kMostAlong) throw Unreadable(name);
    return count;
}

const Element& OnlyLayout(const Element& rectangle) {
    const Element* layout = nullptr;
    for (const Element& child : rectangle.children) {
        if (child.name != QLatin1String("Layout")) continue;
        if (layout)
            throw Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "labels in more than one grid"));
        layout = &child;
    }
    if (!layout) throw Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "no layout"));
    return *layout;
}

// A Label-rectangle and its one Layout (its corner radius and over-print waste do not move a
// label, and are not read): in centimetres when the label's width is given in
// millimetres or centimetres, or in points or picas on a paper other than a US one; else in
// inches.
void ReadRectangle(const Element& rectangle, bool usPaper, LabelTemplate& sheet) {
    const Length width = ReadLength(rectangle, "width");
    const engine::Unit sheetUnit = width.unit != LengthUnit::Inch && !usPaper
                                       ? engine::Unit::Centimetre
                                       : SheetUnitOf(width.unit);
    const auto length = [&](const Element& e, const char* name) {
        const Length l = ReadLength(e, name);
        const double converted = SheetLength(l.value, l.unit, sheetUnit);
        if (!std::isfinite(converted)) throw Unreadable(name);
        return converted;
    };
    const auto size = [&](const char* name) {
        const double converted = length(rectangle, name);
        if (converted <= 0) throw Unreadable(name);
        return converted;
    };
    const Element& layout = OnlyLayout(rectangle);
    const LabelGrid grid{size("width"),           size("height"),         length(layout, "x0"),
                         length(layout, "y0"),    length(layout, "dx"),   length(layout, "dy"),
                         ReadCount(layout, "nx"), ReadCount(layout, "ny")};
    sheet.sheet = SheetOfGrid(
        grid, sheetUnit == engine::Unit::Centimetre ? LengthUnit::Centimetre : LengthUnit::Inch,
        sheetUnit);
    sheet.columns = grid.columns;
    sheet.rows = grid.rows;
    sheet.count = grid.columns * grid.rows;
}

// The Template's label element: its sheet, or the reason there is none.
void ReadLabel(const Element& templateElement, LabelTemplate& sheet) {
    for (const Element& child : templateElement.children) {
        if (!child.name.startsWith(QLatin1String("Label-"))) continue;
        for (const ShapeName& shape : kOtherShapes)
            if (child.name == QLatin1String(shape.element)) throw Refusal(shape.refusal);
        if (child.name != QLatin1String("Label-rectangle"))
            throw Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "labels of another shape"));
        return ReadRectangle(child, templateElement.Value("size").startsWith(u"US-"), sheet);
    }
    throw Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "no label"));
}

QString PaperName(QStringView size) {
    return size == QLatin1String("US-Letter") ? QStringLiteral("Letter") : size.toString();
}

// Brand and part, or the older form's name ("Avery 5160").
std::pair<QString, QString> ProductOf(const Element& t) {
    if (t.attributes.hasAttribute(QLatin1String("part")))
        return {t.Value("brand").toString(), t.Value("part").toString()};
    const QString name = t.Value("name").toString().trimmed();
    const qsizetype blank = name.indexOf(' ');
    if (blank < 0) return {QString(), name};
    return {name.left(blank), name.mid(blank + 1).trimmed()};
}

QString Description(const Element& t) {
    const QStringView plain = t.Value("description");
    return (plain.isEmpty() ? t.Value("_description") : plain).toString();
}

// The templates of a file in its order; an "equiv" template is a clone of an earlier one of
// the same brand under its own product number.
class TemplateFile {
  public:
    void Add(const Element& t) {
        const auto product = ProductOf(t);
        LabelTemplate sheet;
        sheet.maker = product.first;
        sheet.product = product.second;
        sheet.description = Description(t);
        sheet.paper = PaperName(t.Value("size"));
        try {
            if (t.attributes.hasAttribute(QLatin1String("equiv")))
                sheet = Equivalent(product, t.Value("equiv").toString(), sheet);
            else
                ReadLabel(t, sheet);
            import_.sheets.push_back(sheet);
            known_[product] = sheet;
        } catch (const Refusal& refusal) {
            refusals_[product] = refusal.what();
            import_.refused << (product.first + ' ' + product.second).trimmed() + ": " +
                                   QString::fromStdString(refusal.what());
        }
    }

    const GlabelsImport& Result() const { return import_; }

  private:
    using Product = std::pair<QString, QString>;

    LabelTemplate Equivalent(const Product& product, const QString& equiv,
                             const LabelTemplate& own) const {
        const Product original{product.first, equiv};
        if (const auto refused = refusals_.find(original); refused != refusals_.end())
            throw Refusal(refused->second);
        const auto found = known_.find(original);
        if (found == known_.end())
            throw Refusal(QT_TRANSLATE_NOOP("GlabelsTemplates", "no earlier %1"), equiv);
        LabelTemplate sheet = found->second;
        sheet.product = own.product;
        if (!own.description.isEmpty()) sheet.description = own.description;
        return sheet;
    }

    GlabelsImport import_;
    std::map<Product, LabelTemplate> known_;
    std::map<Product, std::string> refusals_;
};

} // namespace

GlabelsImport ReadGlabelsTemplates(const QByteArray& text) {
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates"))
        throw platform::Failure(
            QCoreApplication::translate("GlabelsTemplates", "This is not a gLabels template file"));
    TemplateFile file;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Template"))
            file.Add(ReadElement(xml));
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError())
        throw platform::Failure(
            QCoreApplication::translate("GlabelsTemplates",
                                        "This gLabels template file is damaged on line %1: %2")
                .arg(QString::number(xml.lineNumber()), xml.errorString()));
    return file.Result();
}

GlabelsImport ImportGlabelsTemplates(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw platform::ReadFailure(path);
    try {
        return ReadGlabelsTemplates(file.readAll());
    } catch (const platform::Failure& failure) {
        throw platform::Failure(path.toStdString() + ": " + failure.what());
    }
}

QString RefusedTemplatesMessage(const GlabelsImport& import) {
    if (import.refused.isEmpty()) return {};
    const qsizetype left = import.refused.size();
    QString message =
        import.sheets.empty() ? QCoreApplication::translate(
                                    "GlabelsTemplates", "No label sheet in this file can be used")
        : left == 1
            ? QCoreApplication::translate("GlabelsTemplates", "One label sheet was left out")
            : QCoreApplication::translate("GlabelsTemplates", "%1 label sheets were left out")
                  .arg(left);
    message += QCoreApplication::translate(
        "GlabelsTemplates", ": only rectangular labels in a single grid can be imported.\n");
    message += QStringList(import.refused.mid(0, kNamedRefusals)).join('\n');
    if (import.refused.size() > kNamedRefusals)
        message += QCoreApplication::translate("GlabelsTemplates", "\nand %1 more")
                       .arg(import.refused.size() - kNamedRefusals);
    return message;
}

} // namespace print
