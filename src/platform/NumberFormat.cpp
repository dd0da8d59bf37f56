#include "platform/NumberFormat.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>

namespace platform {
namespace {

// A magnitude as exact decimal digits: value = 0.digits × 10^exponent, without leading or
// trailing zeros; zero has no digits. Rounding on these digits never meets a binary surprise.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// Every finite double has at most 1074 decimals, so this fixed form is its exact value.
constexpr int kExactDecimals = 1074;
constexpr int kFileDigits = 15;
constexpr double kPatternLimit = 1e18; // from here on patterns give way to the general form

Decimal ExactDecimal(double magnitude) {
    std::array<char, 1500> buffer{}; // up to 309 integer digits, the point, 1074 decimals
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::fixed, kExactDecimals)
                         .ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = text.find('.');
    std::string digits(text.substr(0, point));
    digits.append(text.substr(point + 1));
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    digits.erase(digits.find_last_not_of('0') + 1);
    digits.erase(0, first);
    return {digits, static_cast<int>(point) - static_cast<int>(first)};
}

// Keeps the first `keep` digits; the dropped ones round half away from zero.
Decimal RoundToDigits(Decimal d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return d;
    if (keep < 0) return {};
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        while (!d.digits.empty() && d.digits.back() == '9')
            d.digits.pop_back();
        if (d.digits.empty()) return {"1", d.exponent + 1};
        ++d.digits.back();
        return d;
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    if (last == std::string::npos) return {};
    d.digits.erase(last + 1);
    return d;
}

std::string IntegerDigits(const Decimal& d) {
    if (d.exponent <= 0) return {};
    std::string digits = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
    digits.resize(static_cast<std::size_t>(d.exponent), '0');
    return digits;
}

std::string FractionDigits(const Decimal& d) {
    if (d.exponent >= static_cast<int>(d.digits.size())) return {};
    const int leadingZeros = d.exponent < 0 ? -d.exponent : 0;
    return std::string(static_cast<std::size_t>(leadingZeros), '0') +
           d.digits.substr(static_cast<std::size_t>(std::max(d.exponent, 0)));
}

QString Join(bool negative, const std::string& integer, const std::string& fraction,
             QChar separator) {
    QString text;
    if (negative) text += QLatin1Char('-');
    text += QLatin1String(integer.data(), static_cast<qsizetype>(integer.size()));
    if (!fraction.empty()) {
        text += separator;
        text += QLatin1String(fraction.data(), static_cast<qsizetype>(fraction.size()));
    }
    return text;
}

QString NonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

struct Pattern {
    int minInteger = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

// Integer digits are required from the first "0" on, decimals up to the last "0".
Pattern ParsePattern(std::string_view text) {
    const std::size_t point = text.find('.');
    if (text.find_first_not_of("#0.") != std::string_view::npos ||
        (point != std::string_view::npos && text.find('.', point + 1) != std::string_view::npos))
        throw std::invalid_argument("unsupported number pattern: " + std::string(text));
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const std::size_t firstZero = integer.find('0');
    const std::size_t lastZero = fraction.rfind('0');
    Pattern pattern;
    pattern.minInteger =
        firstZero == std::string_view::npos ? 0 : static_cast<int>(integer.size() - firstZero);
    pattern.minDecimals = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero) + 1;
    pattern.maxDecimals = static_cast<int>(fraction.size());
    return pattern;
}

// Reads a text left to right; the parsers below check one element at a time.
class Scanner {
  public:
    explicit Scanner(QStringView text) : text_(text.trimmed()) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    QChar Peek(qsizetype ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : QChar();
    }
    void Skip(qsizetype count = 1) { pos_ += count; }
    bool Take(QChar c) {
        if (AtEnd() || Peek() != c) return false;
        Skip();
        return true;
    }
    // Appends the ASCII decimal digits found here to `out`; returns how many.
    int TakeDigits(std::string& out) {
        int count = 0;
        for (; !AtEnd() && Peek() >= u'0' && Peek() <= u'9'; Skip(), ++count)
            out += static_cast<char>(Peek().unicode());
        return count;
    }

