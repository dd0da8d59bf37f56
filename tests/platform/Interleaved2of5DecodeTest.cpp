// Interleaved 2 of 5 and SSC-14 on Interleaved 2 of 5 drawn through PainterSurface are read
// back by zxing-cpp. Its ITF reader wants at least 6 digits, so shorter texts are proven by the
// engine tests alone; POSTNET has no reader there at all.

#include "support/Decode.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

struct ItfCase {
    SymbologyCode code;
    const char* text;
    const char* expected; // the digits in the bars
};

const ItfCase kCases[] = {
    {SymbologyCode::Interleaved2of5, "123456", "123456"},
    {SymbologyCode::Interleaved2of5, "12345", "012345"}, // odd: a leading zero
    {SymbologyCode::Interleaved2of5, "1234567", "01234567"},
    {SymbologyCode::Interleaved2of5, "0000000000", "0000000000"},
    {SymbologyCode::Interleaved2of5, "98765432109876543210", "98765432109876543210"},
    {SymbologyCode::Interleaved2of5, "135797531", "0135797531"},
    // Padded to 13 digits with the Mod10 check digit added.
    {SymbologyCode::Ssc14Itf, "1", "00000000000017"},
    {SymbologyCode::Ssc14Itf, "1234567890123", "12345678901231"},
    {SymbologyCode::Ssc14Itf, "400638133393", "04006381333931"},
};

TEST(Interleaved2of5Decode, EveryModuleOrientationAndTextSetting) {
    for (const auto& c : kCases)
        ExpectReadEverywhere(c.code, c.text, Reader(ZXing::BarcodeFormat::ITF), c.expected, 50);
}

TEST(Interleaved2of5Decode, Ssc14CarriesAValidGs1CheckDigit) {
    for (const auto& c : kCases)
        if (c.code == SymbologyCode::Ssc14Itf)
            ExpectReadEverywhere(c.code, c.text,
                                 Reader(ZXing::BarcodeFormat::ITF).setValidateITFCheckSum(true),
                                 c.expected, 50);
}

TEST(Interleaved2of5Decode, AWrongCheckDigitIsRefused) {
    // The reader's check is live: a plain ITF of 14 digits with a bad last digit fails it.
    const QImage image = RenderBarcode(
        {SymbologyCode::Interleaved2of5, "00000000000018", 2, 100, false, Orientation::Deg0});
    EXPECT_TRUE(DecodeImage(image, Reader(ZXing::BarcodeFormat::ITF)).found);
    EXPECT_FALSE(
        DecodeImage(image, Reader(ZXing::BarcodeFormat::ITF).setValidateITFCheckSum(true)).found);
}

} // namespace
