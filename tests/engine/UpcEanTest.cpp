#include "engine/UpcEan.h"
#include "engine/Barcode.h"
#include "engine/CheckDigits.h"
#include "engine/HumanReadable.h"

#include "EncoderChecks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace engine;
using namespace testing_support;

// ISO/IEC 15420:2009 number sets A (L), B (G) and C (R), one row per digit 0-9.
const std::string L[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                           "0110001", "0101111", "0111011", "0110111", "0001011"};
const std::string G[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                           "0111001", "0000101", "0010001", "0001001", "0010111"};
const std::string R[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                           "1001110", "1010000", "1000100", "1001000", "1110100"};
// ISO/IEC 15420:2009 auxiliary patterns.
const std::string GUARD = "101";
const std::string CENTRE = "01010";
const std::string UPCE_END = "010101";
const std::string ADDON_START = "1011";
const std::string ADDON_SEP = "01";

int Digit(char c) {
    return c - '0';
}

// Digits in number set C.
std::string RightHalf(const std::string& digits) {
    std::string out;
    for (char c : digits)
        out += R[Digit(c)];
    return out;
}

// Digits in sets A/B after a parity string written as in the standard: 'L'/'O'/'A' for set A,
// 'G'/'E'/'B' for set B.
std::string LeftHalf(const std::string& digits, const std::string& parity) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const bool even = parity[i] == 'G' || parity[i] == 'E' || parity[i] == 'B';
        out += even ? G[Digit(digits[i])] : L[Digit(digits[i])];
    }
    return out;
}

std::string AddOn(const std::string& digits, const std::string& parity) {
    std::string out = ADDON_START;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) out += ADDON_SEP;
        out += LeftHalf(digits.substr(i, 1), parity.substr(i, 1));
    }
    return out;
}

struct SymbolCase {
    const char* text;
    std::string expected;
    const char* source;
};

void ExpectSymbols(Encoder encoder, const std::vector<SymbolCase>& cases, int modules) {
    for (const auto& c : cases) {
        ASSERT_EQ(c.expected.size(), static_cast<std::size_t>(modules)) << c.text;
        for (int module = 1; module <= 3; ++module)
            EXPECT_EQ(SymbolModules(encoder, c.text, module), UpToLastBar(c.expected))
                << c.text << " (" << c.source << ")";
    }
}

TEST(UpcEan, UpcASymbols) {
    const std::vector<SymbolCase> cases = {
        {"01234567890",
         GUARD + L[0] + L[1] + L[2] + L[3] + L[4] + L[5] + CENTRE + R[6] + R[7] + R[8] + R[9] +
             R[0] + R[5] + GUARD,
         "012345678905"},
        // Padded to 000000123457; still 95 modules.
        {"12345", GUARD + LeftHalf("000000", "LLLLLL") + CENTRE + RightHalf("123457") + GUARD,
         "000000123457"},
        {"03600029145", GUARD + LeftHalf("036000", "LLLLLL") + CENTRE + RightHalf("291452") + GUARD,
         "036000291452, the GS1 UPC-A example"},
        // A longer text is not cut: its first twelve characters are drawn.
        {"012345678905",
         GUARD + LeftHalf("012345", "LLLLLL") + CENTRE + RightHalf("678905") + GUARD,
         "twelve digits as given"},
        {"123456789012345",
         GUARD + LeftHalf("123456", "LLLLLL") + CENTRE + RightHalf("789012") + GUARD,
         "first twelve of fifteen"},
    };
    ExpectSymbols(DrawUpcA, cases, 95);
}

