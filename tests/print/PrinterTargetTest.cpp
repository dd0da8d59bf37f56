// Printing to real PDF files at 600 dpi, read back by poppler (pdftoppm, pdfinfo) at 300 dpi and
// decoded by zxing-cpp: labels, the clip, the page origin, the test page, and jobs that fail or
// are aborted leaving nothing behind.

#include "print/PrinterTarget.h"
#include "print/PrinterAccess.h"
#include "print/TestPage.h"

#include "engine/Barcode.h"
#include "platform/Errors.h"
#include "support/Decode.h"
#include "support/TestPageReading.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <ZXing/BarcodeFormat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using engine::Orientation;
using engine::SymbologyCode;
using ZXing::BarcodeFormat;

constexpr int kRenderDpi = 300; // half the printing resolution: one pixel is two dots

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

QString PdfInfo(const QString& pdf) {
    return QString::fromUtf8(Run("pdfinfo", {pdf}));
}

std::vector<QImage> RenderPdf(const QString& pdf) {
    const QString prefix = pdf + ".page";
    Run("pdftoppm", {"-r", QString::number(kRenderDpi), "-gray", pdf, prefix});
    const QFileInfo info(prefix);
    QStringList names = QDir(info.path()).entryList({info.fileName() + "-*.pgm"}, QDir::Files);
    names.sort();
    std::vector<QImage> pages;
    for (const QString& name : names)
        pages.push_back(
            QImage(info.path() + "/" + name).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

QRect DotsToPixels(const QRect& dots) {
    return {dots.left() / 2, dots.top() / 2, dots.width() / 2, dots.height() / 2};
}

testing_support::DecodeResult DecodeIn(const QImage& page, const QRect& dots,
                                       ZXing::BarcodeFormats formats, bool fullAscii = false) {
    const QRect area = DotsToPixels(dots).adjusted(-10, -10, 10, 10).intersected(page.rect());
    return testing_support::DecodeImage(page.copy(area), formats, fullAscii);
}

bool IsBlack(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// ---- labels ----------------------------------------------------------------------------------

struct Label {
    int page;
    QRect cell; // dots at 600 dpi
    SymbologyCode symbology;
    const char* text;
    Orientation orientation;
    BarcodeFormat format;
    const char* expected; // as the standards give it, check digits included
};

const Label kLabels[] = {
    {1,
     {300, 300, 2400, 900},
     SymbologyCode::Code128,
     "Label 0001",
     Orientation::Deg0,
     BarcodeFormat::Code128,
     "Label 0001"},
    {1,
     {3000, 300, 1800, 2400},
     SymbologyCode::Ean13,
     "590123412345",
     Orientation::Deg90,
     BarcodeFormat::EAN13,
     "5901234123457"},
    {1,
     {300, 1500, 2400, 900},
     SymbologyCode::Code39,
     "ABC-123",
     Orientation::Deg0,
     BarcodeFormat::Code39,
     "ABC-123"},
    {2,
     {300, 300, 2400, 900},
     SymbologyCode::Interleaved2of5,
     "12345670",
     Orientation::Deg180,
     BarcodeFormat::ITF,
     "12345670"},
};

TEST(PrinterTarget, LabelsOnTwoPagesDecode) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("labels.pdf");
    const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
    {
        print::PrinterTarget target(*printer);
        EXPECT_EQ(target.PrinterName(), pdf.toStdString());
        target.BeginDocument("Tallyrune");
        target.SetFontFace("Courier New");
        int page = 1;
        for (const Label& l : kLabels) {
            if (l.page != page) target.NewPage(), page = l.page;
            target.SetClip({l.cell.left(), l.cell.top(), l.cell.width(), l.cell.height()});
            engine::DrawBarcode(target.Surface(), l.symbology, l.cell.left() + 60,
                                l.cell.top() + 60, 6, 450, l.text, true, l.orientation, false);
        }
        target.EndDocument();
    }
    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Tallyrune\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();
    const auto pages = RenderPdf(pdf);
    ASSERT_EQ(pages.size(), 2u);
    for (const Label& l : kLabels) {
        const auto read = DecodeIn(pages[static_cast<std::size_t>(l.page - 1)], l.cell, l.format);
        EXPECT_TRUE(read.found) << l.text;
        EXPECT_EQ(read.text, l.expected);
    }
    EXPECT_EQ(Entries(dir.path()),
              QStringList({"labels.pdf", "labels.pdf.page-1.pgm", "labels.pdf.page-2.pgm"}));
}

// Drawing is cut at the cell, also after the font face changes; once cleared it is not.
TEST(PrinterTarget, ClipCutsDrawingAtTheCell) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("clip.pdf");
    const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
    print::PrinterTarget target(*printer);
    target.BeginDocument("Tallyrune");
    target.SetClip({600, 600, 600, 300});
    target.SetFontFace("Arial");
    target.Surface().FillRect(0, 0, 3000, 3000, engine::Fill::Black);
    target.ClearClip();
    target.Surface().FillRect(3000, 3000, 3200, 3200, engine::Fill::Black);
    target.EndDocument();
    const auto pages = RenderPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    struct Probe {
        int x, y;
        bool black;
    };
    // The cell is 300..600 by 300..450 pixels.
    const Probe probes[] = {{302, 302, true},    {597, 447, true},  {297, 400, false},
                            {603, 400, false},   {400, 297, false}, {400, 453, false},
                            {1000, 1000, false}, {1550, 1550, true}};
    for (const auto& p : probes)
        EXPECT_EQ(IsBlack(page, p.x, p.y), p.black) << p.x << "," << p.y;
}

// In standard mode the surface's origin is the printable area's corner.
TEST(PrinterTarget, OriginIsThePrintableCorner) {
    struct Case {
        QMarginsF inches; // left, top, right, bottom
        QPoint pixel;     // where dot (0, 0) lands at 300 dpi
        print::PageSize printable;
    };
    const Case cases[] = {{{0, 0, 0, 0}, {0, 0}, {5100, 6600}},
                          {{0.25, 0.5, 0.75, 1.0}, {75, 150}, {5100 - 600, 6600 - 900}}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("origin.pdf");
        const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
        printer->setPageMargins(c.inches, QPageLayout::Inch);
        print::PrinterTarget target(*printer);
        EXPECT_EQ(target.PrintableSize(), c.printable);
        target.BeginDocument("Tallyrune");
        target.Surface().FillRect(0, 0, 100, 100, engine::Fill::Black);
        target.EndDocument();
        const auto pages = RenderPdf(pdf);
        ASSERT_EQ(pages.size(), 1u);
        const QPoint p = c.pixel;
        EXPECT_TRUE(IsBlack(pages[0], p.x() + 1, p.y() + 1)) << p.x();
        EXPECT_TRUE(IsBlack(pages[0], p.x() + 48, p.y() + 48)) << p.x();
        EXPECT_FALSE(IsBlack(pages[0], p.x() + 52, p.y() + 25)) << p.x();
        if (p.x() > 0) {
            EXPECT_FALSE(IsBlack(pages[0], p.x() - 2, p.y() + 25));
        }
    }
}

TEST(PrinterAccess, PaperAndResolution) {
    struct Case {
        print::Paper paper;
        int dpi;
        print::PageSize printable;
        const char* pdfPage; // as pdfinfo reports it, in points
    };
    // A4 is 210 × 297 mm, 2480.3 × 3507.9 dots at 300 dpi; the PDF keeps it in whole points.
    const Case cases[] = {{print::Paper::Letter, 600, {5100, 6600}, "612 x 792 pts (letter)"},
                          {print::Paper::Letter, 300, {2550, 3300}, "612 x 792 pts (letter)"},
                          {print::Paper::A4, 300, {2480, 3508}, "595 x 842 pts (A4)"}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("paper.pdf");
        const auto printer = print::OpenPdfPrinter(pdf, c.paper, c.dpi);
        EXPECT_EQ(printer->resolution(), c.dpi);
        EXPECT_FALSE(printer->fullPage());
        print::PrinterTarget target(*printer);
        EXPECT_EQ(target.PrintableSize(), c.printable) << c.dpi;
        target.BeginDocument("Tallyrune");
        target.EndDocument();
        EXPECT_TRUE(PdfInfo(pdf).contains(c.pdfPage)) << PdfInfo(pdf).toStdString();
    }
}

// ---- jobs that do not finish ---------------------------------------------------------------

TEST(PrinterTarget, AbortLeavesNothingAndKeepsAnEarlierFile) {
    for (const bool earlier : {false, true}) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("out.pdf");
        if (earlier) WriteFile(pdf, "the earlier file");
        const QStringList before = Entries(dir.path());
        const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
        print::PrinterTarget target(*printer);
        target.BeginDocument("Tallyrune");
        engine::DrawBarcode(target.Surface(), SymbologyCode::Code128, 100, 100, 6, 300, "1", true,
                            Orientation::Deg0, false);
        target.NewPage();
        target.AbortDocument();
        EXPECT_EQ(Entries(dir.path()), before) << earlier;
        EXPECT_EQ(Contents(pdf), earlier ? QByteArray("the earlier file") : QByteArray());
        // The printer is ready for the next job, to the same file.
        target.BeginDocument("Tallyrune");
        target.EndDocument();
        EXPECT_EQ(Entries(dir.path()), QStringList{"out.pdf"});
        EXPECT_TRUE(Contents(pdf).startsWith("%PDF"));
    }
}

