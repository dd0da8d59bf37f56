// Printer metrics read from a PDF QPrinter at 600 dpi on Letter (5100 × 6600 dots), where page
// margins stand for a printer's nonprintable border.

#include "print/DeviceMetrics.h"
#include "print/LabelLayout.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using app::PrinterMetrics;

struct PageCase {
    const char* what;
    QPageLayout::Orientation orientation;
    QMarginsF inches; // left, top, right, bottom
    bool fullPage;
    // PhysicalWidth, PhysicalHeight, PhysicalOffsetX, PhysicalOffsetY, NonprintableRight,
    // NonprintableBottom, printable width and height
    std::array<int, 8> expected;
};

const PageCase kPages[] = {
    {"uneven border",
     QPageLayout::Portrait,
     {0.25, 0.5, 0.75, 1.0},
     false,
     {5100, 6600, 150, 300, 450, 600, 5100 - 600, 6600 - 900}},
    {"no border", QPageLayout::Portrait, {0, 0, 0, 0}, false, {5100, 6600, 0, 0, 0, 0, 5100, 6600}},
    {"full page ignores the border",
     QPageLayout::Portrait,
     {0.25, 0.5, 0.75, 1.0},
     true,
     {5100, 6600, 0, 0, 0, 0, 5100, 6600}},
    {"landscape",
     QPageLayout::Landscape,
     {0.5, 0.25, 0.5, 0.25},
     false,
     {6600, 5100, 300, 150, 300, 150, 6000, 4800}},
};

std::unique_ptr<QPrinter> PdfPrinter(const PageCase& page) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(600);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageOrientation(page.orientation);
    printer->setPageMargins(page.inches, QPageLayout::Inch);
    printer->setFullPage(page.fullPage);
    return printer;
}

TEST(PrinterMetrics, ReadsPdfPrinterAt600DpiOnLetter) {
    for (const auto& page : kPages) {
        const auto printer = PdfPrinter(page);
        app::PrinterMetrics m;
        print::ReadPrinterCapabilities(*printer, m);
        EXPECT_EQ(m.PrinterDpiX, 600) << page.what;
        EXPECT_EQ(m.PrinterDpiY, 600) << page.what;
        const std::array<int, 8> actual{m.PhysicalWidth,        m.PhysicalHeight,
                                        m.PhysicalOffsetX,      m.PhysicalOffsetY,
                                        m.NonprintableRight,    m.NonprintableBottom,
                                        app::PrintableWidth(m), app::PrintableHeight(m)};
        EXPECT_EQ(actual, page.expected) << page.what;
    }
}

// The paper in dots comes from its defined size, rounded half to even: A4 is 210 × 297 mm, not
// the whole points (595 × 842) that would make it 4958 dots across at 600 dpi. Margins in mm.
TEST(PrinterMetrics, PaperInDotsFromItsExactSize) {
    using enum QPageSize::PageSizeId;
    const struct {
        QPageSize::PageSizeId paper;
        int dpi;
        QPageLayout::Orientation orientation;
        QMarginsF margins;
        std::array<int, 6> expected; // as in PageCase, without the printable size
    } cases[] = {
        {A4, 300, QPageLayout::Portrait, {}, {2480, 3508, 0, 0, 0, 0}},   // 2480.3, 3507.9
        {A4, 600, QPageLayout::Portrait, {}, {4961, 7016, 0, 0, 0, 0}},   // 4960.6, 7015.7
        {A4, 1200, QPageLayout::Portrait, {}, {9921, 14031, 0, 0, 0, 0}}, // 9921.3, 14031.5
        {A4, 600, QPageLayout::Landscape, {}, {7016, 4961, 0, 0, 0, 0}},
        {Letter, 1200, QPageLayout::Portrait, {}, {10200, 13200, 0, 0, 0, 0}},
        // 118.1, 99.9, 150, 236.2
        {A4, 600, QPageLayout::Portrait, {5, 4.23, 6.35, 10}, {4961, 7016, 118, 100, 150, 236}},
    };
    for (const auto& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(c.dpi);
        printer.setPageSize(QPageSize(c.paper));
        printer.setPageOrientation(c.orientation);
        printer.setPageMargins(c.margins, QPageLayout::Millimeter);
        app::PrinterMetrics m;
        print::ReadPrinterCapabilities(printer, m);
        const std::array<int, 6> actual{m.PhysicalWidth,     m.PhysicalHeight,
                                        m.PhysicalOffsetX,   m.PhysicalOffsetY,
                                        m.NonprintableRight, m.NonprintableBottom};
        EXPECT_EQ(actual, c.expected) << c.paper << " at " << c.dpi;
    }
}

TEST(PrinterMetrics, ScreenResolutionOrDefault) {
    app::PrinterMetrics m;
    m.ScreenDpiX = m.ScreenDpiY = 1;
    print::ReadScreenResolution(nullptr, m);
    EXPECT_EQ(m.ScreenDpiX, 96);
    EXPECT_EQ(m.ScreenDpiY, 96);

    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    print::ReadScreenResolution(screen, m);
    EXPECT_EQ(m.ScreenDpiX, qRound(screen->logicalDotsPerInchX()));
    EXPECT_EQ(m.ScreenDpiY, qRound(screen->logicalDotsPerInchY()));
}

TEST(PrinterMetrics, RefreshLaysOutTheSheet) {
    const auto printer = PdfPrinter(kPages[0]);
    // The default sheet, 1.5 × 2.0 in with 0.25 margins: rows end 1050, 1950, ..., 6450 (7);
    // columns 1350, 2550, 3750, 4950 (4).
    const app::LabelSheet sheet;
    app::PrinterMetrics m;
    int printScale = 0;
    print::RefreshPrinterMetrics(*printer, sheet, m, printScale);
    EXPECT_EQ(m.PhysicalOffsetX, 150);
    EXPECT_EQ(m.Rows, 7);
    EXPECT_EQ(m.Columns, 4);
    EXPECT_EQ(m.LabelsPerPage, 28);
    EXPECT_EQ(printScale, 6);
    EXPECT_GT(m.ScreenDpiX, 0);
}

} // namespace
