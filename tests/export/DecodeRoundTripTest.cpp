// Every decodable symbology exported in every format and orientation, read back to pixels by a
// reader that is not ours, decodes with zxing-cpp to its text.

#include "export/ReadBack.h"
#include "support/Decode.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;
using exporting::ExportFormat;
using ZXing::BarcodeFormat;

struct DecodeCase {
    SymbologyCode code;
    const char* text;
    BarcodeFormat format;
    const char* expected; // as zxing-cpp reports it: check characters of Code 39 included
    bool fullAscii = false;
};

const DecodeCase kCases[] = {
    {SymbologyCode::Code128, "Tally 42", BarcodeFormat::Code128, "Tally 42"},
    {SymbologyCode::Code39, "CODE-39", BarcodeFormat::Code39, "CODE-39"},
    {SymbologyCode::Code39Extended, "Ab1", BarcodeFormat::Code39, "Ab1", true},
    {SymbologyCode::UpcA, "03600029145", BarcodeFormat::UPCA, "036000291452"},
    {SymbologyCode::Interleaved2of5, "123456", BarcodeFormat::ITF, "123456"},
    {SymbologyCode::Code93, "CODE93", BarcodeFormat::Code93, "CODE93"},
    {SymbologyCode::Ean13, "400638133393", BarcodeFormat::EAN13, "4006381333931"},
    {SymbologyCode::Ean8, "9638507", BarcodeFormat::EAN8, "96385074"},
    {SymbologyCode::Ean128, "0112345678901231", BarcodeFormat::Code128, "0112345678901231"},
    {SymbologyCode::UpcE, "123456", BarcodeFormat::UPCE, "01234565"},
    {SymbologyCode::Ssc14, "1234567890123", BarcodeFormat::Code128, "0112345678901231"},
    {SymbologyCode::Ssc14Itf, "1234567890123", BarcodeFormat::ITF, "12345678901231"},
    {SymbologyCode::Sscc18, "12345", BarcodeFormat::Code128, "00000000000000123457"},
    {SymbologyCode::Code39Mod43, "CODE39", BarcodeFormat::Code39, "CODE39W"},
    {SymbologyCode::Code39Mod10, "HELLO", BarcodeFormat::Code39, "HELLO7"},
};

// Small pictures keep the readers quick: 2 dots a bar at 150 dpi, half an inch high.
constexpr int kModule = 2;
constexpr int kDpi = 150;

TEST(ExportDecode, EverySymbologyFormatAndOrientationReadsBack) {
    QTemporaryDir dir;
    std::vector<exporting::ExportDocument> documents;
    for (const DecodeCase& c : kCases)
        documents.push_back(export_test::HalfInchDocument(c.code, c.text));
    for (const auto& s :
         export_test::ExportEverywhereAndReadBack(documents, kModule, kDpi, dir.path())) {
        const DecodeCase& c = kCases[s.document];
        const std::string what = s.file.path.section('/', -1).toStdString();
        ASSERT_FALSE(s.image.isNull()) << what;
        const auto decoded = testing_support::DecodeImage(s.image, c.format, c.fullAscii);
        EXPECT_TRUE(decoded.found) << what;
        EXPECT_EQ(decoded.text, c.expected) << what;
    }
}

} // namespace
