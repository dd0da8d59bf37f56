// tallyrune-cli run as a user runs it; its pictures are read back by zxing-cpp and zbarimg.

#include "support/CliRunner.h"
#include "support/Decode.h"
#include "support/SymbologySamples.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testing_support::CliRun;
using testing_support::DecodeImage;
using testing_support::RunCli;
using testing_support::RunCliWithMemoryLimit;

// zbar's command-line reader, a second independent decoder; empty when it reads nothing.
QString Zbar(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), QStringLiteral("--raw"), path});
    process.waitForFinished(60000);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

class Cli : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Cli, ExportWritesAPngThatTwoDecodersRead) {
    const QString png = Path("x.png");
    const CliRun run =
        RunCli({"export", "--type", "Code 128", "--text", "Tallyrune 2026", "-o", png});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.depth(), 1);
    EXPECT_EQ(DecodeImage(image, ZXing::BarcodeFormat::Code128).text, "Tallyrune 2026");
    EXPECT_EQ(Zbar(png), QStringLiteral("Tallyrune 2026"));
}

TEST_F(Cli, ExportSizesFollowTheOptions) {
    const struct {
        QStringList options;
        int width;
        int height;
    } cases[] = {
        // Code 128 "1234": 77 modules at 10 mils (3 dots at 300 dpi); 0.75 in = 225 dots.
        {{"--text", "1234"}, 231, 225},
        {{"--text", "1234", "--module", "2", "--dpi", "600", "--height", "0.5"}, 154, 300},
        // 2 cm at 300 dpi truncates to 236 dots.
        {{"--text", "1234", "--unit", "cm", "--height", "2"}, 231, 236},
        {{"--text", "1234", "--rotate", "90"}, 225, 231},
        {{"--text", "1234", "--rotate", "270", "--no-readable"}, 225, 231},
        // POSTNET's automatic module is 22 mils: 7 dots at 300 dpi; 83 modules.
        {{"--type", "POSTNET", "--text", "12345"}, 83 * 7, 225},
        {{"--type", "9", "--text", "12345", "--module", "1"}, 83, 225},
    };
    for (const auto& c : cases) {
        const QString png = Path("size.png");
        const CliRun run = RunCli(QStringList{"export", "-o", png} << c.options);
        ASSERT_EQ(run.exitCode, 0) << c.options.join(' ').toStdString() << run.err.toStdString();
        const QImage image(png);
        EXPECT_EQ(image.width(), c.width) << c.options.join(' ').toStdString();
        EXPECT_EQ(image.height(), c.height) << c.options.join(' ').toStdString();
    }
}

TEST_F(Cli, BmpIsOneBitAndRecordsTheResolution) {
    const QString bmp = Path("x.bmp");
    ASSERT_EQ(RunCli({"export", "--type", "code 39", "--text", "abc-12", "--dpi", "600", "-o", bmp})
                  .exitCode,
              0);
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.left(2), "BM");
    const auto u16 = [&](int at) { return quint8(header[at]) | quint8(header[at + 1]) << 8; };
    EXPECT_EQ(u16(28), 1); // bits per pixel
    const QImage image(bmp);
    EXPECT_EQ(image.dotsPerMeterX(), 23622); // 600 dpi
    EXPECT_EQ(DecodeImage(image, ZXing::BarcodeFormat::Code39).text, "ABC-12");
}

