#include "print/UserTemplates.h"

#include "platform/AtomicFile.h"
#include "platform/NumberFormat.h"
#include "print/LabelTemplateCatalogue.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamWriter>

#include <algorithm>

namespace print {
namespace {

bool SameProduct(const LabelTemplate& a, const LabelTemplate& b) {
    return a.maker.compare(b.maker, Qt::CaseInsensitive) == 0 &&
           a.product.compare(b.product, Qt::CaseInsensitive) == 0;
}

bool Listed(const std::vector<LabelTemplate>& sheets, const LabelTemplate& sheet) {
    return std::any_of(sheets.begin(), sheets.end(),
                       [&](const LabelTemplate& other) { return SameProduct(other, sheet); });
}

QString Length(double value) {
    return platform::FormatReal(value, QLatin1Char('.'));
}

void WriteSheet(QXmlStreamWriter& xml, const LabelTemplate& t) {
    const app::LabelSheet& s = t.sheet;
    xml.writeEmptyElement(QStringLiteral("sheet"));
    xml.writeAttribute(QStringLiteral("maker"), t.maker);
    xml.writeAttribute(QStringLiteral("product"), t.product);
    xml.writeAttribute(QStringLiteral("description"), t.description);
    xml.writeAttribute(QStringLiteral("paper"), t.paper);
    xml.writeAttribute(QStringLiteral("unit"),
                       s.Unit == engine::Unit::Centimetre ? QStringLiteral("cm") : "in");
    const std::pair<const char*, double> lengths[] = {
        {"width", s.LabelWidth},          {"height", s.LabelHeight},
        {"left", s.MarginLeft},           {"top", s.MarginTop},
        {"pitch-x", s.LabelWidth + s.GapWidth}, {"pitch-y", s.LabelHeight + s.GapHeight}};
    for (const auto& [name, value] : lengths)
        xml.writeAttribute(QLatin1String(name), Length(value));
    const std::pair<const char*, int> counts[] = {
        {"columns", t.columns}, {"rows", t.rows}, {"count", t.count}};
    for (const auto& [name, value] : counts)
        xml.writeAttribute(QLatin1String(name), QString::number(value));
}

} // namespace

QString UserTemplatesPath() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/tallyrune/label-sheets.xml");
}

QByteArray WriteTemplateCatalogue(const std::vector<LabelTemplate>& sheets) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("label-sheets"));
    for (const LabelTemplate& sheet : sheets) WriteSheet(xml, sheet);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

std::vector<LabelTemplate> UserTemplates() {
    QFile file(UserTemplatesPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return ReadTemplateCatalogue(file.readAll());
}

void KeepUserTemplates(const std::vector<LabelTemplate>& imported) {
    std::vector<LabelTemplate> kept = imported;
    for (const LabelTemplate& earlier : UserTemplates())
        if (!Listed(kept, earlier)) kept.push_back(earlier);
    const QString path = UserTemplatesPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    platform::WriteFileAtomically(path, WriteTemplateCatalogue(kept));
}

std::vector<LabelTemplate> OfferedTemplates(const std::vector<LabelTemplate>& builtIn,
                                            const std::vector<LabelTemplate>& user) {
    std::vector<LabelTemplate> offered;
    for (const LabelTemplate& sheet : user)
        if (!Listed(builtIn, sheet)) offered.push_back(sheet);
    offered.insert(offered.end(), builtIn.begin(), builtIn.end());
    return offered;
}

} // namespace print