TEST(UpcEan, Ean13Symbols) {
    const std::vector<SymbolCase> cases = {
        // Leading 4: ABAABB.
        {"400638133393",
         GUARD + L[0] + G[0] + L[6] + L[3] + G[8] + G[1] + CENTRE + R[3] + R[3] + R[3] + R[9] +
             R[3] + R[1] + GUARD,
         "4006381333931"},
        {"001234567890",
         GUARD + LeftHalf("012345", "AAAAAA") + CENTRE + RightHalf("678905") + GUARD,
         "0012345678905"},
        {"590123412345",
         GUARD + LeftHalf("901234", "ABBAAB") + CENTRE + RightHalf("123457") + GUARD,
         "5901234123457, GS1 example"},
        {"978014300723",
         GUARD + LeftHalf("780143", "ABBABA") + CENTRE + RightHalf("007234") + GUARD,
         "9780143007234, ISBN"},
        {"1", GUARD + LeftHalf("000000", "AAAAAA") + CENTRE + RightHalf("000017") + GUARD,
         "0000000000017"},
    };
    ExpectSymbols(DrawEan13, cases, 95);
}

TEST(UpcEan, Ean13EveryLeadingDigitParity) {
    // ISO/IEC 15420:2009, number sets of the left half by leading digit; text d00000000000,
    // whose check digit is (10 - d) mod 10.
    const char* parities[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
    for (int d = 0; d < 10; ++d) {
        const std::string text = std::to_string(d) + "00000000000";
        const std::string check = std::to_string((10 - d) % 10);
        const std::string expected =
            GUARD + LeftHalf("000000", parities[d]) + CENTRE + RightHalf("00000" + check) + GUARD;
        EXPECT_EQ(SymbolModules(DrawEan13, text), UpToLastBar(expected)) << text;
    }
}

TEST(UpcEan, Ean8Symbols) {
    const std::vector<SymbolCase> cases = {
        {"1234567", GUARD + L[1] + L[2] + L[3] + L[4] + CENTRE + R[5] + R[6] + R[7] + R[0] + GUARD,
         "12345670"},
        {"9638507", GUARD + LeftHalf("9638", "AAAA") + CENTRE + RightHalf("5074") + GUARD,
         "96385074, ISO/IEC 15420 EAN-8 example"},
        {"5512345", GUARD + LeftHalf("5512", "AAAA") + CENTRE + RightHalf("3457") + GUARD,
         "55123457"},
        {"1", GUARD + LeftHalf("0000", "AAAA") + CENTRE + RightHalf("0017") + GUARD, "00000017"},
    };
    ExpectSymbols(DrawEan8, cases, 67);
}

TEST(UpcEan, UpcEEveryCheckDigitParity) {
    // ISO/IEC 15420:2009, UPC-E parities for number system 0 (E = set B, O = set A).
    const struct {
        const char* text;
        char check;
        const char* parity;
    } cases[] = {
        {"000000", '0', "EEEOOO"}, {"123453", '1', "EEOEOO"}, {"999999", '2', "EEOOEO"},
        {"123454", '3', "EEOOOE"}, {"102030", '4', "EOEEOO"}, {"123456", '5', "EOOEEO"},
        {"444444", '6', "EOOOEE"}, {"654321", '7', "EOEOEO"}, {"123455", '8', "EOEOOE"},
        {"543210", '9', "EOOEOE"}, {"000015", '4', "EOEEOO"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Mod10CheckDigit(ExpandUpcE(c.text)), c.check) << c.text;
        const std::string expected = GUARD + LeftHalf(c.text, c.parity) + UPCE_END;
        ASSERT_EQ(expected.size(), 51u);
        EXPECT_EQ(SymbolModules(DrawUpcE, c.text, 2), UpToLastBar(expected)) << c.text;
    }
}

TEST(UpcEan, UpcE123456) {
    // Expands to 01234500006, check 5, parity EOOEEO.
    EXPECT_EQ(ExpandUpcE("123456"), "01234500006");
    const std::string expected = GUARD + G[1] + L[2] + L[3] + G[4] + G[5] + L[6] + UPCE_END;
    EXPECT_EQ(SymbolModules(DrawUpcE, "123456"), UpToLastBar(expected));
    // A short text is padded to six digits: 12 is 000012 (expansion 00000000012, check 5).
    EXPECT_EQ(SymbolModules(DrawUpcE, "12"),
              UpToLastBar(GUARD + LeftHalf("000012", "EOOEEO") + UPCE_END));
}

TEST(UpcEan, AddOn2Parity) {
    // Value mod 4: 0 LL, 1 LG, 2 GL, 3 GG (ISO/IEC 15420:2009, two-digit add-on).
    const struct {
        const char* text;
        const char* digits;
        const char* parity;
    } cases[] = {
        {"7", "07", "GG"},  {"00", "00", "LL"},  {"01", "01", "LG"}, {"02", "02", "GL"},
        {"03", "03", "GG"}, {"12", "12", "LL"},  {"34", "34", "GL"}, {"45", "45", "LG"},
        {"99", "99", "GG"}, {"100", "10", "GL"},
    };
    for (const auto& c : cases) {
        const std::string expected = AddOn(c.digits, c.parity);
        ASSERT_EQ(expected.size(), 20u);
        for (int module = 1; module <= 2; ++module)
            EXPECT_EQ(SymbolModules(DrawUpcExt2, c.text, module), UpToLastBar(expected)) << c.text;
    }
}

TEST(UpcEan, AddOn5Parity) {
    // Checksum = (3 x odd positions + 9 x even positions) mod 10 (ISO/IEC 15420:2009).
    const struct {
        const char* text;
        const char* digits;
        const char* parity;
    } cases[] = {
        {"52495", "52495", "GLGLL"}, // 141 -> 1
        {"86104", "86104", "GLLLG"}, // 93 -> 3
        {"24", "00024", "GGLLL"},    // 30 -> 0
        {"00000", "00000", "GGLLL"}, {"00001", "00001", "GLLLG"},   {"00002", "00002", "LLLGG"},
        {"00003", "00003", "LLGLG"}, {"00004", "00004", "GLLGL"},   {"00005", "00005", "LLGGL"},
        {"00006", "00006", "LGLLG"}, {"00007", "00007", "GLGLL"},   {"00008", "00008", "LGGLL"},
        {"00009", "00009", "LGLGL"}, {"1234567", "12345", "GLGLL"}, // cut to five: 81 -> 1
    };
    for (const auto& c : cases) {
        const std::string expected = AddOn(c.digits, c.parity);
        ASSERT_EQ(expected.size(), 47u);
        EXPECT_EQ(SymbolModules(DrawUpcExt5, c.text, 3), UpToLastBar(expected)) << c.text;
    }
}

TEST(UpcEan, NonDigitStopsAtThatCharacter) {
    const struct {
        Encoder encoder;
        const char* text;
        std::string expected;
    } cases[] = {
        // 00000012a45: guard, six digits, centre, 1, 2, then stop.
        {DrawUpcA, "12a45", GUARD + LeftHalf("000000", "LLLLLL") + CENTRE + R[1] + R[2]},
        {DrawUpcA, "/2345", GUARD + LeftHalf("000000", "LLLLLL") + CENTRE},
        // The centre guard's own character is no digit either.
        {DrawUpcA, ":", GUARD + LeftHalf("000000", "LLLLLL") + CENTRE + RightHalf("0000")},
        // A non-digit first character draws nothing at all.
        {DrawEan13, "a23456789012", ""},
        {DrawEan13, "12x456789012", GUARD + L[2]}, // leading 1: AABABB
        {DrawEan13, "1234567x9012", GUARD + LeftHalf("234567", "AABABB") + CENTRE},
        {DrawEan8, "12?4567", GUARD + L[1] + L[2]},
        {DrawEan8, "12345;7", GUARD + LeftHalf("1234", "AAAA") + CENTRE + R[5]},
        // 012a4500006 sums to 91 with 'a' counted as 49: check 9, parity EOOEOE.
        {DrawUpcE, "12a456", GUARD + G[1] + L[2]},
        {DrawUpcExt2, "a7", ADDON_START},
        // 70 + 49 = 119, mod 4 = 3: the 7 is drawn with G before the stop.
        {DrawUpcExt2, "7a", ADDON_START + G[7] + ADDON_SEP},
        // 3 x (5 + 49 + 5) + 9 x (2 + 9) = 276: checksum 6, LLLGG.
        {DrawUpcExt5, "52a95", ADDON_START + L[5] + ADDON_SEP + L[2] + ADDON_SEP},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SymbolModules(c.encoder, c.text, 2), UpToLastBar(c.expected)) << c.text;
}

TEST(UpcEan, UpcAEqualsEan13WithLeadingZero) {
    const char* upcTexts[] = {"01234567890", "12345", "1", "99999999999", "03600029145"};
    for (const char* upc : upcTexts) {
        const std::string ean = "0" + PadLeft(upc, 11, '0');
        for (int module = 1; module <= 4; ++module)
            for (Orientation o : engine::kAllOrientations) {
                const std::vector<Span> upcA = DrawSpans(DrawUpcA, upc, module, o);
                ASSERT_FALSE(upcA.empty());
                EXPECT_EQ(upcA, DrawSpans(DrawEan13, ean, module, o)) << upc << " " << module;
            }
    }
}

struct EncoderRow {
    SymbologyCode code;
    Encoder encoder;
    int modules;
    int length; // digits the filter keeps
};

const EncoderRow kEncoders[] = {
    {SymbologyCode::UpcA, DrawUpcA, 95, 11},      {SymbologyCode::Ean13, DrawEan13, 95, 12},
    {SymbologyCode::Ean8, DrawEan8, 67, 7},       {SymbologyCode::UpcE, DrawUpcE, 51, 6},
    {SymbologyCode::UpcExt2, DrawUpcExt2, 20, 2}, {SymbologyCode::UpcExt5, DrawUpcExt5, 47, 5},
};

TEST(UpcEan, EveryOrientationDrawsTheSameSequence) {
    for (const auto& row : kEncoders)
        for (int module = 1; module <= 4; ++module)
            ExpectSameBarsInEveryOrientation(row.encoder, "1234567890123", module);
}

TEST(UpcEan, AnyByteStaysInsideTheBox) {
    std::mt19937 random(1520);
    for (const auto& row : kEncoders)
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const std::string valid = std::string("1234567890123").substr(0, row.length);
            ExpectInsideTheSymbol(row.encoder, std::string(1, c), 1, Orientation::Deg0,
                                  row.modules);
            for (std::size_t at = 0; at <= valid.size(); ++at) {
                std::string text = valid;
                text.insert(at, 1, c);
                ExpectInsideTheSymbol(row.encoder, text, 2, kAllOrientations[at % 4], row.modules);
                text = valid;
                if (at < text.size()) text[at] = c;
                ExpectInsideTheSymbol(row.encoder, text, 1, Orientation::Deg0, row.modules);
            }
        }
    for (const auto& row : kEncoders)
        for (int i = 0; i < 300; ++i) {
            std::string text(random() % 40, '\0');
            for (char& ch : text)
                ch = static_cast<char>(random() % 256);
            ExpectInsideTheSymbol(row.encoder, text, 1 + static_cast<int>(random() % 3),
                                  kAllOrientations[i % 4], row.modules);
        }
}

