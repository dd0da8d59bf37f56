#include "engine/CheckDigits.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;

struct DigitCase {
    const char* text;
    char expected;
};

TEST(CheckDigits, Mod10) {
    const DigitCase cases[] = {
        {"01234567890", '5'},   {"1234567", '0'},           {"400638133393", '1'}, {"", '0'},
        {"0000000000001", '7'}, {"00000000000012345", '7'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Mod10CheckDigit(c.text), c.expected) << c.text;
}

TEST(CheckDigits, Postnet) {
    const DigitCase cases[] = {{"12345", '5'}, {"55", '0'}, {"", '0'}, {"9", '1'}};
    for (const auto& c : cases)
        EXPECT_EQ(PostnetCheckDigit(c.text), c.expected) << c.text;
}

TEST(CheckDigits, Code39) {
    EXPECT_EQ(Code39CheckChar("CODE39", 43), 'W');
    EXPECT_EQ(Code39CheckChar("CODE39", 10), '5');
    // The asterisk counts 43: 43 mod 43 = 0.
    EXPECT_EQ(Code39CheckChar("*", 43), '0');
    EXPECT_EQ(Code39CheckChar("", 43), '0');
    // ISO/IEC 16388 values 0 to 42: a character alone is its own modulo-43 check character, so
    // every remainder gives a data character and none gives the start/stop '*'.
    const std::string_view values = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    for (char c : values)
        EXPECT_EQ(Code39CheckChar(std::string(1, c), 43), c) << c;
}

TEST(CheckDigits, ExpandUpcE) {
    const struct {
        const char* upcE;
        const char* upcA;
    } cases[] = {
        {"123450", "01200000345"}, {"123453", "01230000045"}, {"123454", "01234000005"},
        {"123455", "01234500005"}, {"123456", "01234500006"}, {"12345", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandUpcE(c.upcE), c.upcA) << c.upcE;
}

TEST(CheckDigits, Code128Checksum) {
    // START B (104) then value 33: 104 + 33 = 137, 137 mod 103 = 34.
    EXPECT_EQ(Code128Checksum(std::string{char(104 + 32), char(33 + 32)}), char(34 + 32));
    for (int start : {103, 104, 105})
        EXPECT_EQ(Code128Checksum(std::string(1, char(start + 32))), char(start % 103 + 32));
    EXPECT_EQ(Code128Checksum(""), char(32));
}

TEST(CheckDigits, NonDigitsStillGiveADigit) {
    for (int c = 1; c < 256; ++c) {
        const std::string text(3, static_cast<char>(c));
        const char m = Mod10CheckDigit(text);
        const char p = PostnetCheckDigit(text);
        EXPECT_TRUE(m >= '0' && m <= '9') << c;
        EXPECT_TRUE(p >= '0' && p <= '9') << c;
    }
}

} // namespace
