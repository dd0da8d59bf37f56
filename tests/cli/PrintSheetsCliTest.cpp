// tallyrune-cli print on the common label sheets and with texts a symbology cannot carry: PDFs
// rendered by poppler, every label read back by zxing-cpp in its own cell and compared with the
// text pdftotext finds printed under it.

#include "app/LabelSheet.h"
#include "print/LabelLayout.h"
#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/PdfPage.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::CliRun;
using testing_support::RunCli;

constexpr int kRenderDpi = 150; // modules of 10 mils are 1.5 pixels: enough for zxing-cpp

// A document with a sequence "L001", "L002", ... (or its text) on a label sheet.
struct Document {
    int type = 0; // Code 128
    std::string text = "HELLO";
    bool sequence = true;
    std::string prefix = "L";
    std::string current = "1";
    int minSize = 3;
    app::LabelSheet sheet{1.5, 4.0, 0.5, 0.25, 0.0, 0.0, engine::Unit::Inch}; // 2 × 7 on Letter

    QByteArray Bytes() const {
        const auto n = [](double v) { return QByteArray::number(v, 'g', 10); };
        return "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.35\r\nSCALE=1\r\nINTERPRET=1\r\nTYPE=" +
               QByteArray::number(type) + "\r\nROTATE=0\r\nTEXT=" + QByteArray(text.c_str()) +
               "\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=" + (sequence ? "1" : "0") +
               "\r\nMIN=0\r\nMAX=999999999\r\nCURRENT=" + QByteArray(current.c_str()) +
               "\r\nMIN_SIZE=" + QByteArray::number(minSize) +
               "\r\nPREFIX=" + QByteArray(prefix.c_str()) +
               "\r\nSUFFIX=\r\n[FORMAT]\r\nHEIGHT=" + n(sheet.LabelHeight) +
               "\r\nWIDTH=" + n(sheet.LabelWidth) + "\r\nTOPMARGIN=" + n(sheet.MarginTop) +
               "\r\nLEFTMARGIN=" + n(sheet.MarginLeft) + "\r\nGAPHEIGHT=" + n(sheet.GapHeight) +
               "\r\nGAPWIDTH=" + n(sheet.GapWidth) +
               "\r\nMETRIC=" + (sheet.Unit == engine::Unit::Centimetre ? "1" : "0") + "\r\n";
    }
};

// What one printed label says: its bars as zxing-cpp reads them, and the letters and digits of
// the text printed in its cell.
struct LabelReading {
    std::string bars;
    std::string printed;
};

class PrintSheetsCli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString doc = dir.filePath("labels.tlr");
    QString pdf = dir.filePath("labels.pdf");

    CliRun Print(const Document& document, const QStringList& args) {
        testing_support::WriteBytes(doc, document.Bytes());
        QFile::remove(pdf);
        return RunCli(QStringList{"print", doc, "-o", pdf, "--save-sequence"} << args);
    }

    int SavedCurrent() const {
        const auto match = QRegularExpression("CURRENT=(\\d+)")
                               .match(QString::fromLatin1(testing_support::ReadBytes(doc)));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    // The first `count` labels of page 1, row by row, upright bars of `format`.
    std::vector<LabelReading> ReadLabels(const app::LabelSheet& sheet, int count,
                                         ZXing::BarcodeFormat format) const {
        const auto reader = testing_support::Reader(format).setTryRotate(false).setTryHarder(false);
        const QImage page =
            testing_support::RenderPdfPage(pdf, 1, kRenderDpi, dir.filePath("page"));
        int printScale = 0;
        app::PrinterMetrics metrics; // only the column count matters here
        metrics.PrinterDpiX = metrics.PrinterDpiY = kRenderDpi;
        metrics.PhysicalWidth = page.width();
        metrics.PhysicalHeight = page.height();
        print::RecomputeLayout(sheet, metrics, printScale);
        const std::vector<testing_support::PdfWord> words = testing_support::PdfWords(pdf, 1);
        std::vector<LabelReading> labels;
        for (int i = 0; i < count && metrics.Columns > 0; ++i) {
            const print::LabelCell cell = print::PreviewCellAt(
                sheet, kRenderDpi, kRenderDpi, i % metrics.Columns, i / metrics.Columns);
            const QRect rect(cell.left, cell.top, cell.width, cell.height);
            const double pointsPerPixel = 72.0 / kRenderDpi;
            QString printed =
                testing_support::WordsIn(words, QRectF(QPointF(rect.topLeft()) * pointsPerPixel,
                                                       QSizeF(rect.size()) * pointsPerPixel));
            labels.push_back({testing_support::DecodeImage(page.copy(rect), reader).text,
                              printed.remove(QRegularExpression("[^A-Za-z0-9]")).toStdString()});
        }
        return labels;
    }
};

struct SheetCase {
    const char* what;
    const char* paper;
    app::LabelSheet sheet; // height, width, top, left, gap height, gap width, unit
    int labels;
};

