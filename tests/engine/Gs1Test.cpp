#include "engine/Gs1.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace engine;

// GS1 element strings: FNC1 (here '|') after each field whose AI has no predefined length,
// none after the last.
struct ElementCase {
    const char* source;
    const char* bracketed;
    const char* elementString;
};

const ElementCase kElementCases[] = {
    {"fixed GTIN then date then batch", "(01)09506000134352(17)261231(10)AB-123",
     "0109506000134352"
     "17261231"
     "10AB-123"},
    {"variable batch ended before the serial", "(01)09506000134352(10)AB12(21)XYZ",
     "0109506000134352"
     "10AB12|21XYZ"},
    {"8005 is fixed but not predefined (6.6.5-2)", "(8005)000365(10)123456", "8005000365|10123456"},
    {"weight with decimals (6.6.5-4)", "(01)09506000134352(3103)001750",
     "0109506000134352"
     "3103001750"},
    {"company AI 91 to 99", "(10)A(99)X-1", "10A|99X-1"},
};

TEST(Gs1, ElementStringsEndVariableFieldsWithFnc1) {
    for (const auto& c : kElementCases) {
        const Gs1Parse parsed = ParseGs1(c.bracketed);
        ASSERT_TRUE(parsed.Ok()) << c.source << ": " << parsed.error;
        EXPECT_EQ(Gs1ElementString(parsed.fields, '|'), c.elementString) << c.source;
        EXPECT_EQ(Gs1Bracketed(parsed.fields), c.bracketed) << c.source;
        std::string withGs = c.elementString;
        std::replace(withGs.begin(), withGs.end(), '|', '\x1d');
        EXPECT_EQ(Gs1FromElementString(withGs), c.bracketed) << c.source;
    }
}

struct FaultCase {
    const char* source;
    const char* text;
    const char* error;
};

const FaultCase kFaultCases[] = {
    {"wrong GTIN check digit", "(01)09506000134353",
     "AI (01) has the check digit 3 where 2 belongs"},
    {"unknown AI", "(01)09506000134352(99x)12", "AI (99x) is unknown"},
    {"unknown numeric AI", "(123)45", "AI (123) is unknown"},
    {"fixed length short", "(01)0950600013435", "AI (01) takes 14 digits, not 13"},
    {"variable length long", "(10)ABCDEFGHIJKLMNOPQRSTU",
     "AI (10) takes 1 to 20 characters, not 21"},
    {"month 13", "(17)261331", "AI (17) holds 261331, which is no date (YYMMDD)"},
    {"31 February", "(11)260231", "AI (11) holds 260231, which is no date (YYMMDD)"},
    {"letters in a numeric AI", "(20)A1", "AI (20) takes digits only"},
    {"character outside set 82", "(10)A#B", "AI (10) holds a character GS1 does not allow"},
    {"empty value", "(10)(21)1", "AI (10) has no data"},
    {"no brackets", "0109506000134352", "GS1 data starts with an AI in brackets, such as (01)"},
    {"unclosed bracket", "(01", "GS1 data needs each AI in brackets: (01"},
};

TEST(Gs1, BadDataNamesTheAi) {
    for (const auto& c : kFaultCases)
        EXPECT_EQ(ParseGs1(c.text).error, c.error) << c.source;
}

TEST(Gs1, DayZeroMeansTheMonthsEnd) {
    EXPECT_TRUE(ParseGs1("(17)261200").Ok());
}

} // namespace
