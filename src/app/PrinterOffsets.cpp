#include "app/PrinterOffsets.h"

#include "engine/Units.h"
#include "platform/NumberFormat.h"

#include <QStringList>

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace app {
namespace {

const QString kOffsetsKey = QStringLiteral("Printer Offsets");

struct LengthUnit {
    std::string_view suffix;
    double perInch;
};
constexpr LengthUnit kLengthUnits[] = {
    {"mm", 10.0 * engine::kCentimetresPerInch},
    {"cm", engine::kCentimetresPerInch},
    {"in", 1.0},
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// A plain decimal number: an optional sign, digits with at most one '.'.
std::optional<double> ParseDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("-0123456789.") != std::string_view::npos)
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString KeyPath(const platform::RegKey& key) {
    return key.Names().join(QLatin1Char('\\'));
}

double ReadInches(const platform::Registry& registry, const platform::RegKey& key,
                  const QString& name) {
    const std::optional<platform::RegValue> value = registry.ReadValue(key, name);
    const std::optional<double> inches = value ? value->ToDouble() : std::nullopt;
    return inches && std::isfinite(*inches) ? *inches : 0.0;
}

} // namespace

OffsetDots ToDots(const PrinterOffset& offset, int dpiX, int dpiY) {
    return {engine::RoundHalfEven(offset.X * dpiX), engine::RoundHalfEven(offset.Y * dpiY)};
}

std::optional<double> ParseLengthWithUnit(std::string_view text) {
    text = Trimmed(text);
    for (const LengthUnit& unit : kLengthUnits) {
        if (!text.ends_with(unit.suffix)) continue;
        const auto value = ParseDecimal(Trimmed(text.substr(0, text.size() - unit.suffix.size())));
        if (value) return *value / unit.perInch;
        return std::nullopt;
    }
    // Nothing is nothing in every unit.
    if (const auto value = ParseDecimal(text); value && *value == 0) return 0.0;
    return std::nullopt;
}

std::optional<PrinterOffset> ParseOffset(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = ParseLengthWithUnit(text.substr(0, comma));
    const auto y = ParseLengthWithUnit(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return PrinterOffset{*x, *y};
}

QString OffsetText(double inches, engine::Unit unit, QChar decimalSeparator) {
    const double shown =
        unit == engine::Unit::Centimetre ? engine::InchesToCentimetres(inches) : inches;
    return platform::FormatFloat("0.0##", shown, decimalSeparator);
}

std::optional<double> ReadOffsetText(const QString& text, engine::Unit unit,
                                     QChar decimalSeparator) {
    const std::optional<double> value = platform::ParseReal(text, decimalSeparator);
    if (!value) return std::nullopt;
    return unit == engine::Unit::Centimetre ? engine::CentimetresToInches(*value) : *value;
}

PrinterOffset PrinterOffsets::For(const QString& printer) const {
    const auto found = offsets_.find(printer);
    return found == offsets_.end() ? PrinterOffset() : found->second;
}

void PrinterOffsets::Set(const QString& printer, const PrinterOffset& offset) {
    if (offset == PrinterOffset())
        offsets_.erase(printer);
    else
        offsets_[printer] = offset;
}

void PrinterOffsets::Load(platform::Registry& registry, const platform::RegKey& settings) {
    offsets_.clear();
    const platform::RegKey all = registry.OpenKey(settings, kOffsetsKey, false);
    if (!all) return;
    for (const QString& printer : registry.SubKeyNames(all)) {
        const platform::RegKey key = registry.OpenKey(all, printer, false);
        Set(printer, {ReadInches(registry, key, "X"), ReadInches(registry, key, "Y")});
    }
}

void PrinterOffsets::Save(platform::Registry& registry, const platform::RegKey& settings) const {
    registry.DeleteKey(settings.Root(), KeyPath(settings) + '\\' + kOffsetsKey);
    for (const auto& [printer, offset] : offsets_) {
        if (!platform::IsValidKeyName(printer)) continue;
        const platform::RegKey key = registry.OpenKey(settings, kOffsetsKey + '\\' + printer, true);
        registry.WriteValue(key, "X", platform::RegValue::Double(offset.X));
        registry.WriteValue(key, "Y", platform::RegValue::Double(offset.Y));
    }
}

} // namespace app
