// Interleaved 2 of 5 and SSC-14 on Interleaved 2 of 5 drawn through PainterSurface are read
// back by zxing-cpp. Its ITF reader wants at least 6 digits, so shorter texts are proven by the
// engine tests alone; POSTNET has no reader there at all.

#include "support/Decode.h"

#include <ZXing/ReadBarcode.h>
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

// Like RenderAndDecode, but the reader also checks the GS1 check digit when asked to.
DecodeResult Decode(const RenderRequest& request, bool validateCheckDigit) {
    const QImage gray = RenderBarcode(request).convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(),
                                ZXing::ImageFormat::Lum, static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::ITF);
    hints.setTryRotate(true);
    hints.setTryHarder(true);
    hints.setValidateITFCheckSum(validateCheckDigit);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    DecodeResult out;
    out.found = result.isValid();
    if (out.found) out.text.assign(result.bytes().begin(), result.bytes().end());
    return out;
}

TEST(Interleaved2of5Decode, EveryModuleOrientationAndTextSetting) {
    for (const auto& c : kCases)
        for (int module = 1; module <= 4; ++module)
            for (Orientation o : engine::kAllOrientations)
                for (bool showText : {true, false}) {
                    const RenderRequest r{c.code, c.text, module, 50 * module, showText, o};
                    const DecodeResult d = RenderAndDecode(r, ZXing::BarcodeFormat::ITF);
                    ASSERT_TRUE(d.found) << c.text << " module " << module << " o " << int(o)
                                         << " text " << showText;
                    EXPECT_EQ(d.format, "ITF");
                    EXPECT_EQ(d.text, c.expected) << c.text << " module " << module;
                }
}

TEST(Interleaved2of5Decode, Ssc14CarriesAValidGs1CheckDigit) {
    for (const auto& c : kCases) {
        if (c.code != SymbologyCode::Ssc14Itf) continue;
        for (int module = 1; module <= 4; ++module)
            for (Orientation o : engine::kAllOrientations) {
                const RenderRequest r{c.code, c.text, module, 50 * module, true, o};
                const DecodeResult d = Decode(r, true);
                ASSERT_TRUE(d.found) << c.text << " module " << module << " o " << int(o);
                EXPECT_EQ(d.text, c.expected);
            }
    }
}

TEST(Interleaved2of5Decode, AWrongCheckDigitIsRefused) {
    // The reader's check is live: a plain ITF of 14 digits with a bad last digit fails it.
    const RenderRequest r{
        SymbologyCode::Interleaved2of5, "00000000000018", 2, 100, false, Orientation::Deg0};
    EXPECT_TRUE(Decode(r, false).found);
    EXPECT_FALSE(Decode(r, true).found);
}

} // namespace