TEST(PrinterTarget, ATargetDestroyedMidJobAbortsIt) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
    {
        print::PrinterTarget target(*printer);
        target.BeginDocument("Tallyrune");
        target.Surface().FillRect(0, 0, 10, 10, engine::Fill::Black);
    }
    EXPECT_TRUE(Entries(dir.path()).isEmpty());
}

TEST(PrinterTarget, AnUnwritablePdfFailsClearlyAndLeavesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QString cases[] = {dir.filePath("missing/out.pdf"), dir.filePath("folder")};
    for (const QString& path : cases) {
        const auto printer = print::OpenPdfPrinter(path, print::Paper::Letter, 600);
        print::PrinterTarget target(*printer);
        try {
            target.BeginDocument("Tallyrune");
            ADD_FAILURE() << "no failure for " << path.toStdString();
        } catch (const platform::WriteFailure& failure) {
            EXPECT_EQ(std::string(failure.what()), "Unable to write to " + path.toStdString());
        }
        EXPECT_THROW(target.Surface(), std::logic_error);
        EXPECT_EQ(Entries(dir.path()), QStringList{"folder"});
        EXPECT_TRUE(Entries(dir.filePath("folder")).isEmpty());
    }
}

// The target became a folder while the job ran: the finished PDF cannot be put in place.
TEST(PrinterTarget, APdfThatCannotBePutInPlaceLeavesNothing) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("out.pdf");
    const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
    print::PrinterTarget target(*printer);
    target.BeginDocument("Tallyrune");
    ASSERT_TRUE(QDir(dir.path()).mkpath("out.pdf/inside"));
    EXPECT_THROW(target.EndDocument(), platform::WriteFailure);
    EXPECT_EQ(Entries(dir.path()), QStringList{"out.pdf"});
    EXPECT_EQ(Entries(pdf), QStringList{"inside"});
}

