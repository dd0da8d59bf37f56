// UPC-A, UPC-E, EAN-13, EAN-8 and the add-ons drawn through PainterSurface are read back by
// zxing-cpp, which reports the data with its check digit (UPC-E as eight digits: number
// system, six digits, check).

#include "support/Decode.h"

#include "platform/PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;
using ZXing::BarcodeFormat;

struct DecodeCase {
    SymbologyCode code;
    const char* text;
    BarcodeFormat format;
    const char* expected;
};

const DecodeCase kCases[] = {
    {SymbologyCode::UpcA, "01234567890", BarcodeFormat::UPCA, "012345678905"},
    {SymbologyCode::UpcA, "12345", BarcodeFormat::UPCA, "000000123457"},
    {SymbologyCode::UpcA, "03600029145", BarcodeFormat::UPCA, "036000291452"},
    // Asked for EAN-13 alone, zxing keeps the leading 0 instead of calling it UPC-A.
    {SymbologyCode::Ean13, "400638133393", BarcodeFormat::EAN13, "4006381333931"},
    {SymbologyCode::Ean13, "001234567890", BarcodeFormat::EAN13, "0012345678905"},
    {SymbologyCode::Ean13, "590123412345", BarcodeFormat::EAN13, "5901234123457"},
    {SymbologyCode::Ean13, "978014300723", BarcodeFormat::EAN13, "9780143007234"},
    {SymbologyCode::Ean8, "1234567", BarcodeFormat::EAN8, "12345670"},
    {SymbologyCode::Ean8, "9638507", BarcodeFormat::EAN8, "96385074"},
    {SymbologyCode::Ean8, "1", BarcodeFormat::EAN8, "00000017"},
    {SymbologyCode::UpcE, "123456", BarcodeFormat::UPCE, "01234565"},
    {SymbologyCode::UpcE, "12", BarcodeFormat::UPCE, "00000125"},
};

TEST(UpcEanDecode, EveryModuleOrientationAndText) {
    for (const auto& c : kCases)
        ExpectReadEverywhere(c.code, c.text, Reader(c.format), c.expected);
}

TEST(UpcEanDecode, EveryEan13LeadingDigitAndUpcEParity) {
    for (int lead = 0; lead < 10; ++lead) {
        const std::string text = std::to_string(lead) + "00000000000";
        for (Orientation o : engine::kAllOrientations)
            ExpectRead(RenderBarcode({SymbologyCode::Ean13, text, 2, 80, true, o}),
                       Reader(BarcodeFormat::EAN13), text + std::to_string((10 - lead) % 10));
    }
    // One text per UPC-E check digit 0-9, so every parity row is read back.
    const char* upcE[][2] = {{"000000", "00000000"}, {"123453", "01234531"}, {"999999", "09999992"},
                             {"123454", "01234543"}, {"102030", "01020304"}, {"123456", "01234565"},
                             {"444444", "04444446"}, {"654321", "06543217"}, {"123455", "01234558"},
                             {"543210", "05432109"}};
    for (const auto& c : upcE)
        for (Orientation o : engine::kAllOrientations)
            ExpectRead(RenderBarcode({SymbologyCode::UpcE, c[0], 2, 80, true, o}),
                       Reader(BarcodeFormat::UPCE), c[1]);
}

// A main symbol and an add-on, each in its own box, on one image. The add-on box starts
// (main symbol modules + gap) modules after the main box, so its first bar stands `gap` modules
// after the main symbol's last bar; it overlaps the main box's trailing quiet zone and is drawn
// without background so it does not wipe the main symbol's end guard.
QImage RenderWithAddOn(const RenderRequest& main, SymbologyCode addOnCode, const char* addOn,
                       int gap) {
    const int m = main.module;
    const int mainModules = engine::BarcodeExtent(1, main.code, main.text) - 20;
    const int offset = (mainModules + gap) * m;
    const int along = offset + engine::BarcodeExtent(m, addOnCode, addOn);
    const bool alongY = engine::AdvancesAlongY(main.orientation);
    const int margin = 20;
    QImage image(alongY ? main.height + 2 * margin : along + 2 * margin,
                 alongY ? along + 2 * margin : main.height + 2 * margin, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    {
        platform::PainterSurface surface(painter, QStringLiteral("Courier New"));
        engine::DrawBarcode(surface, main.code, margin, margin, m, main.height, main.text,
                            main.showText, main.orientation, false);
        const int x = margin + (alongY ? 0 : offset);
        const int y = margin + (alongY ? offset : 0);
        engine::DrawBarcode(surface, addOnCode, x, y, m, main.height, addOn, main.showText,
                            main.orientation, true);
    }
    painter.end();
    return image;
}

struct AddOnCase {
    SymbologyCode mainCode;
    const char* mainText;
    BarcodeFormat format;
    SymbologyCode addOnCode;
    const char* addOn;
    const char* expected;
};

const AddOnCase kAddOnCases[] = {
    {SymbologyCode::Ean13, "400638133393", BarcodeFormat::EAN13, SymbologyCode::UpcExt5, "52495",
     "4006381333931 52495"},
    {SymbologyCode::Ean13, "978014300723", BarcodeFormat::EAN13, SymbologyCode::UpcExt2, "7",
     "9780143007234 07"},
    {SymbologyCode::UpcA, "03600029145", BarcodeFormat::UPCA, SymbologyCode::UpcExt2, "34",
     "036000291452 34"},
    {SymbologyCode::UpcE, "123456", BarcodeFormat::UPCE, SymbologyCode::UpcExt5, "86104",
     "01234565 86104"},
};

// zxing-cpp 1.4 looks for an add-on at most 3.5 start-guard widths (10.5 modules) after the main
// symbol, so of the 7 to 12 modules the standard allows, 7 to 10 are read.
TEST(UpcEanDecode, AddOnBesideTheMainSymbol) {
    for (const auto& c : kAddOnCases)
        for (int gap = 7; gap <= 10; ++gap) {
            SCOPED_TRACE("gap " + std::to_string(gap));
            const std::string expected = c.expected;
            ForEveryRendering(c.mainCode, c.mainText, 40, [&](const RenderRequest& main) {
                const DecodeResult read = ExpectRead(
                    RenderWithAddOn(main, c.addOnCode, c.addOn, gap),
                    Reader(c.format).setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read), expected);
                EXPECT_EQ(read.addOn, expected.substr(expected.find(' ') + 1));
            });
        }
}

TEST(UpcEanDecode, MainSymbolStillReadsWithAnAddOnUpTo12ModulesAway) {
    for (const auto& c : kAddOnCases)
        for (int gap = 7; gap <= 12; ++gap) {
            SCOPED_TRACE("gap " + std::to_string(gap));
            const RenderRequest main{c.mainCode, c.mainText, 2, 80, true, Orientation::Deg0};
            ExpectRead(RenderWithAddOn(main, c.addOnCode, c.addOn, gap), Reader(c.format),
                       std::string(c.expected).substr(0, std::string(c.expected).find(' ')));
        }
}

} // namespace
