// Copy puts the barcode on the clipboard as SVG and PDF at its physical size beside the bitmap:
// each drawn by its own reader reads back as the document's text.

#include "MainWindowFixture.h"
#include "engine/Barcode.h"
#include "support/Decode.h"
#include "support/VectorPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace window_testing {
namespace {

constexpr int kDpi = 300;

TEST_F(MainWindowTest, CopyAddsSvgAndPdfAtThePhysicalSizeBesideTheBitmap) {
    Start();
    Type(Edit("eText"), "VECTOR-5");
    Action("acCopy").trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
              Document().DocumentBitmap().convertToFormat(QImage::Format_RGB32));
    // Auto Size: 10 mils a module, 3 dots at 300 dpi; the bar height in inches.
    const int modules = engine::BarcodeExtent(1, Document().Symbology(), "VECTOR-5");
    const QSize physical(modules * 3, engine::TruncateTowardZero(Document().BarHeight() * kDpi));
    const struct {
        const char* mimeType;
        QImage (*render)(const QByteArray&, int, const QString&);
        int slack; // a PDF page is whole points: up to one more
    } forms[] = {
        {"image/svg+xml", testing_support::RenderSvg, 1},
        {"application/pdf", testing_support::RenderPdf, kDpi / 72 + 1},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.mimeType);
        ASSERT_TRUE(data->hasFormat(form.mimeType));
        const QImage drawn = form.render(data->data(form.mimeType), kDpi, Path("copied"));
        ASSERT_FALSE(drawn.isNull());
        EXPECT_NEAR(drawn.width(), physical.width(), form.slack);
        EXPECT_NEAR(drawn.height(), physical.height(), form.slack);
        EXPECT_EQ(testing_support::DecodeImage(drawn, ZXing::BarcodeFormat::Code128).text,
                  "VECTOR-5");
    }
}

} // namespace
} // namespace window_testing