// Standard sheets, margins as their makers give them: the same labels at every resolution,
// each read in its cell. A4 at 600 dpi is 4960.6 dots across: three 70 mm columns of 1653 dots
// fit only if the paper is not rounded to whole points (4958).
TEST_F(PrintSheetsCli, StandardSheetsKeepEveryLabelAtEveryResolution) {
    const SheetCase sheets[] = {
        {"A4 3 x 8 of 70 x 37 mm",
         "a4",
         {3.7, 7.0, 0.05, 0.0, 0.0, 0.0, engine::Unit::Centimetre},
         24},
        {"A4 3 x 7 of 70 x 42.3 mm",
         "a4",
         {4.23, 7.0, 0.045, 0.0, 0.0, 0.0, engine::Unit::Centimetre},
         21},
        {"A4 2 x 7 of 99.1 x 38.1 mm",
         "a4",
         {3.81, 9.91, 1.515, 0.465, 0.0, 0.25, engine::Unit::Centimetre},
         14},
        {"Letter 3 x 10 of 2.625 x 1 in", "letter", {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125}, 30},
        {"Letter 2 x 10 of 4 x 1 in", "letter", {1.0, 4.0, 0.5, 0.15625, 0.0, 0.1875}, 20},
    };
    for (const SheetCase& c : sheets)
        for (const char* dpi : {"300", "600", "1200"}) {
            SCOPED_TRACE(std::string(c.what) + " at " + dpi + " dpi");
            const CliRun run =
                Print({.sheet = c.sheet}, {"--paper", c.paper, "--dpi", dpi, "--pages", "1"});
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            EXPECT_EQ(SavedCurrent(), 1 + c.labels);
            const std::vector<LabelReading> labels =
                ReadLabels(c.sheet, c.labels, ZXing::BarcodeFormat::Code128);
            for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
                const std::string text = QString("L%1").arg(i + 1, 3, 10, QChar('0')).toStdString();
                EXPECT_EQ(labels[i].bars, text) << "label " << i;
                EXPECT_EQ(labels[i].printed, text) << "label " << i;
            }
        }
}

struct TextCase {
    const char* what;
    Document document;
    const char* refused; // in the message, or nullptr when the labels print
    ZXing::BarcodeFormat format;
    const char* first; // what the first label's bars carry, check digits included
};

// A file's text is filtered as the window's text box would; a sequence the symbology cannot
// carry whole is refused before any number is used up, and so is a sheet of labels too narrow
// for one dot. Whatever prints reads as the text printed under it.
TEST_F(PrintSheetsCli, LabelsReadAsTheirPrintedTextOrTheJobIsRefused) {
    using enum ZXing::BarcodeFormat;
    const TextCase cases[] = {
        {"SSC-14: 5 + 9 digits",
         {.type = 13, .prefix = "12345", .current = "123456789"},
         "\"12345123456789\"",
         None,
         nullptr},
        {"SSC-14: a letter prefix", {.type = 13, .prefix = "A"}, "\"A001\"", None, nullptr},
        {"SSCC-18: a letter prefix", {.type = 15, .prefix = "A"}, "\"A001\"", None, nullptr},
        {"UPC E: 7 digits",
         {.type = 10, .prefix = "12", .current = "12345"},
         "\"1212345\"",
         None,
         nullptr},
        {"labels of 0.001 in with 0.5 in gaps",
         {.sheet = {1.5, 0.001, 0.5, 0.0, 0.0, 0.5, engine::Unit::Inch}},
         "No label fits",
         None,
         nullptr},
        // AI (01) or (00), the digits, their check digit; EAN 13 with a leading 0
        {"SSC-14 of 13 digits",
         {.type = 13, .prefix = "1234", .current = "123456789"},
         nullptr,
         Code128,
         "0112341234567897"},
        {"ITF-14 of 13 digits",
         {.type = 14, .prefix = "1234", .current = "123456789"},
         nullptr,
         ITF,
         "12341234567897"},
        {"SSCC-18 of 17 digits",
         {.type = 15, .prefix = "12345678", .current = "123456789"},
         nullptr,
         Code128,
         "00123456781234567897"},
        {"UPC E of 6 digits",
         {.type = 10, .prefix = "", .current = "123456"},
         nullptr,
         UPCE,
         "01234565"},
        {"EAN 13 from an unfiltered file text",
         {.type = 6, .text = "12A456789012", .sequence = false},
         nullptr,
         EAN13,
         "0124567890123"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = Print(c.document, {"--labels", "3"});
        if (c.refused) {
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_TRUE(run.err.contains(c.refused)) << run.err.toStdString();
            EXPECT_EQ(testing_support::ReadBytes(doc), c.document.Bytes()); // CURRENT kept
            EXPECT_FALSE(QFile::exists(pdf));
            continue;
        }
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const std::vector<LabelReading> labels = ReadLabels(c.document.sheet, 3, c.format);
        EXPECT_EQ(labels[0].bars, c.first);
        for (const LabelReading& label : labels)
            EXPECT_EQ(label.bars, label.printed);
    }
}

} // namespace
