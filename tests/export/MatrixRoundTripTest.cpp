// The two-dimensional symbols and GS1 DataBar exported in every format and orientation, read back
// to pixels by a reader that is not ours, decode with zxing-cpp to their data.

#include "export/ReadBack.h"
#include "support/Decode.h"

#include "app/ScanCheck.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using engine::SymbologyCode;
using ZXing::BarcodeFormat;

struct MatrixCase {
    SymbologyCode code;
    const char* text;
    BarcodeFormat format;
    const char* expected;   // as zxing-cpp returns it: UTF-8; GS1 fields ended by GS, or in
                            // brackets for DataBar Expanded
    const char* identifier; // the symbology identifier of GS1 data; empty: not checked
};

const MatrixCase kCases[] = {
    {SymbologyCode::QrCode, "Tallyrune QR 42", BarcodeFormat::QRCode, "Tallyrune QR 42", ""},
    {SymbologyCode::MicroQrCode, "12345678", BarcodeFormat::MicroQRCode, "12345678", ""},
    {SymbologyCode::DataMatrix, "Tallyrune DM", BarcodeFormat::DataMatrix, "Tallyrune DM", ""},
    {SymbologyCode::Gs1DataMatrix, "(01)09506000134352(17)261231(10)AB-123",
     BarcodeFormat::DataMatrix,
     "0109506000134352"
     "17261231"
     "10AB-123",
     "]d2"},
    {SymbologyCode::Pdf417, "Tallyrune PDF417", BarcodeFormat::PDF417, "Tallyrune PDF417", ""},
    {SymbologyCode::Aztec, "Tallyrune Aztec", BarcodeFormat::Aztec, "Tallyrune Aztec", ""},
    {SymbologyCode::DataBar, "(01)09506000134352", BarcodeFormat::DataBar, "09506000134352", "]e0"},
    {SymbologyCode::DataBarExpanded, "(01)09506000134352(10)AB12(21)XYZ",
     BarcodeFormat::DataBarExpanded, "(01)09506000134352(10)AB12(21)XYZ", "]e0"},
    // Any Unicode text, marked as UTF-8 by its ECI.
    {SymbologyCode::QrCode, "Grüße aus Köln 東京", BarcodeFormat::QRCode, "Grüße aus Köln 東京",
     ""},
    {SymbologyCode::DataMatrix, "Grüße aus Köln 東京", BarcodeFormat::DataMatrix,
     "Grüße aus Köln 東京", ""},
    {SymbologyCode::Aztec, "Grüße aus Köln 東京", BarcodeFormat::Aztec, "Grüße aus Köln 東京", ""},
};

// 2 dots a module at 150 dpi, half an inch high where the height applies.
constexpr int kModule = 2;
constexpr int kDpi = 150;

TEST(MatrixExportDecode, EverySymbologyFormatAndOrientationReadsBack) {
    QTemporaryDir dir;
    std::vector<exporting::ExportDocument> documents;
    for (const MatrixCase& c : kCases)
        documents.push_back(export_test::HalfInchDocument(c.code, c.text));
    for (const auto& s :
         export_test::ExportEverywhereAndReadBack(documents, kModule, kDpi, dir.path())) {
        const MatrixCase& c = kCases[s.document];
        const std::string what = s.file.path.section('/', -1).toStdString();
        ASSERT_FALSE(s.image.isNull()) << what;
        const auto decoded = testing_support::DecodeImage(s.image, c.format);
        EXPECT_TRUE(decoded.found) << what;
        EXPECT_EQ(decoded.utf8, c.expected) << what;
        if (*c.identifier) {
            EXPECT_EQ(decoded.symbologyIdentifier, c.identifier) << what;
        }
        // The scan check says so too, GS1 data compared in brackets.
        const app::ScanVerdict verdict = app::CheckScan(s.image, c.code, c.text);
        EXPECT_EQ(verdict.outcome, app::ScanOutcome::Matches)
            << what << ": " << verdict.Message().toStdString();
    }
}

} // namespace
