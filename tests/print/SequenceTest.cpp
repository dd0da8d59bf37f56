// Sequence texts and the advance of the current number.

#include "print/Sequence.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

using app::SequenceSettings;
using engine::SymbologyCode;

struct FormatCase {
    int number;
    int minSize;
    const char* prefix;
    const char* suffix;
    std::string expected;
};

TEST(Sequence, FormatSequenceTextPadsToMinimumSize) {
    const FormatCase cases[] = {
        {7, 4, "A-", "/X", "A-0007/X"},
        {12345, 4, "A-", "/X", "A-12345/X"},
        {7, 2, "", "", "07"}, // the box's "007" is printed from the integer
        {1234, 4, "", "", "1234"},
        {0, 0, "", "", "0"},
        {0, 9, "", "", "000000000"},
        {999999999, 9, "N", "", "N999999999"},
        {7, -3, "", "", "7"},
        {-5, 4, "", "", "00-5"}, // the number's text is padded as it stands
        {INT_MIN, 0, "<", ">", "<-2147483648>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print::FormatSequenceText(c.number, c.minSize, c.prefix, c.suffix), c.expected)
            << c.number << " at " << c.minSize;
}

TEST(Sequence, CorruptMinimumSizeStopsPadding) {
    const std::string text = print::FormatSequenceText(42, INT_MAX, "P", "S");
    EXPECT_EQ(text, "P" + std::string(253, '0') + "42" + "S");
}

TEST(Sequence, NewDocumentValues) {
    const app::SequenceSettings s;
    EXPECT_FALSE(s.SeqUse);
    EXPECT_EQ(s.SeqMin, 0);
    EXPECT_EQ(s.SeqMax, 999999999);
    EXPECT_EQ(s.SeqCurrent, 1);
    EXPECT_EQ(s.SeqMinSize, 0);
    EXPECT_EQ(s.SeqPrefix, "");
    EXPECT_EQ(s.SeqSuffix, "");
}

struct TakeCase {
    const char* what;
    int min, max, current;
    std::vector<std::string> texts; // one per label taken, in order
    int currentAfter;
};

TEST(Sequence, TakeSequenceNumberAdvancesAndWraps) {
    const TakeCase cases[] = {
        {"max itself is printed, then min", 1, 3, 3, {"3", "1"}, 2},
        {"five labels over 1..3", 1, 3, 1, {"1", "2", "3", "1", "2"}, 3},
        {"a current above max prints once", 1, 3, 7, {"7", "1"}, 2},
        {"new document", 0, 999999999, 1, {"1", "2", "3"}, 4},
        {"largest number wraps instead of overflowing",
         0,
         INT_MAX,
         INT_MAX,
         {"2147483647", "0"},
         1},
        {"max below min: every advance wraps", 5, 3, 5, {"5", "5"}, 5},
    };
    for (const auto& c : cases) {
        app::SequenceSettings s;
        s.SeqMin = c.min;
        s.SeqMax = c.max;
        s.SeqCurrent = c.current;
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            texts.push_back(print::TakeSequenceNumber(s));
        EXPECT_EQ(texts, c.texts) << c.what;
        EXPECT_EQ(s.SeqCurrent, c.currentAfter) << c.what;
    }
}

TEST(Sequence, TakenTextCarriesPrefixPaddingAndSuffix) {
    app::SequenceSettings s;
    s.SeqCurrent = 7;
    s.SeqMinSize = 4;
    s.SeqPrefix = "A-";
    s.SeqSuffix = "/X";
    EXPECT_EQ(print::TakeSequenceNumber(s), "A-0007/X");
    EXPECT_EQ(print::TakeSequenceNumber(s), "A-0008/X");
    EXPECT_EQ(s.SeqCurrent, 9);
}

struct CarryCase {
    const char* what;
    SymbologyCode code;
    int min, max, current, minSize;
    const char* prefix;
    long long takes;
    std::optional<std::string> expected; // the first text not carried whole
};

// EAN 8 carries 7 digits, SSC-14 13, the 2-digit add-on 2; Code 39 upper-cases letters.
TEST(Sequence, FirstTextNotCarriedNamesTheFirstInRunOrder) {
    const CarryCase cases[] = {
        {"digits only", SymbologyCode::Ean8, 0, 999999999, 1, 0, "", 1000, std::nullopt},
        {"SSC-14: 5 + 9 digits", SymbologyCode::Ssc14, 0, 999999999, 123456789, 0, "12345", 1,
         "12345123456789"},
        {"a letter prefix on SSC-14", SymbologyCode::Ssc14, 0, 999999999, 1, 0, "A", 1, "A1"},
        {"upper-cased, still whole", SymbologyCode::Code39, 0, 999999999, 1, 4, "lb", 1000,
         std::nullopt},
        {"the 8th digit arrives on the last take", SymbologyCode::Ean8, 0, 999999999, 9999990, 0,
         "", 11, "10000000"},
        {"one take short of it", SymbologyCode::Ean8, 0, 999999999, 9999990, 0, "", 10,
         std::nullopt},
        {"far into a long run", SymbologyCode::Ean8, 0, 999999999, 1, 0, "", 1LL << 40, "10000000"},
        {"padding too long from the start", SymbologyCode::Ean8, 0, 999999999, 1, 8, "", 1,
         "00000001"},
        {"a wrap to a negative minimum", SymbologyCode::UpcExt2, -5, 99, 98, 0, "", 3, "-5"},
        {"a current above the maximum", SymbologyCode::UpcExt2, 0, 99, 150, 0, "", 1, "150"},
        {"wraps that stay short", SymbologyCode::UpcExt2, 0, 99, 98, 0, "", 1000, std::nullopt},
        {"no takes", SymbologyCode::Ssc14, 0, 9, 1, 0, "A", 0, std::nullopt},
    };
    for (const auto& c : cases) {
        const SequenceSettings s{true, c.min, c.max, c.current, c.minSize, c.prefix, ""};
        EXPECT_EQ(print::FirstTextNotCarried(s, c.takes, c.code), c.expected) << c.what;
    }
}

// Against the texts taken one by one, on sequences small enough to walk.
TEST(Sequence, FirstTextNotCarriedAgreesWithTakingEachText) {
    for (SymbologyCode code : {SymbologyCode::UpcExt2, SymbologyCode::UpcExt5})
        for (int min = -12; min <= 12; min += 4)
            for (int max : {-3, 9, 99, 120})
                for (int current = -15; current <= 130; current += 7)
                    for (int minSize : {0, 2, 3}) {
                        SequenceSettings s{true, min, max, current, minSize, "", ""};
                        SequenceSettings walk = s;
                        std::optional<std::string> firstWalked;
                        for (int takes = 0; takes <= 150; ++takes) {
                            ASSERT_EQ(print::FirstTextNotCarried(s, takes, code), firstWalked)
                                << min << ".." << max << " from " << current << " size " << minSize
                                << ", " << takes << " takes";
                            const std::string next = print::TakeSequenceNumber(walk);
                            if (!firstWalked && !print::CarriesWhole(code, next))
                                firstWalked = next;
                        }
                    }
}

} // namespace