TEST_F(Cli, BatchWritesOneFilePerLine) {
    const QString list = Path("list.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ONE\r\nTWO\n\nFOUR 4\n");
    file.close();
    const CliRun run = RunCli({"export", "--batch", list, "-o", Path("label-{n}.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const struct {
        const char* file;
        const char* text;
    } expected[] = {{"label-1.png", "ONE"}, {"label-2.png", "TWO"}, {"label-4.png", "FOUR 4"}};
    for (const auto& e : expected)
        EXPECT_EQ(DecodeImage(QImage(Path(e.file)), ZXing::BarcodeFormat::Code128).text, e.text);
    EXPECT_FALSE(QFile::exists(Path("label-3.png"))); // the empty line makes no file
}

TEST_F(Cli, InfoShowsTheReadableTextAndLengths) {
    const CliRun run = RunCli({"info", "--type", "SSCC-18", "--text", "12345"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* line :
         {"text: 12345", "readable: (00) 0 0000000 000012345 7", "symbol modules: 156",
          "box modules: 176", "box length: 528 dots, 1.76 in at 300 dpi"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(line))) << line << "\n"
                                                                 << run.out.toStdString();
}

TEST_F(Cli, TypesListsEveryItemInListOrder) {
    const CliRun run = RunCli({"types"});
    ASSERT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 26);
    EXPECT_TRUE(lines.front().contains("Code 128"));
    EXPECT_TRUE(lines[3].contains("Code 93"));
    EXPECT_TRUE(lines[17].contains("Code 39 (Mod10 Check Digit)"));
    EXPECT_TRUE(lines[18].contains("18  QR Code"));
    EXPECT_TRUE(lines.back().contains("25  GS1 DataBar Expanded"));
}

TEST_F(Cli, ExportsEverySymbology) {
    for (const auto& row : engine::SymbologyCatalogue()) {
        const QString png = Path(QString("type-%1.png").arg(int(row.code)));
        const std::string text = SampleFor(row.code, "1234567");
        const CliRun run = RunCli(
            {"export", "--type", QString::fromLatin1(row.listItem.data(), row.listItem.size()),
             "--text", QString::fromStdString(text), "--module", "2", "-o", png});
        ASSERT_EQ(run.exitCode, 0) << row.listItem << ": " << run.err.toStdString();
        const QImage image(png);
        EXPECT_EQ(image.width(), engine::BarcodeExtent(2, row.code, text)) << row.listItem;
        int black = 0;
        for (int x = 0; x < image.width(); ++x)
            black += image.pixelIndex(x, image.height() / 2) == 0;
        EXPECT_GT(black, 10) << row.listItem;
    }
}

QByteArray Head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

TEST_F(Cli, ExportWritesEightFormatsByExtensionOrOption) {
    const QByteArray wmf("\xD7\xCD\xC6\x9A", 4); // placeable metafile key
    const struct {
        QString name;
        QStringList options;
        QByteArray head; // the file's first bytes
    } cases[] = {
        {"x.bmp", {}, "BM"},
        {"x.jpg", {}, "\xFF\xD8\xFF"},
        {"x.JPEG", {}, "\xFF\xD8\xFF"},
        {"x.tif", {}, QByteArray("II*\0", 4)},
        {"x.tiff", {}, QByteArray("II*\0", 4)},
        {"x.wmf", {}, wmf},
        {"x.emf", {}, QByteArray("\x01\0\0\0", 4)},
        {"x.png", {}, "\x89PNG"},
        {"x.svg", {}, "<?xml"},
        {"x.pdf", {}, "%PDF-"},
        {"out.dat", {"--format", "tiff"}, QByteArray("II*\0", 4)},
        {"out2.dat", {"--format", "JPG"}, "\xFF\xD8\xFF"},
        {"y.png", {"--format", "svg"}, "<?xml"}, // the option wins over the extension
        {"z.WMF", {"--format", "emf"}, wmf},     // a .wmf name always gets the placeable form
    };
    for (const auto& c : cases) {
        const QString path = Path(c.name);
        const CliRun run =
            RunCli(QStringList{"export", "--text", "CLI 8", "-o", path} << c.options);
        ASSERT_EQ(run.exitCode, 0) << c.name.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(Head(path, c.head.size()), c.head) << c.name.toStdString();
    }
    // The raster formats decode; TIFF through zbar, which reads it with its own loader.
    EXPECT_EQ(DecodeImage(QImage(Path("x.bmp")), ZXing::BarcodeFormat::Code128).text, "CLI 8");
    EXPECT_EQ(Zbar(Path("x.tif")), QStringLiteral("CLI 8"));
}

TEST_F(Cli, BatchWritesAnyFormat) {
    const QString list = Path("list.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12345\n67890\n");
    file.close();
    for (const char* extension : {"jpg", "tif", "emf", "svg", "pdf"}) {
        const QString pattern = Path(QString("b-{n}.") + extension);
        const CliRun run = RunCli({"export", "--type", "EAN 8", "--batch", list, "-o", pattern});
        ASSERT_EQ(run.exitCode, 0) << extension << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, "wrote 2 files\n");
        for (const char* n : {"1", "2"})
            EXPECT_GT(QFile(QString(pattern).replace("{n}", n)).size(), 100) << extension;
    }
}

TEST_F(Cli, PicturesTooLargeForMemoryOrFormatFailCleanly) {
    const QString png = Path("big.png");
    // 231 million dots with 150 MB
    const CliRun run = RunCliWithMemoryLimit({"export", "--text", "1234", "--module", "100",
                                              "--height", "10", "--dpi", "3000", "-o", png},
                                             150);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tallyrune-cli: Not enough memory for a picture of 7700 x 30000 dots\n");
    EXPECT_FALSE(QFile::exists(png));
    const CliRun tiff =
        RunCli({"export", "--text", "1234", "--module", "900", "-o", Path("w.tif")});
    EXPECT_EQ(tiff.exitCode, 1);
    EXPECT_TRUE(tiff.err.contains("too large for TIFF")) << tiff.err.toStdString();
}

// A line too long for the format is refused from its size alone, before anything is drawn, and
// the batch stops there. Its set changes in and out of Code 128's set C all along.
TEST_F(Cli, BatchRefusesALineTooLongForTheFormat) {
    const QString list = Path("long.txt");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("SHORT\n" + QByteArray("TALLYRUNE-2026-00042").repeated(30000) + "\n");
    file.close();
    const struct {
        QStringList options;
        const char* extension;
        const char* message;
    } cases[] = {
        // 20 code characters a piece, 11 modules each, and 3 dots a module at 300 dpi.
        {{}, "png", "The barcode picture is too large for PNG (19800132 x 225 dots"},
        // 6.6 billion dots: beyond what a length in dots can hold.
        {{"--module", "1000"}, "svg", "The barcode picture is too large for SVG"},
    };
    for (const auto& c : cases) {
        const QString pattern = Path(QStringLiteral("{n}.") + c.extension);
        const CliRun run =
            RunCli(QStringList{"export", "--batch", list, "-o", pattern} << c.options);
        EXPECT_EQ(run.exitCode, 1) << c.extension;
        EXPECT_TRUE(run.err.startsWith(QString("tallyrune-cli: long.txt, line 2: ") + c.message))
            << run.err.toStdString();
        EXPECT_TRUE(QFile::exists(QString(pattern).replace("{n}", "1"))) << c.extension;
        EXPECT_FALSE(QFile::exists(QString(pattern).replace("{n}", "2"))) << c.extension;
    }
}

TEST_F(Cli, InfoComputesTheCheckDigit) {
    const CliRun run = RunCli({"info", "--type", "UPC E", "--text", "123456"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("readable: 0 123456 5")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("symbol modules: 51")) << run.out.toStdString();
}

TEST_F(Cli, MistakesGiveOneLineAndTheirExitStatus) {
    const QString png = Path("bad.png");
    const struct {
        QStringList args;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"export", "--type", "Code 11", "--text", "1", "-o", png}, 2, "unknown barcode type"},
        {{"export", "--type", "26", "--text", "1", "-o", png}, 2, "unknown barcode type"},
        {{"export", "--text", "1"}, 2, "needs -o"},
        {{"export", "--text", "1", "--height", "0", "-o", png}, 2, "--height"},
        {{"export", "--text", "1", "--height", "abc", "-o", png}, 2, "--height"},
        {{"export", "--text", "1", "--rotate", "45", "-o", png}, 2, "--rotate"},
        {{"export", "--text", "1", "--module", "0", "-o", png}, 2, "--module"},
        {{"export", "--text", "1", "--dpi", "-3", "-o", png}, 2, "--dpi"},
        {{"export", "--text", "1", "--bogus", "-o", png}, 2, "unknown option"},
        {{"export", "--type", "EAN 13", "--text", "abc", "-o", png}, 2, "no characters"},
        {{"export", "--text", "1", "-o", Path("x.gif")}, 2, "format"},
        {{"export", "--text", "1", "--format", "gif", "-o", png},
         2,
         "--format takes bmp, jpeg, tiff, wmf, emf, png, svg, pdf or zpl, not \"gif\""},
        {{"export", "--text", "1", "-o", Path("noextension")},
         2,
         "give --format bmp, jpeg, tiff, wmf, emf, png, svg, pdf or zpl"},
        {{"export", "--text", "1", "-o", "/nonexistent-folder/x.png"},
         1,
         "Unable to write to /nonexistent-folder/x.png"},
        {{"export", "--text", "1", "--module", "1000", "--height", "1000", "-o", png},
         1,
         "too large"},
        {{"export", "--batch", Path("missing.txt"), "-o", Path("{n}.png")}, 1, "Unable to read"},
        {{"export", "--batch", Path("missing.txt"), "-o", png}, 2, "{n}"},
        {{"export", "--batch", Path("missing.txt"), "--jobs", "0", "-o", Path("{n}.png")},
         2,
         "--jobs"},
        {{"export", "--text", "1", "--jobs", "2", "-o", png}, 2, "--jobs goes with --batch"},
        {{"info", "--type", "UPC A"}, 2, "--text"},
        {{"frobnicate"}, 2, "unknown command"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << args;
        EXPECT_TRUE(run.err.startsWith("tallyrune-cli: ")) << args << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << args << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.message)))
            << args << ": " << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(png));
}

} // namespace