// ---- printers --------------------------------------------------------------------------------

TEST(PrinterAccess, AnUnknownPrinterIsRefusedByName) {
    const std::string name = "Tallyrune No Such Printer";
    try {
        print::OpenNamedPrinter(name);
        ADD_FAILURE() << "an unknown printer was opened";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(std::string(failure.what()).rfind("Unknown printer \"" + name + "\"", 0), 0u)
            << failure.what();
    }
    const auto printers = print::AvailablePrinters();
    const std::string fallback = print::DefaultPrinterName();
    EXPECT_TRUE(fallback.empty() ||
                std::find(printers.begin(), printers.end(), fallback) != printers.end());
}

TEST(PrinterAccess, BadRequestsAreRefused) {
    for (const int dpi : {0, 71, 4801, -600})
        EXPECT_THROW(print::OpenPdfPrinter("/tmp/x.pdf", print::Paper::Letter, dpi),
                     platform::Failure)
            << dpi;
    EXPECT_THROW(print::OpenPdfPrinter("", print::Paper::Letter, 600), platform::Failure);
    EXPECT_NO_THROW(print::OpenPdfPrinter("/tmp/x.pdf", print::Paper::A4, 72));
    EXPECT_NO_THROW(print::OpenPdfPrinter("/tmp/x.pdf", print::Paper::A4, 4800));
    struct PaperCase {
        const char* name;
        std::optional<print::Paper> paper;
    };
    const PaperCase papers[] = {{"letter", print::Paper::Letter},
                                {"LeTTer", print::Paper::Letter},
                                {"A4", print::Paper::A4},
                                {"a4", print::Paper::A4},
                                {"legal", std::nullopt},
                                {"a", std::nullopt},
                                {"", std::nullopt}};
    for (const auto& p : papers)
        EXPECT_EQ(print::PaperFromName(p.name), p.paper) << p.name;
}

