#include "engine/Barcode.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;
using enum SymbologyCode;

TEST(Symbology, ListPositionsMapToCodes) {
    // The main window's list order, position 0 first.
    const SymbologyCode byPosition[] = {
        Code128, Code39,          Code39Extended, Code93,        UpcA,        UpcE,
        Ean128,  Ean13,           Ean8,           UpcExt2,       UpcExt5,     Interleaved2of5,
        Postnet, Ssc14,           Ssc14Itf,       Sscc18,        Code39Mod43, Code39Mod10,
        QrCode,  MicroQrCode,     DataMatrix,     Gs1DataMatrix, Pdf417,      Aztec,
        DataBar, DataBarExpanded,
    };
    for (int position = 0; position < kSymbologyCount; ++position) {
        EXPECT_EQ(ComboToSymbology(position), byPosition[position]) << position;
        EXPECT_EQ(SymbologyToCombo(byPosition[position]), position) << position;
    }
    EXPECT_EQ(ComboToSymbology(-1), Code128); // no selection
    EXPECT_EQ(FindSymbology(Code93)->listItem, "Code 93");
    EXPECT_EQ(FindSymbology(static_cast<SymbologyCode>(26)), nullptr);
}

TEST(Symbology, ListItemsInAnyLetterCase) {
    EXPECT_EQ(SymbologyFromListItem("ean 13"), Ean13);
    EXPECT_EQ(SymbologyFromListItem("CODE 39 (MOD43 CHECK DIGIT)"), Code39Mod43);
    EXPECT_EQ(SymbologyFromListItem("SSC-14 (Interleaved 2 of 5)"), Ssc14Itf);
    EXPECT_FALSE(SymbologyFromListItem("Code 11").has_value());
}

TEST(Symbology, HintsFollowTheCharacterClass) {
    const struct {
        SymbologyCode code;
        const char* hint;
    } cases[] = {{Code128, "Alpha Numeric"},
                 {Code93, "Alpha Numeric"},
                 {Ean128, "Alpha Numeric"},
                 {Code39Extended, "Alpha Numeric"},
                 {Code39, "Alpha Numeric (Upper)"},
                 {Code39Mod10, "Alpha Numeric (Upper)"},
                 {UpcA, "Numeric Only"},
                 {Postnet, "Numeric Only"},
                 {Sscc18, "Numeric Only"}};
    for (const auto& c : cases)
        EXPECT_EQ(CharClassHint(FindSymbology(c.code)->charClass), c.hint) << int(c.code);
}

struct FilterCase {
    SymbologyCode code;
    std::string typed;
    std::string kept;
};

TEST(Symbology, FilterKeepsWhatTheSymbologyCarries) {
    const FilterCase cases[] = {
        {Code39, "abc-12", "ABC-12"},
        // '*' is the start/stop character, which no data may hold; Extended sends it as /J.
        {Code39, "*A*B*", "AB"},
        {Code39Mod43, "A*B", "AB"},
        {Code39Mod10, "**1*2", "12"},
        {Code39Extended, "a*B", "a*B"},
        {Code39, "a_b!c", "ABC"},
        {Code39Mod43, "x y.$/+%", "X Y.$/+%"},
        {UpcA, "12a-3:4;5", "12345"},
        {UpcA, "123456789012345", "12345678901"},
        {Sscc18, "1234567890123456789", "12345678901234567"},
        {Ean13, "1234567890123456", "123456789012"},
        {Ean8, "123456789", "1234567"},
        {UpcE, "12345678", "123456"},
        {UpcExt2, "123", "12"},
        {UpcExt5, "1234567", "12345"},
        {Ssc14, "12345678901234", "1234567890123"},
        {Ssc14Itf, "12345678901234", "1234567890123"},
        {Postnet, "123456789012", "12345678901"},
        {Interleaved2of5, "12 34 56 78 90 12", "123456789012"},
        {Code128,
         std::string("a\x01\x7F\x80\xFF"
                     "b",
                     6),
         "a\x01\x7F"
         "b"},
        {Code93, std::string("x\0y", 3), "xy"},
        {static_cast<SymbologyCode>(26), std::string("\x80\0z", 3), "\x80z"},
        // Any text is UTF-8: a byte that starts no UTF-8 sequence is taken as Latin-1.
        {QrCode, std::string("K\xc3\xb6ln \xf6\0!", 9), "K\xc3\xb6ln \xc3\xb6!"},
        {Gs1DataMatrix,
         "(10)\x01\xc3\xb6"
         "A",
         "(10)A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilterBarcodeText(c.code, c.typed), c.kept) << c.typed;
}

TEST(Symbology, FilterOfEveryByte) {
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        const bool digit = c >= '0' && c <= '9';
        EXPECT_EQ(FilterBarcodeText(UpcA, one).size(), digit ? 1u : 0u) << c;
        EXPECT_EQ(FilterBarcodeText(Code128, one).size(), c >= 1 && c <= 127 ? 1u : 0u) << c;
    }
}

} // namespace