TEST(UpcEan, ExtentAgreesWithTheBars) {
    std::mt19937 random(15420);
    for (const auto& row : kEncoders)
        for (int i = 0; i < 200; ++i) {
            std::string raw(random() % 61, '\0');
            for (char& ch : raw)
                ch = static_cast<char>(random() % 3 ? '0' + random() % 10 : random() % 128);
            const std::string text = FilterBarcodeText(row.code, raw);
            // Every symbol of the family starts and ends with a bar.
            ExpectExtentMatchesTheBars(row.code, text, 60);
            if (!text.empty()) {
                EXPECT_EQ(BarcodeExtent(1, row.code, text), row.modules + 20);
            }
        }
}

TEST(UpcEan, HumanReadablePieces) {
    using enum TextPlacement;
    const struct {
        SymbologyCode code;
        const char* text;
        std::vector<TextPiece> pieces;
    } cases[] = {
        {SymbologyCode::UpcA,
         "01234567890",
         {{"0", StartCornerBelow},
          {"12345", BeforeCentreBelow},
          {"67890", AfterCentreBelow},
          {"5", EndCornerBelow}}},
        {SymbologyCode::UpcA,
         "12345",
         {{"0", StartCornerBelow},
          {"00000", BeforeCentreBelow},
          {"12345", AfterCentreBelow},
          {"7", EndCornerBelow}}},
        {SymbologyCode::Ean13,
         "400638133393",
         {{"4", StartCornerBelow}, {"006381 333931", CentredBelow}}},
        {SymbologyCode::UpcE,
         "123456",
         {{"0", StartCornerBelow}, {"123456", CentredBelow}, {"5", EndCornerBelow}}},
        {SymbologyCode::Ean8, "1234567", {{"1234567", CentredBelow}}},
        {SymbologyCode::UpcExt2, "7", {{"7", CentredAbove}}},
        {SymbologyCode::UpcExt5, "52495", {{"52495", CentredAbove}}},
    };
    for (const auto& c : cases) {
        const auto pieces = HumanReadablePieces(c.code, c.text);
        ASSERT_EQ(pieces.size(), c.pieces.size()) << c.text;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].text, c.pieces[i].text) << c.text;
            EXPECT_EQ(pieces[i].placement, c.pieces[i].placement) << c.text;
        }
    }
}

