#include "support/SheetLabels.h"

#include "print/LabelLayout.h"
#include "support/Decode.h"
#include "support/PdfPage.h"

#include <QFile>

namespace testing_support {

std::vector<std::vector<std::string>> ReadSheetLabels(const QString& pdf,
                                                      const app::LabelSheet& sheet, int dpi,
                                                      ZXing::BarcodeFormat format,
                                                      const QString& scratch) {
    const auto reader = Reader(format).setTryRotate(false).setTryHarder(false);
    std::vector<std::vector<std::string>> pages;
    for (int number = 1;; ++number) {
        QFile::remove(scratch + ".png"); // a page beyond the last leaves no picture
        const QImage page = RenderPdfPage(pdf, number, dpi, scratch);
        if (page.isNull()) return pages;
        app::PrinterMetrics metrics; // the paper's size gives the rows and columns
        metrics.PrinterDpiX = metrics.PrinterDpiY = dpi;
        metrics.PhysicalWidth = page.width();
        metrics.PhysicalHeight = page.height();
        int printScale = 0;
        print::RecomputeLayout(sheet, metrics, printScale);
        std::vector<std::string>& labels = pages.emplace_back();
        for (int i = 0; i < metrics.Rows * metrics.Columns; ++i) {
            const print::LabelCell cell =
                print::PreviewCellAt(sheet, dpi, dpi, i % metrics.Columns, i / metrics.Columns);
            const QRect rect(cell.left, cell.top, cell.width, cell.height);
            labels.push_back(DecodeImage(page.copy(rect), reader).text);
        }
    }
}

} // namespace testing_support
