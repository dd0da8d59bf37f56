// Display patterns, the file form of reals and strict number reading.

#include "platform/NumberFormat.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

namespace {

using namespace platform;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct PatternCase {
    const char* pattern;
    double value;
    char separator;
    const char* expected;
};

const PatternCase kPatternCases[] = {
    // "##0.0##": one to three decimals (bar height and width boxes).
    {"##0.0##", 0.75, '.', "0.75"},
    {"##0.0##", 2.0, '.', "2.0"},
    {"##0.0##", 0.0, '.', "0.0"},
    {"##0.0##", 1.23456, '.', "1.235"},
    {"##0.0##", 0.75, ',', "0,75"},
    {"##0.0##", -1.25, '.', "-1.25"},
    {"##0.0##", 9.9996, '.', "10.0"},
    {"##0.0##", 123456789012.0, '.', "123456789012.0"},
    {"##0.0##", -0.0004, '.', "0.0"}, // shows as zero: no minus sign
    // Exact binary halves round away from zero (half-even would give 0.12, 0.062, 2, -2).
    {"0.00", 0.125, '.', "0.13"},
    {"#0.###", 0.0625, '.', "0.063"},
    {"0", 2.5, '.', "3"},
    {"0", -2.5, '.', "-3"},
    {"0.00", 1.005, '.', "1.00"}, // the double lies below 1.005
    // "#0.0####": one to five decimals (label settings boxes).
    {"#0.0####", 2.5 / 2.54, '.', "0.98425"},
    {"#0.0####", 2.54, ',', "2,54"},
    {"#0.0####", 1.0, '.', "1.0"},
    // "##0.00", "#0.###", "0.0", "##0.0".
    {"##0.00", 0.05, '.', "0.05"},
    {"##0.00", 0.1, ',', "0,10"},
    {"#0.###", 1.0, '.', "1"},
    {"#0.###", 50.0 / 300.0, '.', "0.167"},
    {"#0.###", 0.25 * 2.54, '.', "0.635"},
    {"0.0", 1.0, '.', "1.0"},
    {"0.0", -0.04, '.', "0.0"},
    {"##0.0", 8 * 1000.0 / 96, '.', "83.3"},
    {"##0.0", 8 * 1000.0 / 300, '.', "26.7"},
    {"#.##", 0.5, '.', ".5"},
    // Out of the patterns' reach: the general form.
    {"##0.0##", 1e20, '.', "1E20"},
    {"##0.0##", kNan, '.', "NAN"},
    {"##0.0##", -kInf, '.', "-INF"},
};

TEST(NumberFormatPattern, FormatsAndRoundsHalfAwayFromZero) {
    for (const auto& c : kPatternCases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value, QLatin1Char(c.separator)), c.expected)
            << c.pattern << " " << c.value;
}

TEST(NumberFormatPattern, RejectsUnsupportedPatterns) {
    for (const char* pattern : {"#,##0.00", "0.0.0", "0.0E+00", "x0.0"})
        EXPECT_THROW(FormatFloat(pattern, 1.0, u'.'), std::invalid_argument) << pattern;
}

struct RealCase {
    double value;
    char separator;
    const char* expected;
};

const RealCase kRealCases[] = {
    {10.0, '.', "10"},
    {0.75, '.', "0.75"},
    {0.75, ',', "0,75"},
    {0.1, '.', "0.1"},
    {0.1 + 0.2, '.', "0.3"},
    {0.0, '.', "0"},
    {-0.0, '.', "0"},
    {-12.5, ',', "-12,5"},
    {123456.789, '.', "123456.789"},
    {1.0 / 3, '.', "0.333333333333333"},
    {2.0 / 3, '.', "0.666666666666667"},
    {1e-4, '.', "0.0001"},
    {0.00012345, '.', "0.00012345"},
    {999999999999999.0, '.', "999999999999999"},
    {1e-5, '.', "1E-5"},
    {0.000099999, '.', "9.9999E-5"},
    {1e15, '.', "1E15"},
    {999999999999999.9, '.', "1E15"},
    {1.5e20, '.', "1.5E20"},
    {1.5e20, ',', "1,5E20"},
    {-2.5e-7, '.', "-2.5E-7"},
    {1234567890123445.0, '.', "1.23456789012345E15"}, // a true half at digit 16
    {5e-324, '.', "4.94065645841247E-324"},
    {std::numeric_limits<double>::max(), '.', "1.79769313486232E308"},
    {kNan, '.', "NAN"},
    {kInf, '.', "INF"},
    {-kInf, '.', "-INF"},
};

