// Copy puts three forms on the clipboard: the bitmap as before, SVG and PDF beside it (their
// contents are read back in the export tests).

#include "MainWindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace window_testing {
namespace {

TEST_F(MainWindowTest, CopyPutsTheBitmapSvgAndPdfOnTheClipboard) {
    Start();
    Type(Edit("eText"), "VECTOR-5");
    Action("acCopy").trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
              Document().DocumentBitmap().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));
    EXPECT_TRUE(data->data("application/pdf").startsWith("%PDF-"));
}

} // namespace
} // namespace window_testing
