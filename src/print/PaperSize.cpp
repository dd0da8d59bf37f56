#include "print/PaperSize.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"

#include <QPrinterInfo>
#include <QRegularExpression>

#include <iterator>

namespace print {
namespace {

struct StandardPaper {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr StandardPaper kStandardPapers[] = {{"letter", QPageSize::Letter}, {"a4", QPageSize::A4}};

struct SizeUnit {
    const char* name;
    QPageSize::Unit unit;
    double factor; // to that unit
};
// Centimetres have no page size unit of their own.
constexpr SizeUnit kSizeUnits[] = {{"in", QPageSize::Inch, 1.0},
                                   {"mm", QPageSize::Millimeter, 1.0},
                                   {"cm", QPageSize::Millimeter, 10.0}};

// Two lengths that differ by less than this many points are one size (media lists round).
constexpr double kSameSizePoints = 1.0;

QPageSize ExactPage(QSizeF size, QPageSize::Unit unit) {
    return QPageSize(size, unit, QString(), QPageSize::ExactMatch);
}

std::optional<QPageSize> SizeOfText(const QString& text) {
    static const QRegularExpression size(
        QStringLiteral(R"(^\s*([0-9]+(?:[.,][0-9]+)?)\s*[xX]\s*([0-9]+(?:[.,][0-9]+)?)\s*([a-zA-Z]+)\s*$)"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const auto width = platform::ParseReal(QString(match.captured(1)).replace(',', '.'), '.');
    const auto height = platform::ParseReal(QString(match.captured(2)).replace(',', '.'), '.');
    for (const SizeUnit& unit : kSizeUnits) {
        if (match.captured(3).compare(QLatin1String(unit.name), Qt::CaseInsensitive) != 0) continue;
        if (!width || !height || *width <= 0 || *height <= 0) return std::nullopt;
        return ExactPage(QSizeF(*width, *height) * unit.factor, unit.unit);
    }
    return std::nullopt;
}

bool SameSize(const QPageSize& a, const QPageSize& b) {
    const QSizeF difference = a.size(QPageSize::Point) - b.size(QPageSize::Point);
    return std::abs(difference.width()) < kSameSizePoints &&
           std::abs(difference.height()) < kSameSizePoints;
}

} // namespace

std::optional<QPageSize> PageSizeNamed(std::string_view name, const QString& printer) {
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const StandardPaper& paper : kStandardPapers)
        if (text.compare(QLatin1String(paper.name), Qt::CaseInsensitive) == 0)
            return QPageSize(paper.id);
    if (auto size = SizeOfText(text)) return size;
    if (printer.isEmpty()) return std::nullopt;
    for (const QPageSize& media : QPrinterInfo::printerInfo(printer).supportedPageSizes())
        if (media.key().compare(text, Qt::CaseInsensitive) == 0) return media;
    return std::nullopt;
}

QPageSize PrinterMediaFor(const QPageSize& page, const QString& printer) {
    if (printer.isEmpty()) return page;
    for (const QPageSize& media : QPrinterInfo::printerInfo(printer).supportedPageSizes())
        if (SameSize(media, page)) return media;
    return page;
}

app::LabelSheet RollOfPage(const QPageSize& page) {
    const engine::Unit unit = page.definitionUnits() == QPageSize::Millimeter
                                  ? engine::Unit::Centimetre
                                  : engine::Unit::Inch;
    const QSizeF size = unit == engine::Unit::Centimetre ? page.size(QPageSize::Millimeter) / 10.0
                                                         : page.size(QPageSize::Inch);
    return app::RollSheet(size.width(), size.height(), unit);
}

void UseRollPaper(QPrinter& printer, const app::LabelSheet& sheet) {
    if (!app::IsRoll(sheet)) return;
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    printer.setPageSize(PrinterMediaFor(PageOfRoll(sheet), pdf ? QString() : printer.printerName()));
    if (pdf) printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

QPageSize PageOfRoll(const app::LabelSheet& roll) {
    const QSizeF size(roll.LabelWidth, roll.LabelHeight);
    return roll.Unit == engine::Unit::Centimetre ? ExactPage(size * 10.0, QPageSize::Millimeter)
                                                 : ExactPage(size, QPageSize::Inch);
}

} // namespace print