TEST(UpcEan, UpcATextPlacement) {
    // Module 2: cell 24 high, the recorder's digits 12 wide; box 230 x 150, centre line 115.
    const struct {
        Orientation orientation;
        std::vector<std::tuple<std::string, int, int>> expected;
    } cases[] = {
        {Orientation::Deg0,
         {{"0", 0, 126}, {"12345", 51, 126}, {"67890", 119, 126}, {"5", 218, 126}}},
        // Upside down along the top edge: the first digit at the top right.
        {Orientation::Deg180,
         {{"0", 230, 24}, {"12345", 179, 24}, {"67890", 111, 24}, {"5", 12, 24}}},
    };
    for (const auto& c : cases) {
        RecordingSurface dc;
        DrawBarcode(dc, SymbologyCode::UpcA, 0, 0, 2, 150, "01234567890", true, c.orientation,
                    false);
        ASSERT_EQ(dc.texts.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(dc.texts[i].text, std::get<0>(c.expected[i]));
            EXPECT_EQ(dc.texts[i].x, std::get<1>(c.expected[i])) << dc.texts[i].text;
            EXPECT_EQ(dc.texts[i].y, std::get<2>(c.expected[i])) << dc.texts[i].text;
            EXPECT_EQ(dc.texts[i].font.cellHeight, 24);
        }
    }
}

TEST(UpcEan, TextStripAcrossTheBars) {
    // Main symbols keep 5 modules below for their digits; add-ons 15 above.
    const struct {
        SymbologyCode code;
        int top;    // first bar row at 0 degrees, module 2, height 150
        int bottom; // one past the last bar row
    } cases[] = {
        {SymbologyCode::UpcA, 0, 140},     {SymbologyCode::Ean13, 0, 140},
        {SymbologyCode::Ean8, 0, 140},     {SymbologyCode::UpcE, 0, 140},
        {SymbologyCode::UpcExt2, 30, 150}, {SymbologyCode::UpcExt5, 30, 150},
    };
    for (const auto& c : cases) {
        for (bool showText : {true, false}) {
            RecordingSurface dc;
            DrawBarcode(dc, c.code, 0, 0, 2, 150, "1234567", showText, Orientation::Deg0, false);
            const auto bars = dc.Bars();
            ASSERT_FALSE(bars.empty());
            for (const auto& b : bars) {
                EXPECT_EQ(b.top, showText ? c.top : 0) << int(c.code);
                EXPECT_EQ(b.bottom, showText ? c.bottom : 150) << int(c.code);
            }
        }
    }
}

} // namespace