  private:
    QStringView text_;
    qsizetype pos_ = 0;
};

int DigitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = base; // not a digit
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

bool TakeHexPrefix(Scanner& s) {
    if (s.Take(u'$')) return true;
    if (s.Peek() != u'0' || (s.Peek(1) != u'x' && s.Peek(1) != u'X')) return false;
    s.Skip(2);
    return true;
}

} // namespace

QChar LocaleDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.front() : QLatin1Char('.');
}

QString FormatFloat(std::string_view pattern, double value, QChar decimalSeparator) {
    const Pattern p = ParsePattern(pattern);
    if (!std::isfinite(value) || std::fabs(value) >= kPatternLimit)
        return FormatReal(value, decimalSeparator);
    const Decimal exact = ExactDecimal(std::fabs(value));
    const Decimal d = RoundToDigits(exact, exact.exponent + p.maxDecimals);
    std::string integer = IntegerDigits(d);
    if (static_cast<int>(integer.size()) < p.minInteger)
        integer.insert(0, static_cast<std::size_t>(p.minInteger) - integer.size(), '0');
    std::string fraction = FractionDigits(d);
    if (static_cast<int>(fraction.size()) < p.minDecimals)
        fraction.resize(static_cast<std::size_t>(p.minDecimals), '0');
    return Join(value < 0 && !d.digits.empty(), integer, fraction, decimalSeparator);
}

QString FormatReal(double value, QChar decimalSeparator) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const Decimal d = RoundToDigits(ExactDecimal(std::fabs(value)), kFileDigits);
    if (d.digits.empty()) return QStringLiteral("0");
    const bool negative = value < 0;
    if (d.exponent >= -3 && d.exponent <= kFileDigits) {
        const std::string integer = IntegerDigits(d);
        return Join(negative, integer.empty() ? "0" : integer, FractionDigits(d), decimalSeparator);
    }
    QString text = Join(negative, d.digits.substr(0, 1), d.digits.substr(1), decimalSeparator);
    return text + QLatin1Char('E') + QString::number(d.exponent - 1);
}

std::optional<double> ParseReal(QStringView text, QChar decimalSeparator) {
    Scanner s(text);
    std::string number;
    if (s.Take(u'-'))
        number += '-';
    else
        s.Take(u'+');
    int digits = s.TakeDigits(number);
    if (s.Take(decimalSeparator)) {
        number += '.';
        digits += s.TakeDigits(number);
    }
    if (digits == 0) return std::nullopt;
    if (s.Take(u'E') || s.Take(u'e')) {
        number += 'e';
        if (s.Take(u'-'))
            number += '-';
        else
            s.Take(u'+');
        if (s.TakeDigits(number) == 0) return std::nullopt;
    }
    if (!s.AtEnd()) return std::nullopt;
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [ptr, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long long> ParseInteger(QStringView text) {
    Scanner s(text);
    const bool negative = s.Take(u'-');
    if (!negative) s.Take(u'+');
    const int base = TakeHexPrefix(s) ? 16 : 10;
    const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
    unsigned long long magnitude = 0;
    if (s.AtEnd()) return std::nullopt;
    for (; !s.AtEnd(); s.Skip()) {
        const int digit = DigitValue(s.Peek(), base);
        if (digit < 0) return std::nullopt;
        const auto d = static_cast<unsigned long long>(digit);
        if (magnitude > (limit - d) / static_cast<unsigned long long>(base)) return std::nullopt;
        magnitude = magnitude * static_cast<unsigned long long>(base) + d;
    }
    if (!negative || magnitude == 0) return static_cast<long long>(magnitude);
    return -static_cast<long long>(magnitude - 1) - 1;
}

} // namespace platform
