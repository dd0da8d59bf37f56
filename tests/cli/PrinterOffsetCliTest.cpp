// tallyrune-cli's printer offset: every label and the test page move by it on the paper, as
// zxing-cpp finds them on the page poppler draws; without --offset the stored one applies.

#include "app/AppSettings.h"
#include "engine/Barcode.h"
#include "print/LabelLayout.h"
#include "print/TestPage.h"
#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/PdfPage.h"
#include "support/TestFiles.h"

#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using testing_support::CliRun;
using testing_support::RunCli;

constexpr int kDpi = 300; // printed and drawn alike: a printer dot is a pixel
constexpr int kRoom = 40; // around a test page sample, for it to move in

// Letter at 300 dpi without a border, as the PDF output prints.
app::PrinterMetrics LetterMetrics() {
    app::PrinterMetrics metrics;
    metrics.PrinterDpiX = metrics.PrinterDpiY = kDpi;
    metrics.PhysicalWidth = 2550;
    metrics.PhysicalHeight = 3300;
    return metrics;
}

// Where to look for each symbol: the first twelve label cells of the sheet below.
std::vector<QRect> LabelCells() {
    const app::LabelSheet sheet{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};
    app::PrinterMetrics metrics = LetterMetrics();
    int printScale = 0;
    print::RecomputeLayout(sheet, metrics, printScale);
    std::vector<QRect> cells;
    for (int i = 0; i < 12; ++i) {
        const print::LabelCell cell = print::LabelCellAt(sheet, metrics, i % 3, i / 3);
        cells.emplace_back(cell.left, cell.top, cell.width, cell.height);
    }
    return cells;
}

// ... and the test page's samples of Code 128, Code 39 and Code 93 with room around them.
std::vector<QRect> TestPageSamples() {
    std::vector<QRect> areas;
    const auto layout = print::LayoutTestPage({2550, 3300}, kDpi);
    for (const print::TestPageSample& s : layout.samples) {
        if (s.symbology != engine::SymbologyCode::Code128 &&
            s.symbology != engine::SymbologyCode::Code39 &&
            s.symbology != engine::SymbologyCode::Code93)
            continue;
        const int extent = engine::BarcodeExtent(s.module, s.symbology, s.text);
        areas.emplace_back(s.x - kRoom, s.y - kRoom, extent + 2 * kRoom, s.height + 2 * kRoom);
    }
    return areas;
}

// Twelve labels of a Letter sheet, numbered "OF01", "OF02", ...
const QByteArray kDocument =
    "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.4\r\nSCALE=1\r\nINTERPRET=1\r\nTYPE=0\r\nROTATE=0\r\n"
    "TEXT=X\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=1\r\nMIN=0\r\nMAX=99\r\n"
    "CURRENT=1\r\nMIN_SIZE=2\r\nPREFIX=OF\r\nSUFFIX=\r\n[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2.625\r\n"
    "TOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\nGAPHEIGHT=0\r\nGAPWIDTH=0.125\r\nMETRIC=0\r\n";

class PrinterOffsetCli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QTemporaryDir config; // XDG_CONFIG_HOME of the runs

    void Store(const QString& printer, const app::PrinterOffset& offset) {
        platform::Registry registry(config.filePath("tallyrune"));
        app::PrinterOffsets offsets;
        offsets.Set(printer, offset);
        offsets.Save(registry, app::OpenSettingsKey(registry));
        registry.Flush();
    }

    // Each symbol of the printed page, looked for in its area.
    std::vector<testing_support::PlacedSymbol>
    Printed(const QStringList& command, const QStringList& extra, const std::vector<QRect>& areas) {
        const QString pdf = dir.filePath("out.pdf");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        const CliRun run =
            RunCli(command + QStringList{"-o", pdf, "--dpi", "300"} + extra, environment);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QImage page = testing_support::RenderPdfPage(pdf, 1, kDpi, dir.filePath("page"));
        const auto hints =
            testing_support::Reader(ZXing::BarcodeFormat::Code128 | ZXing::BarcodeFormat::Code39 |
                                    ZXing::BarcodeFormat::Code93)
                .setTryRotate(false);
        std::vector<testing_support::PlacedSymbol> symbols;
        for (const QRect& area : areas)
            symbols.push_back(testing_support::DecodePlaced(page, area, hints));
        return symbols;
    }
};

// 1.5 mm at 300 dpi is 17.7 dots: every symbol moves 18 dots, give or take one.
TEST_F(PrinterOffsetCli, EverySymbolMovesByTheOffset) {
    testing_support::WriteBytes(dir.filePath("doc.tlr"), kDocument);
    const QStringList print = {"print", dir.filePath("doc.tlr"), "--labels", "12"};
    const struct {
        const char* what;
        QStringList command;
        std::vector<QRect> areas;
        QStringList offset;
        std::optional<app::PrinterOffset> stored; // for the PDF output, in inches
        QPoint moved;                             // dots
    } cases[] = {
        {"labels right and down", print, LabelCells(), {"--offset", "1.5mm,1.5mm"}, {}, {18, 18}},
        {"labels left, in cm and in",
         print,
         LabelCells(),
         {"--offset", "-0.15cm,0.0590551in"},
         {},
         {-18, 18}},
        {"labels by the stored offset",
         print,
         LabelCells(),
         {},
         app::PrinterOffset{1.5 / 25.4, -1.5 / 25.4},
         {18, -18}},
        {"--offset over the stored one",
         print,
         LabelCells(),
         {"--offset", "0mm,1.5mm"},
         app::PrinterOffset{0.5, 0.5},
         {0, 18}},
        {"the test page",
         {"testpage"},
         TestPageSamples(),
         {"--offset", "1.5mm,-1.5mm"},
         {},
         {18, -18}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store(app::kPdfPrinterName, {});
        const auto before = Printed(c.command, {"--offset", "0mm,0mm"}, c.areas);
        if (c.stored) Store(app::kPdfPrinterName, *c.stored);
        const auto after = Printed(c.command, c.offset, c.areas);
        ASSERT_GE(c.areas.size(), 3u);
        for (std::size_t i = 0; i < c.areas.size(); ++i) {
            SCOPED_TRACE(before[i].text);
            ASSERT_TRUE(before[i].found && after[i].found);
            EXPECT_EQ(after[i].text, before[i].text);
            EXPECT_NEAR(after[i].left - before[i].left, c.moved.x(), 1);
            EXPECT_NEAR(after[i].top - before[i].top, c.moved.y(), 1);
        }
    }
}

} // namespace
