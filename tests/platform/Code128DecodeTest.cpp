// Every Code 128 family symbol drawn through PainterSurface is read back by zxing-cpp.

#include "support/Decode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

std::string LongText() {
    std::string text;
    for (int i = 0; i < 85; ++i)
        text += static_cast<char>('!' + (i * 7) % 94);
    return text;
}

struct Code128Case {
    const char* name;
    std::string text;
};

// Texts that cross every code-set change, SHIFT, control characters and DEL.
const Code128Case kPlainCases[] = {
    {"digits even, set C", "1234"},
    {"short digits, set B", "123"},
    {"odd digits leave C", "12345"},
    {"enter C mid text", "AB12345"},
    {"mixed case", "Tallyrune 2026"},
    {"tab before lower case, start A", std::string("\tAB") + "cd"},
    {"tab inside B, SHIFT", std::string("ab\tcd")},
    {"lower case inside A, SHIFT", std::string("\t\x01") + "a\x02"},
    {"brace in set A", std::string("\x01X{Y")},
    {"DEL and controls", std::string("A\x7F\x1F\x7F")},
    {"C then A", std::string("1234\x01\x02")},
    {"C then B", "123456abc"},
    {"all sets", std::string("12345678\x03XYZ{|}~9876")},
    {"80+ characters", LongText()},
};

TEST(Code128Decode, PlainTextsEveryModuleAndOrientation) {
    for (const auto& c : kPlainCases) {
        SCOPED_TRACE(c.name);
        ExpectReadEverywhere(SymbologyCode::Code128, c.text, Reader(ZXing::BarcodeFormat::Code128),
                             c.text);
    }
}

struct Gs1Case {
    SymbologyCode code;
    std::string text;
    std::string expectedData; // the GS1 data after the leading FNC1
};

const Gs1Case kGs1Cases[] = {
    {SymbologyCode::Ean128, "0112345678901231", "0112345678901231"},
    // Bracketed GS1 data: FNC1 (read as GS) after each field of no predefined length.
    {SymbologyCode::Ean128, "(01)09506000134352(10)AB12(21)XYZ",
     "0109506000134352"
     "10AB12\x1d"
     "21XYZ"},
    {SymbologyCode::Ean128, "(8005)000365(10)123456",
     "8005000365\x1d"
     "10123456"},
    {SymbologyCode::Ean128, "A(01)123", "A(01)123"},
    {SymbologyCode::Ean128, "10ABC123", "10ABC123"},
    {SymbologyCode::Ssc14, "1", "0100000000000017"},
    {SymbologyCode::Ssc14, "1234567890123", "0112345678901231"},
    {SymbologyCode::Sscc18, "12345", "00000000000000123457"},
    {SymbologyCode::Sscc18, "12345678901234567", "00123456789012345675"},
};

TEST(Code128Decode, Gs1SymbolsCarryFnc1AndTheirData) {
    // "]C1": FNC1 in first position.
    for (const auto& c : kGs1Cases)
        ExpectReadEverywhere(c.code, c.text, Reader(ZXing::BarcodeFormat::Code128), c.expectedData,
                             50, "]C1");
}

TEST(Code128Decode, RandomAsciiTexts) {
    for (const std::string& text : RandomAsciiTexts(2026, 60, 1, 40))
        ExpectRead(RenderBarcode({SymbologyCode::Code128, text, 2, 80, true, Orientation::Deg0}),
                   Reader(ZXing::BarcodeFormat::Code128), text);
}

} // namespace
