#include "export/SvgSurface.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace exporting {
namespace {

constexpr double kMillimetresPerInch = 25.4;

const char* Colour(engine::Fill fill) {
    return fill == engine::Fill::Black ? "#000000" : "#ffffff";
}

// Character data for XML from UTF-8: markup characters escaped, control characters XML cannot
// carry left out.
std::string Escaped(std::string_view utf8) {
    std::string escaped;
    escaped.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            escaped += c;
    }
    return escaped;
}

std::string Number(double value) {
    return QByteArray::number(value, 'g', 10).toStdString();
}

std::string Number(int value) {
    return std::to_string(value);
}

} // namespace

SvgSurface::SvgSurface(const QString& face, platform::FontCache& fonts)
    : cache_(fonts), face_(face) {
    body_.reserve(16 * 1024);
    fonts_.push_back({nullptr, 0});
}

const platform::SizedFont& SvgSurface::Current() const {
    if (const platform::SizedFont* font = fonts_.back().font.get()) return *font;
    if (!base_) base_ = std::make_shared<const platform::SizedFont>(QFont(face_));
    return *base_;
}

void SvgSurface::OpenGroup(engine::Fill fill) {
    if (group_ == fill) return;
    CloseGroup();
    body_.append("<g fill=\"").append(Colour(fill)).append("\">\n");
    group_ = fill;
}

void SvgSurface::CloseGroup() {
    if (group_) body_ += "</g>\n";
    group_.reset();
}

void SvgSurface::FillRect(int left, int top, int right, int bottom, engine::Fill fill) {
    if (right <= left || bottom <= top) return;
    OpenGroup(fill);
    // Appended in place: bars are most of the file.
    const auto number = [&](int value) {
        char digits[16];
        body_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    };
    body_ += "<rect x=\"";
    number(left);
    body_ += "\" y=\"";
    number(top);
    body_ += "\" width=\"";
    number(right - left);
    body_ += "\" height=\"";
    number(bottom - top);
    body_ += "\"/>\n";
}

std::string SvgSurface::FontFace() const {
    return (fonts_.back().font ? fonts_.back().font->Font().family() : face_).toStdString();
}

void SvgSurface::PushFont(const engine::FontSpec& asked) {
    fonts_.push_back({cache_.Get(asked), asked.escapement});
}

void SvgSurface::PopFont() {
    if (fonts_.size() > 1) fonts_.pop_back();
}

engine::TextExtent SvgSurface::MeasureText(std::string_view text) const {
    const platform::SizedFont& font = Current();
    return {font.Width(text), font.CellHeight()};
}

void SvgSurface::DrawText(int x, int y, std::string_view text) {
    CloseGroup();
    const platform::SizedFont& font = Current();
    const QFont& face = font.Font();
    // Escapement turns counter-clockwise on the page; SVG turns clockwise with y pointing down.
    const std::string turn = "translate(" + Number(x) + " " + Number(y) + ") rotate(" +
                             Number(-fonts_.back().escapement / 10.0) + ")";
    body_ += "<rect fill=\"#ffffff\" width=\"" + Number(font.Width(text)) + "\" height=\"" +
             Number(font.CellHeight()) + "\" transform=\"" + turn + "\"/>\n";
    body_ += "<text xml:space=\"preserve\" fill=\"#000000\" font-family=\"" +
             Escaped(face.family().toUtf8().toStdString()) + "\" font-size=\"" +
             Number(face.pixelSize()) + "\" font-weight=\"" + Number(face.weight()) + "\" y=\"" +
             Number(font.Ascent()) + "\" transform=\"" + turn + "\">" + Escaped(text) + "</text>\n";
}

QByteArray SvgSurface::Document(QSize picture, int dpi) {
    CloseGroup();
    const double millimetresPerDot = kMillimetresPerInch / dpi;
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                     QByteArray::fromStdString(Number(picture.width() * millimetresPerDot)) +
                     "mm\" height=\"" +
                     QByteArray::fromStdString(Number(picture.height() * millimetresPerDot)) +
                     "mm\" viewBox=\"0 0 " + QByteArray::number(picture.width()) + " " +
                     QByteArray::number(picture.height()) + "\">\n";
    svg.reserve(svg.size() + static_cast<qsizetype>(body_.size()) + 8);
    svg.append(body_.data(), static_cast<qsizetype>(body_.size()));
    svg += "</svg>\n";
    return svg;
}

} // namespace exporting