// ---- the test page -------------------------------------------------------------------------

// POSTNET read from the pixels: tall bars reach the upper row, every bar the lower; five bars
// a digit between two frame bars, weighted 7 4 2 1 0, with 7 + 4 standing for 0.
std::string ReadPostnet(const QImage& page, const QRect& box) {
    const QRect px = DotsToPixels(box);
    const int upper = px.top() + px.height() / 5, lower = px.bottom() - 3;
    std::string bars;
    for (int x = px.left(); x <= px.right(); ++x) {
        if (!IsBlack(page, x, lower) || IsBlack(page, x - 1, lower)) continue;
        bars += IsBlack(page, x + 2, upper) ? '1' : '0';
    }
    if (bars.size() < 7 || (bars.size() - 2) % 5 != 0) return "bars: " + bars;
    std::string digits;
    static constexpr int kWeights[] = {7, 4, 2, 1, 0};
    for (std::size_t i = 1; i + 5 < bars.size(); i += 5) {
        int value = 0;
        for (int b = 0; b < 5; ++b)
            value += bars[i + static_cast<std::size_t>(b)] == '1' ? kWeights[b] : 0;
        digits += static_cast<char>('0' + (value == 11 ? 0 : value));
    }
    return digits;
}

TEST(PrinterTarget, TheTestPagePrintsOncePortraitAndItsSamplesDecode) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("testpage.pdf");
    const auto printer = print::OpenPdfPrinter(pdf, print::Paper::Letter, 600);
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setCopyCount(3);
    app::PrinterMetrics metrics;
    print::ReadPrinterCapabilities(*printer, metrics);
    print::PrinterTarget target(*printer);
    print::PrintTestPage(target, metrics);
    EXPECT_EQ(printer->pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer->copyCount(), 1);

    const QString info = PdfInfo(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Barcode Test Page\n")));
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\n")));
    EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();
    const auto pages = RenderPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const QImage& page = pages[0];
    EXPECT_TRUE(IsBlack(page, 5, 5)); // the header band, 150 dots high
    EXPECT_FALSE(IsBlack(page, 5, 80));

    const auto layout = print::LayoutTestPage({5100, 6600}, 600);
    auto boxOf = [&](const print::TestPageSample& s) {
        return QRect(s.x, s.y, engine::BarcodeExtent(s.module, s.symbology, s.text), s.height);
    };
    app::PrinterMetrics portrait; // the page prints in portrait, to the paper's edges
    portrait.PrinterDpiX = portrait.PrinterDpiY = 600;
    portrait.PhysicalWidth = 5100;
    portrait.PhysicalHeight = 6600;
    const auto samples = testing_support::ReadTestPageSamples(page, kRenderDpi, portrait);
    EXPECT_EQ(samples.size(), 10u);
    for (const auto& sample : samples)
        EXPECT_EQ(sample.read, sample.expected) << sample.caption;
    const char* postnet[] = {"123456789014", "1234567895", "123455"}; // check digit last
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadPostnet(page, boxOf(layout.samples[12 + static_cast<std::size_t>(i)])),
                  postnet[i]);
}

} // namespace
