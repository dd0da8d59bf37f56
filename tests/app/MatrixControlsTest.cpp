// The toolbar's two-dimensional options without a window, the document's keys for them, and
// the designer's picture and status of a symbol whose text is too long.

#include "app/MatrixControls.h"
#include "app/DocumentFile.h"
#include "app/ScanCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using app::BarcodeDocument;
using engine::SymbologyCode;

class MatrixControlsTest : public ::testing::Test {
  protected:
    MatrixControlsTest() {
        doc.SetBarHeight(0.75);
        doc.SetScale(2);
    }
    app::PrinterMetrics metrics; // 96 dots per inch on the screen
    BarcodeDocument doc{metrics, engine::Unit::Inch, app::LabelSheet{}};
};

TEST_F(MatrixControlsTest, ListsFollowTheSymbologyAndTheChoiceIsKept) {
    const struct {
        SymbologyCode code;
        QStringList ecc;
        QString usual;
        int sizes; // without "Auto"
    } cases[] = {
        {SymbologyCode::QrCode, {"L", "M", "Q", "H"}, "M", 40},
        {SymbologyCode::MicroQrCode, {"L", "M", "Q"}, "L", 4},
        {SymbologyCode::Aztec, {"10%", "23%", "36%", "50%"}, "23%", 36},
        {SymbologyCode::DataMatrix, {}, "", 30},
        {SymbologyCode::DataBar, {}, "", 0},
        {SymbologyCode::Code128, {}, "", 0},
    };
    for (const auto& c : cases) {
        doc.SetSymbology(c.code);
        doc.SetEccLevel("");
        doc.SetSymbolSize(0);
        const app::OptionList ecc = app::EccList(doc);
        EXPECT_EQ(ecc.items, c.ecc) << int(c.code);
        EXPECT_EQ(ecc.enabled, !c.ecc.empty()) << int(c.code);
        if (ecc.enabled) {
            EXPECT_EQ(ecc.items.value(ecc.current), c.usual) << int(c.code);
        }
        const app::OptionList sizes = app::SizeList(doc);
        EXPECT_EQ(sizes.items.size(), c.sizes ? c.sizes + 1 : 0) << int(c.code);
        if (!sizes.enabled) continue;
        app::ChooseSize(doc, 3);
        EXPECT_EQ(app::SizeList(doc).current, 3) << int(c.code);
    }
}

TEST_F(MatrixControlsTest, TheUsualLevelIsStoredAsNoneSoTheFileKeepsNoKey) {
    doc.SetSymbology(SymbologyCode::QrCode);
    app::ChooseEcc(doc, 3);
    EXPECT_EQ(doc.Options().ecc, "H");
    app::ChooseEcc(doc, 1);
    EXPECT_EQ(doc.Options().ecc, "");
}

TEST_F(MatrixControlsTest, AnyTextKeepsUnicodeAndTheOthersLatin1) {
    const QString typed = QString::fromUtf8("Grüße aus Köln 東京");
    EXPECT_EQ(app::StoredText(SymbologyCode::QrCode, typed), typed.toUtf8().toStdString());
    EXPECT_EQ(app::ShownText(SymbologyCode::QrCode, typed.toUtf8().toStdString()), typed);
    EXPECT_EQ(app::StoredText(SymbologyCode::Code128, typed), "Gr\xfc\xdf"
                                                              "e aus K\xf6ln ");
    doc.SetSymbology(SymbologyCode::Aztec);
    doc.SetBarcodeText(typed.toUtf8().toStdString());
    EXPECT_EQ(doc.Hint(), typed);
}

TEST_F(MatrixControlsTest, SquareSymbolsTakeTheirHeightFromTheModule) {
    EXPECT_TRUE(app::HeightApplies(SymbologyCode::Pdf417));
    EXPECT_TRUE(app::HeightApplies(SymbologyCode::Code128));
    EXPECT_FALSE(app::HeightApplies(SymbologyCode::QrCode));
    doc.SetSymbology(SymbologyCode::QrCode);
    doc.SetInterpret(false);
    doc.SetBarcodeText("HELLO"); // version 1: 21 modules and 4 on each side
    EXPECT_EQ(doc.DocumentBitmap().size(), QSize(2 * 29, 2 * 29));
    EXPECT_DOUBLE_EQ(doc.HeightInUnits(), 29.0 / 96);
    EXPECT_FALSE(doc.ResizeClient(QSize(300, 300))); // the window does not set its height
    EXPECT_DOUBLE_EQ(doc.BarHeight(), 0.75);
}

TEST_F(MatrixControlsTest, TooLongATextDrawsNothingAndSaysWhy) {
    doc.SetSymbology(SymbologyCode::MicroQrCode);
    doc.SetBarcodeText(std::string(36, '1'));
    const std::string problem = doc.EncodingProblem();
    EXPECT_EQ(problem, "The text is too long for Micro QR Code: it holds at most 35 digits, 21 "
                       "letters or 15 bytes");
    const QImage& picture = doc.DocumentBitmap();
    EXPECT_EQ(picture.convertToFormat(QImage::Format_Grayscale8).pixelColor(0, 0), Qt::white);
    const app::ScanVerdict verdict =
        app::CheckScan(picture, doc.Symbology(), doc.DrawnText(), doc.Options());
    EXPECT_TRUE(verdict.Failed());
    EXPECT_EQ(verdict.Message().toStdString(), problem);
}

// Old files hold no ECC or SYMBOL_SIZE and read with the usual values; a linear document's
// file is written as before, and a chosen level and size are kept.
TEST(MatrixDocumentFile, NewKeysOnlyWhenChosen) {
    app::DocumentRecord record;
    const auto plain = app::WriteDocumentRecord(record, QLatin1Char('.'));
    EXPECT_FALSE(plain.HasKey("BARCODE", "ECC"));
    EXPECT_FALSE(plain.HasKey("BARCODE", "SYMBOL_SIZE"));
    EXPECT_EQ(app::ReadDocumentRecord(plain, engine::Unit::Inch, QLatin1Char('.')).Options,
              engine::SymbolOptions{});
    record.Symbology = SymbologyCode::QrCode;
    record.Options = {"H", 7};
    const auto chosen = app::WriteDocumentRecord(record, QLatin1Char('.'));
    EXPECT_EQ(app::ReadDocumentRecord(chosen, engine::Unit::Inch, QLatin1Char('.')), record);
}

} // namespace
