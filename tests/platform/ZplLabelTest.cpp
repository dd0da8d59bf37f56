// ZPL labels of our pictures: the graphic field's compressed rows, and a label's frame.

#include "platform/ZplLabel.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// ZPL II Programming Guide, "Data Compression Scheme for ~DG and ^GF": G..Y repeat 1..19, g..z
// repeat 20..400, "," fills the row with 0, ":" repeats the row above.
TEST(ZplLabel, RowsAreCompressedAsZplAllows) {
    struct Case {
        QByteArray hex;
        QByteArray above;
        QByteArray compressed;
    };
    const Case cases[] = {
        {"FF00", "", "HF,"},
        {"FF00", "FF00", ":"},
        {"0000", "", ","},
        {"0F0F", "", "0F0F"},
        {"0FFF", "FF00", "0IF"},
        {QByteArray(20, 'F'), "", "gF"},
        {QByteArray(43, 'C') + "1", "", "hIC1"},
        {QByteArray(845, 'F'), "", "zzhKF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::CompressZplRow(c.hex, c.above), c.compressed) << c.hex.toStdString();
}

// One format a label, sized to the picture, black dots as 1 whichever bit a picture keeps black.
TEST(ZplLabel, LabelHoldsThePictureAsOneGraphicField) {
    QImage gray(10, 3, QImage::Format_Grayscale8);
    gray.fill(Qt::white);
    for (int y = 0; y < 2; ++y)
        gray.setPixel(0, y, qRgb(0, 0, 0)), gray.setPixel(9, y, qRgb(0, 0, 0));
    const QByteArray expected = "^XA^PW10^LL3^LH0,0^FO0,0^GFA,6,6,2,804,:,^FS^XZ\n";
    QImage mono = gray.convertToFormat(QImage::Format_Mono);
    QImage inverted = mono;
    inverted.invertPixels();
    inverted.setColorTable({mono.color(1), mono.color(0)});
    for (const QImage& picture : {gray, mono, inverted})
        EXPECT_EQ(platform::ZplLabel(picture), expected);
}

} // namespace