TEST(NumberFormatReal, WritesShortestGeneralFormWith15Digits) {
    for (const auto& c : kRealCases)
        EXPECT_EQ(FormatReal(c.value, QLatin1Char(c.separator)), c.expected) << c.value;
}

struct ParseRealCase {
    const char* text;
    char separator;
    double expected;
};

const ParseRealCase kReals[] = {
    {"0.75", '.', 0.75},     {"0,75", ',', 0.75},     {" 12 ", '.', 12.0},
    {"\t-1.5 ", '.', -1.5},  {"+3", '.', 3.0},        {".5", '.', 0.5},
    {"5.", '.', 5.0},        {"1E-5", '.', 1e-5},     {"-0", '.', 0.0},
    {"2.5e+3", '.', 2500.0}, {"1,5E20", ',', 1.5e20}, {"4.9E-324", '.', 5e-324}};

// Read with "." as the separator; "0.75" is also tried with ",".
const char* const kNotReals[] = {"0,75", "1,000.5", "",    "   ",   ".",     "-",   "1e",
                                 "1e+",  "E5",      "abc", "12abc", "1.2.3", "1 2", "--1",
                                 "0x10", "inf",     "NAN", "1E400", "1E-400"};

TEST(NumberFormatParse, ReadsRealsStrictlyWithTheGivenSeparator) {
    for (const auto& c : kReals)
        EXPECT_EQ(ParseReal(QString::fromLatin1(c.text), QLatin1Char(c.separator)), c.expected)
            << c.text;
    for (const char* text : kNotReals)
        EXPECT_EQ(ParseReal(QString::fromLatin1(text), u'.'), std::nullopt) << text;
    EXPECT_EQ(ParseReal(u"0.75", u','), std::nullopt);
}

TEST(NumberFormatParse, FileFormReadsBackToFifteenDigits) {
    for (double value : {0.75, 1.0 / 3, 2.54, 1e-5, -2.5e-7, 1.5e20, 123456.789}) {
        const auto back = ParseReal(FormatReal(value, u','), u',');
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << value;
    }
}

struct ParseIntegerCase {
    const char* text;
    std::optional<long long> expected;
};

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

const ParseIntegerCase kIntegers[] = {{"257", 257}, {"-12", -12},  {"+7", 7},     {" 42 ", 42},
                                      {"0", 0},     {"-0", 0},     {"0x1F", 31},  {"0X1f", 31},
                                      {"$FF", 255}, {"-$10", -16}, {"-0x10", -16}};

const ParseIntegerCase kIntegerLimits[] = {
    {"9223372036854775807", kMax},          {"-9223372036854775808", kMin},
    {"0x7FFFFFFFFFFFFFFF", kMax},           {"9223372036854775808", std::nullopt},
    {"-9223372036854775809", std::nullopt}, {"0x8000000000000000", std::nullopt}};

const char* const kNotIntegers[] = {"",    "0x",  "$",   "12abc", "1A",  "0xG",
                                    "$-1", "1.5", "1e3", "1 2",   "--1", "abc"};

TEST(NumberFormatParse, ReadsDecimalAndHexIntegersStrictly) {
    for (const auto& c : kIntegers)
        EXPECT_EQ(ParseInteger(QString::fromLatin1(c.text)), c.expected) << c.text;
    for (const auto& c : kIntegerLimits)
        EXPECT_EQ(ParseInteger(QString::fromLatin1(c.text)), c.expected) << c.text;
    for (const char* text : kNotIntegers)
        EXPECT_EQ(ParseInteger(QString::fromLatin1(text)), std::nullopt) << text;
}

TEST(NumberFormatLocale, SeparatorIsTheSystemLocales) {
    EXPECT_EQ(LocaleDecimalSeparator(), QLocale::system().decimalPoint().front());
    const QChar separator = LocaleDecimalSeparator();
    EXPECT_EQ(ParseReal(FormatFloat("##0.0##", 0.75, separator), separator), 0.75);
}

TEST(NumberFormatRounding, DeviceSizesStillRoundHalfToEven) {
    EXPECT_EQ(platform::RoundHalfEven(2.5), 2);
    EXPECT_EQ(platform::RoundHalfEven(3.5), 4);
    EXPECT_EQ(platform::TruncateTowardZero(-2.7), -2);
}

} // namespace
