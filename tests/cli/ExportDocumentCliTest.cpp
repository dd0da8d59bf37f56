// tallyrune-cli export DOC.TLR: the document gives the barcode, the options override it.

#include "support/CliRunner.h"
#include "support/Decode.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::CliRun;
using testing_support::DecodeImage;
using testing_support::RunCli;

// A document: Code 39 (TYPE=1), "abc-12" as a file may hold it (unfiltered), 2 cm high,
// turned 90°, readable text off.
QByteArray Document(const char* type = "1", const char* height = "2") {
    return QByteArray("[BARCODE]\r\nMETRIC=1\r\nHEIGHT=") + height +
           "\r\nSCALE=1\r\nINTERPRET=0\r\nTYPE=" + type + "\r\nROTATE=1\r\nTEXT=abc-12\r\n";
}

class ExportDocumentCli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QByteArray& contents) const {
        QFile file(Path("doc.tlr"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }
};

TEST_F(ExportDocumentCli, DocumentValuesWithOverrides) {
    // Code 39 "ABC-12": 13 × 8 + 20 = 124 modules of 3 dots at 300 dpi; 2 cm = 236 dots.
    const struct {
        QStringList options;
        int width;
        int height;
        ZXing::BarcodeFormat format;
        const char* text;
    } cases[] = {
        {{}, 236, 372, ZXing::BarcodeFormat::Code39, "ABC-12"},
        {{"--rotate", "0"}, 372, 236, ZXing::BarcodeFormat::Code39, "ABC-12"},
        {{"--height", "1", "--unit", "in"}, 300, 372, ZXing::BarcodeFormat::Code39, "ABC-12"},
        {{"--height", "1"}, 118, 372, ZXing::BarcodeFormat::Code39, "ABC-12"}, // centimetres
        {{"--text", "XY"}, 236, 3 * (13 * 4 + 20), ZXing::BarcodeFormat::Code39, "XY"},
        {{"--type", "Code 128", "--rotate", "0"},
         3 * (11 * 9 + 2 + 20),
         236,
         ZXing::BarcodeFormat::Code128,
         "abc-12"},
    };
    const QString doc = Write(Document());
    for (const auto& c : cases) {
        const QString png = Path("doc.png");
        const CliRun run = RunCli(QStringList{"export", doc, "-o", png} << c.options);
        const std::string what = c.options.join(' ').toStdString();
        ASSERT_EQ(run.exitCode, 0) << what << ": " << run.err.toStdString();
        const QImage image(png);
        EXPECT_EQ(image.width(), c.width) << what;
        EXPECT_EQ(image.height(), c.height) << what;
        EXPECT_EQ(DecodeImage(image, c.format).text, c.text) << what;
    }
}

TEST_F(ExportDocumentCli, UnusableDocumentsFailClearly) {
    const struct {
        QByteArray document;
        QStringList extra;
        int exitCode;
        const char* message;
    } cases[] = {
        {Document("42"), {}, 1, "TYPE=42 is not a barcode type"},
        {Document("42"), {"--type", "Code 39"}, 0, ""},
        {Document("1", "-3"), {}, 1, "HEIGHT=-3 is not a bar height"},
        {Document("1", "-3"), {"--height", "1"}, 0, ""},
    };
    for (const auto& c : cases) {
        const CliRun run =
            RunCli(QStringList{"export", Write(c.document), "-o", Path("x.png")} << c.extra);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    const CliRun missing = RunCli({"export", Path("none.tlr"), "-o", Path("y.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Unable to read")) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("y.png")));
}

} // namespace
