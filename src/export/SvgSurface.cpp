#include "export/SvgSurface.h"

#include "platform/PainterSurface.h"

#include <QFontMetrics>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace exporting {
namespace {

constexpr double kMillimetresPerInch = 25.4;

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const char* Colour(engine::Fill fill) {
    return fill == engine::Fill::Black ? "#000000" : "#ffffff";
}

// Character data for XML: markup characters escaped, control characters XML cannot carry
// left out, Latin-1 as UTF-8.
QByteArray Escaped(std::string_view text) {
    QString escaped;
    for (const QChar c : Latin1(text)) {
        if (c == QLatin1Char('&'))
            escaped += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<'))
            escaped += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            escaped += QStringLiteral("&gt;");
        else if (c.unicode() >= 0x20 || c == QLatin1Char('\t'))
            escaped += c;
    }
    return escaped.toUtf8();
}

QByteArray Number(double value) {
    return QByteArray::number(value, 'g', 10);
}

} // namespace

SvgSurface::SvgSurface(const QString& face) {
    body_.reserve(16 * 1024);
    QFont base;
    base.setFamily(face);
    fonts_.push_back({base, 0});
}

void SvgSurface::OpenGroup(engine::Fill fill) {
    if (group_ == fill) return;
    CloseGroup();
    body_ += QByteArray("<g fill=\"") + Colour(fill) + "\">\n";
    group_ = fill;
}

void SvgSurface::CloseGroup() {
    if (group_) body_ += "</g>\n";
    group_.reset();
}

void SvgSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    if (right <= left || bottom <= top) return;
    OpenGroup(fill);
    // Formatted in place: bars are most of the file.
    char line[96];
    char* end = line;
    const auto put = [&](std::string_view text) { end = std::copy(text.begin(), text.end(), end); };
    const auto number = [&](int value) { end = std::to_chars(end, line + sizeof line, value).ptr; };
    put("<rect x=\"");
    number(left);
    put("\" y=\"");
    number(top);
    put("\" width=\"");
    number(right - left);
    put("\" height=\"");
    number(bottom - top);
    put("\"/>\n");
    body_.append(line, end - line);
}

std::string SvgSurface::FontFace() const {
    return fonts_.back().font.family().toStdString();
}

void SvgSurface::PushFont(const engine::FontSpec& spec) {
    fonts_.push_back({platform::FontForCellHeight(QString::fromStdString(spec.face),
                                                  spec.cellHeight, spec.weight),
                      spec.escapement});
}

void SvgSurface::PopFont() {
    if (fonts_.size() > 1) fonts_.pop_back();
}

engine::TextExtent SvgSurface::MeasureText(std::string_view text) const {
    const QFontMetrics metrics(fonts_.back().font);
    return {metrics.horizontalAdvance(Latin1(text)), metrics.ascent() + metrics.descent()};
}

void SvgSurface::DrawText(int x, int y, std::string_view text) {
    CloseGroup();
    const SelectedFont& selected = fonts_.back();
    const QFontMetrics metrics(selected.font);
    const engine::TextExtent extent = MeasureText(text);
    // Escapement turns counter-clockwise on the page; SVG turns clockwise with y pointing down.
    const QByteArray turn = "translate(" + QByteArray::number(x) + " " + QByteArray::number(y) +
                            ") rotate(" + Number(-selected.escapement / 10.0) + ")";
    body_ += "<rect fill=\"#ffffff\" width=\"" + QByteArray::number(extent.width) + "\" height=\"" +
             QByteArray::number(extent.height) + "\" transform=\"" + turn + "\"/>\n";
    body_ += "<text xml:space=\"preserve\" fill=\"#000000\" font-family=\"" +
             Escaped(selected.font.family().toStdString()) + "\" font-size=\"" +
             QByteArray::number(selected.font.pixelSize()) + "\" font-weight=\"" +
             QByteArray::number(selected.font.weight()) + "\" y=\"" +
             QByteArray::number(metrics.ascent()) + "\" transform=\"" + turn + "\">" +
             Escaped(text) + "</text>\n";
}

QByteArray SvgSurface::Document(QSize picture, int dpi) {
    CloseGroup();
    const double millimetresPerDot = kMillimetresPerInch / dpi;
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                     Number(picture.width() * millimetresPerDot) + "mm\" height=\"" +
                     Number(picture.height() * millimetresPerDot) + "mm\" viewBox=\"0 0 " +
                     QByteArray::number(picture.width()) + " " +
                     QByteArray::number(picture.height()) + "\">\n";
    svg += body_;
    svg += "</svg>\n";
    return svg;
}

} // namespace exporting
