// Thermal label printers: a roll of 2 x 1 in labels at 203 dpi, one label a page, through CUPS'
// own label drivers on a private scheduler, and as our own ZPL to a file and a raw queue. ZPL
// is read back by zpl-renderer-js and decoded by zxing-cpp; every bar must be whole modules.

#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/PrivateCups.h"
#include "support/TestFiles.h"
#include "support/ZplReader.h"

#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using testing_support::CliRun;
using testing_support::RunCli;

constexpr int kLabels = 20;
constexpr int kModuleDots = 2; // 10 mils at 203 dpi, whole dots
// 2 x 1 in at 8 dots a millimetre, the renderer's 203 dpi.
constexpr double kWidthMm = 50.8;
constexpr double kHeightMm = 25.4;
constexpr int kDotsPerMm = 8;

std::vector<std::string> Serials() {
    std::vector<std::string> serials;
    for (int n = 1; n <= kLabels; ++n)
        serials.push_back(QString("SN%1").arg(n, 6, 10, QChar('0')).toStdString());
    return serials;
}

class LabelPrinterCli : public ::testing::Test {
  protected:
    void SetUp() override {
        using testing_support::PrivateCups;
        ASSERT_EQ(PrivateCups::Unavailable(), "") << PrivateCups::kMissingHint;
        cups.emplace();
        ASSERT_EQ(cups->Error(), "");
        // Code 128, half an inch high, numbered from SN000001.
        document = dir.filePath("serials.tlr");
        testing_support::WriteBytes(
            document, "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.5\r\nTYPE=0\r\nTEXT=SN\r\n"
                      "[SEQUENCE]\r\nUSE=1\r\nCURRENT=1\r\nMIN_SIZE=6\r\nPREFIX=SN\r\n");
    }
    void TearDown() override { cups.reset(); }

    CliRun PrintRoll(const QStringList& where) const {
        return RunCli(QStringList{"print", document, "--roll", "--labels", QString::number(kLabels)}
                      << where);
    }

    // The labels of a ZPL file as the renderer draws them must read as the serials in order.
    void ExpectSerials(const QString& zpl) const {
        EXPECT_EQ(testing_support::ReadRollOfCode128(zpl, kModuleDots, dir.path()), Serials());
    }

    QTemporaryDir dir;
    QString document;
    std::optional<testing_support::PrivateCups> cups;
};

// Each driver writes one page of its language per label.
TEST_F(LabelPrinterCli, LabelDriversPrintOneLabelAPage) {
    struct Driver {
        const char* queue;
        const char* ppd;
        const char* paper;
        const char* pageEnd; // what the driver writes once a page
    };
    const Driver drivers[] = {
        {"Zebra", "zebra.ppd", "2x1in", R"(\^XGR:CUPS\.GRF)"},
        {"ZebraEPL2", "zebraep2.ppd", "2x1in", R"((?m)^P1$)"},
        {"Dymo", "dymo.ppd", "w162h288",
         "\x1b"
         "E"},
    };
    for (const Driver& d : drivers) {
        SCOPED_TRACE(d.queue);
        const QString output = QString(d.queue) + ".out";
        ASSERT_TRUE(
            cups->AddQueue(d.queue, cups->SampleDriver(d.ppd), "file://" + cups->FilePath(output)));
        const CliRun run = PrintRoll({"--printer", d.queue, "--paper", d.paper});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(cups->WaitUntilIdle(d.queue));
        EXPECT_EQ(cups->JobCount(true, d.queue), 1);
        const QString written =
            QString::fromLatin1(testing_support::ReadBytes(cups->FilePath(output)));
        EXPECT_EQ(written.count(QRegularExpression(d.pageEnd)), kLabels);
    }
    ExpectSerials(cups->FilePath("Zebra.out"));
}

// --offset moves what each label shows by whole dots: 2 mm right and 1 mm down are 16 and 8.
TEST_F(LabelPrinterCli, OffsetMovesTheZplLabels) {
    QRect ink[2];
    const QString offsets[] = {"0,0", "2mm,1mm"};
    for (int i = 0; i < 2; ++i) {
        const QString zpl = dir.filePath(QString("moved%1.zpl").arg(i));
        const CliRun run = RunCli({"print", document, "--roll", "--labels", "1", "--paper", "2x1in",
                                   "--offset", offsets[i], "-o", zpl});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto labels =
            testing_support::RenderZpl(zpl, kWidthMm, kHeightMm, kDotsPerMm, dir.path());
        ASSERT_EQ(labels.size(), 1u);
        ink[i] = testing_support::InkBounds(labels[0]);
    }
    ASSERT_FALSE(ink[0].isEmpty());
    EXPECT_EQ(ink[1], ink[0].translated(16, 8));
}

// Our own ZPL, to a file and to a raw queue byte for byte, and one exported label of a linear
// and of two two-dimensional symbologies.
TEST_F(LabelPrinterCli, DirectZplReadsBackDotForDot) {
    const QString file = dir.filePath("labels.zpl");
    const CliRun toFile = PrintRoll({"-o", file, "--paper", "2x1in"});
    ASSERT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
    ExpectSerials(file);

    // A network label printer: the socket backend connects and sends the job's bytes; they wait
    // in the connection until the test reads them.
    QTcpServer printer;
    ASSERT_TRUE(printer.listen(QHostAddress::LocalHost));
    ASSERT_TRUE(
        cups->AddQueue("Raw", "", QString("socket://127.0.0.1:%1").arg(printer.serverPort())));
    const CliRun toQueue = PrintRoll({"--printer", "Raw", "--raw-zpl", "--paper", "50.8x25.4mm"});
    ASSERT_EQ(toQueue.exitCode, 0) << toQueue.err.toStdString();
    ASSERT_TRUE(printer.waitForNewConnection(30000));
    QTcpSocket* received = printer.nextPendingConnection();
    QByteArray bytes;
    while (received->state() == QAbstractSocket::ConnectedState &&
           received->waitForReadyRead(30000))
        bytes += received->readAll();
    bytes += received->readAll();
    EXPECT_EQ(bytes, testing_support::ReadBytes(file));
    EXPECT_TRUE(cups->WaitUntilIdle("Raw"));

    const struct {
        const char* type;
        ZXing::BarcodeFormat format;
    } exports[] = {{"Code 128", ZXing::BarcodeFormat::Code128},
                   {"QR Code", ZXing::BarcodeFormat::QRCode},
                   {"Data Matrix", ZXing::BarcodeFormat::DataMatrix}};
    for (const auto& e : exports) {
        const QString exported = dir.filePath("one.zpl");
        const CliRun run =
            RunCli({"export", "--type", e.type, "--text", "SN000001", "--dpi", "203", "--module",
                    "3", "--no-readable", "--height", "0.5", "-o", exported});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const auto labels =
            testing_support::RenderZpl(exported, kWidthMm, kHeightMm, kDotsPerMm, dir.path());
        ASSERT_EQ(labels.size(), 1u) << e.type;
        EXPECT_EQ(
            testing_support::DecodeImage(testing_support::AroundInk(labels[0], 20), e.format).text,
            "SN000001")
            << e.type;
    }
}

} // namespace
