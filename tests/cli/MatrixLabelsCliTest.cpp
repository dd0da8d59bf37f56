// Two-dimensional symbols through the printing paths unchanged: a sheet of serial-numbered QR
// Codes (to a PDF file and through a CUPS queue) and a CSV file of GS1 DataMatrix records, every
// label read back in order.

#include "support/CliRunner.h"
#include "support/PrivateCups.h"
#include "support/SheetLabels.h"
#include "support/TestFiles.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing_support::CliRun;
using testing_support::RunCli;

// The Letter sheet of 30 (10 rows of 3 labels, 2.625 x 1 in); `barcode` and `sequence` go into
// their sections.
QByteArray Document(const QByteArray& barcode, const QByteArray& sequence) {
    return "[BARCODE]\r\nHEIGHT=0.5\r\n" + barcode + "[SEQUENCE]\r\n" + sequence +
           "[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2.625\r\nTOPMARGIN=0.5\r\nLEFTMARGIN=0.1875\r\n"
           "GAPHEIGHT=0\r\nGAPWIDTH=0.125\r\nMETRIC=0\r\n";
}
const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch};

std::vector<std::string> AllLabels(const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::string> labels;
    for (const auto& page : pages)
        labels.insert(labels.end(), page.begin(), page.end());
    return labels;
}

class MatrixLabelsCli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    const QString doc = dir.filePath("labels.tlr");
    const QString pdf = dir.filePath("labels.pdf");
};

// The same sheet to a PDF file and through a CUPS queue of the test's own (Generic PDF).
TEST_F(MatrixLabelsCli, ASheetOfSerialQrCodesReadsInOrder) {
    testing_support::WriteBytes(
        doc, Document("TYPE=18\r\nECC=Q\r\n",
                      "USE=1\r\nMIN=1\r\nMAX=999\r\nCURRENT=41\r\nMIN_SIZE=5\r\nPREFIX=SN-\r\n"));
    std::vector<std::string> expected;
    for (int serial = 41; serial < 41 + 30; ++serial)
        expected.push_back(QString("SN-%1").arg(serial, 5, 10, QChar('0')).toStdString());
    using testing_support::PrivateCups;
    ASSERT_EQ(PrivateCups::Unavailable(), "") << PrivateCups::kMissingHint;
    const PrivateCups cups; // the CLI finds it through CUPS_SERVER
    ASSERT_EQ(cups.Error(), "");
    const struct {
        QStringList destination;
        QString output;
    } kDestinations[] = {{{"-o", pdf}, pdf},
                         {{"--printer", PrivateCups::kQueue}, cups.OutputPdf()}};
    for (const auto& to : kDestinations) {
        const CliRun run =
            RunCli(QStringList{"print", doc, "--pages", "1", "--sequence", "--dpi", "300"}
                   << to.destination);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(cups.WaitUntilIdle());
        EXPECT_EQ(AllLabels(testing_support::ReadSheetLabels(
                      to.output, kThirty, 300, ZXing::BarcodeFormat::QRCode, dir.filePath("page"))),
                  expected)
            << to.destination.join(' ').toStdString();
    }
}

// 100 records: expiry dates and batches vary, so every label carries other data.
TEST_F(MatrixLabelsCli, ACsvOfGs1DataMatrixRecordsReadsInOrder) {
    testing_support::WriteBytes(doc, Document("TYPE=21\r\n", "USE=0\r\n"));
    QByteArray csv = "item,gs1\r\n";
    std::vector<std::string> expected;
    for (int i = 1; i <= 100; ++i) {
        const QString batch = QString("B-%1").arg(i, 3, 10, QChar('0'));
        const QString date =
            QString("27%1%2").arg(i % 12 + 1, 2, 10, QChar('0')).arg(i % 28 + 1, 2, 10, QChar('0'));
        csv += QString("%1,(01)09506000134352(17)%2(10)%3\r\n").arg(i).arg(date, batch).toUtf8();
        // As decoders return it: batch (10) is last, so no GS.
        expected.push_back(("0109506000134352"
                            "17" +
                            date + "10" + batch)
                               .toStdString());
    }
    const QString data = dir.filePath("records.csv");
    testing_support::WriteBytes(data, csv);
    const CliRun run =
        RunCli({"print", doc, "--data", data, "--column", "gs1", "--dpi", "300", "-o", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::vector<std::string> read = AllLabels(testing_support::ReadSheetLabels(
        pdf, kThirty, 300, ZXing::BarcodeFormat::DataMatrix, dir.filePath("page")));
    ASSERT_EQ(read.size(), 4u * 30u);
    read.resize(100); // the last page's free labels
    EXPECT_EQ(read, expected);
}

} // namespace
