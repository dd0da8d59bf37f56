// The toolbar with a two-dimensional symbol: the type list, its option lists (hidden for the
// linear symbologies), the read-only height box, Unicode typed into the text box, and the status
// bar's reason for an empty box.

#include "MainWindowFixture.h"

#include <QTest>

namespace window_testing {
namespace {

TEST_F(MainWindowTest, QrCodeFromTheListTakesUnicodeAndItsOptions) {
    Start();
    EXPECT_FALSE(List("cbEcc").isEnabled());
    EXPECT_TRUE(List("cbEcc").isHidden() && Control<QLabel>("lSymbolSize").isHidden());
    List("cbBarcodeType").setCurrentText("QR Code");
    ASSERT_EQ(Document().Symbology(), engine::SymbologyCode::QrCode);
    EXPECT_TRUE(List("cbEcc").isEnabled());
    EXPECT_FALSE(List("cbEcc").isHidden() || Control<QLabel>("lSymbolSize").isHidden());
    EXPECT_EQ(List("cbEcc").currentText(), "M");
    EXPECT_TRUE(Edit("eHeight").isReadOnly());
    EXPECT_EQ(Panel(0), "Any Text");

    // Key clicks carry Latin-1 only: the rest arrives as an input method would put it.
    Type(Edit("eText"), "Gr");
    Edit("eText").insert(QString::fromUtf8("üße aus Köln 東京"));
    EXPECT_EQ(Edit("eText").text(), QString::fromUtf8("Grüße aus Köln 東京"));
    EXPECT_EQ(Document().BarcodeText(), "Grüße aus Köln 東京");

    List("cbEcc").setCurrentText("H");
    EXPECT_EQ(Document().Options().ecc, "H");
    List("cbSymbolSize").setCurrentText("10");
    EXPECT_EQ(Document().Options().size, 10);

    List("cbBarcodeType").setCurrentText("PDF417");
    EXPECT_FALSE(Edit("eHeight").isReadOnly());
    EXPECT_EQ(List("cbEcc").currentText(), "Auto");
    List("cbBarcodeType").setCurrentText("Code 128");
    EXPECT_FALSE(List("cbEcc").isEnabled());
    EXPECT_FALSE(List("cbSymbolSize").isEnabled());
    EXPECT_TRUE(List("cbSymbolSize").isHidden() && Control<QLabel>("lEcc").isHidden());
}

TEST_F(MainWindowTest, MicroQrBeyondItsDigitsSaysWhyItDrawsNothing) {
    Start();
    List("cbBarcodeType").setCurrentText("Micro QR Code");
    Type(Edit("eText"), QString(36, QLatin1Char('7')));
    auto& scan = Control<QLabel>("ScanPanel");
    const QString expected = "The text is too long for Micro QR Code: it holds at most 35 digits, "
                             "21 letters or 15 bytes";
    EXPECT_TRUE(QTest::qWaitFor([&] { return scan.text() == expected; }, 5000))
        << scan.text().toStdString();
}

} // namespace
} // namespace window_testing
