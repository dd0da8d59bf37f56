// The document file: exact bytes, save-load-save, tolerant reading, and saves that fail or are
// killed half way without harming the previous file.

#include "app/DocumentFile.h"
#include "app/BarcodeDocument.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/Decode.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr engine::Unit kIn = engine::Unit::Inch;
constexpr engine::Unit kCm = engine::Unit::Centimetre;

using app::BarcodeDocument;
using app::DocumentRecord;
using engine::SymbologyCode;

using testing_support::ReadBytes;
using testing_support::WriteBytes;

class DocumentFileTest : public ::testing::Test {
  protected:
    // Code 39, 12345, scale 2, inches, 0.75, everything else as created.
    void MakeCode39Example(BarcodeDocument& d) {
        d.SetSymbology(SymbologyCode::Code39);
        d.SetBarcodeText("12345");
        d.SetScale(2);
        d.SetBarHeight(0.75);
        d.SetInterpret(true);
    }
    QString Path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    app::PrinterMetrics metrics;
    BarcodeDocument doc{metrics, engine::Unit::Inch, app::LabelSheet{}};
};

TEST_F(DocumentFileTest, SavesTheExampleByteForByteOverAnyFile) {
    const QByteArray expected =
        "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.75\r\nSCALE=2\r\nINTERPRET=1\r\nTYPE=1\r\nROTATE=0\r\n"
        "TEXT=12345\r\nAUTOSIZE=1\r\nBAR_WIDTH=10\r\n[SEQUENCE]\r\nUSE=0\r\nMIN=0\r\n"
        "MAX=999999999\r\nCURRENT=1\r\nMIN_SIZE=0\r\nPREFIX=\r\nSUFFIX=\r\n[FORMAT]\r\n"
        "HEIGHT=1.5\r\nWIDTH=2\r\nTOPMARGIN=0.25\r\nLEFTMARGIN=0.25\r\nGAPHEIGHT=0\r\n"
        "GAPWIDTH=0\r\nMETRIC=0\r\n";
    const QString path = Path("example.tlr");
    WriteBytes(path, "[OTHER]\r\nKEY=lost\r\n"); // replaced entirely
    MakeCode39Example(doc);
    doc.SaveToFile(path, u'.');
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_EQ(doc.Caption(), "example.tlr");
}

bool SurvivesReading(const std::string& text) {
    if (text.empty()) return true;
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                        text.back() == text.front();
    return text.front() != ' ' && text.back() != ' ' && !quoted;
}

// Latin-1 text without line breaks; blanks at the ends and enclosing quotes do not survive
// reading, so such texts are drawn again.
std::string RandomText(std::mt19937& rng, int maxLength) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0x20, 0x7E + 0x60);
    std::string text;
    do {
        text.clear();
        for (int i = length(rng); i > 0; --i) {
            const int c = pick(rng);
            text += static_cast<char>(c <= 0x7E ? c : c - 0x7F + 0xA0);
        }
    } while (!SurvivesReading(text));
    return text;
}

// Type, height, scale and rotation stay within what opening keeps as it is (OpenedDocumentTest
// covers the rest).
void Randomise(BarcodeDocument& d, std::mt19937& rng) {
    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX);
    std::uniform_real_distribution<double> length(-5.0, 250.0);
    std::uniform_real_distribution<double> height(0.01, 250.0);
    std::bernoulli_distribution coin;
    d.SetSuspended(true);
    d.SetBarUnit(coin(rng) ? kCm : kIn);
    d.SetSymbology(SymbologyCode{static_cast<std::uint8_t>(rng() % engine::kSymbologyCount)});
    do {
        d.SetBarcodeText(RandomText(rng, 60)); // filtering may bare a blank
    } while (!SurvivesReading(d.BarcodeText()));
    d.SetBarHeight(coin(rng) ? height(rng) : std::ldexp(height(rng), static_cast<int>(rng() % 90)));
    d.SetScale(static_cast<int>(rng() % 10) + 1);
    d.SetInterpret(coin(rng));
    d.SetRotation(static_cast<std::uint8_t>(rng() % 4));
    d.SetAutoSize(coin(rng));
    d.SetBarWidth(length(rng));
    const std::string prefix = RandomText(rng, 30);
    d.SetSequence({coin(rng), anyInt(rng), anyInt(rng), anyInt(rng), anyInt(rng), prefix,
                   RandomText(rng, 30)});
    d.SetLabels({length(rng), length(rng), length(rng), length(rng), length(rng), length(rng),
                 coin(rng) ? kCm : kIn});
}

TEST_F(DocumentFileTest, SaveLoadSaveGivesTheSameBytes) {
    std::mt19937 rng(20240611);
    for (char16_t separator : {u'.', u','}) {
        for (int round = 0; round < 25; ++round) {
            Randomise(doc, rng);
            doc.SaveToFile(Path("first.tlr"), separator);
            BarcodeDocument loaded(metrics, round % 2 == 0 ? kCm : kIn, app::LabelSheet{});
            loaded.SetSuspended(true); // pictures of absurd heights take time, not bytes
            ASSERT_TRUE(
                loaded.LoadFromFile(Path("first.tlr"), round % 3 == 0 ? kCm : kIn, separator));
            EXPECT_EQ(loaded.BarcodeText(), doc.BarcodeText());
            loaded.SaveToFile(Path("second.tlr"), separator);
            ASSERT_EQ(ReadBytes(Path("second.tlr")), ReadBytes(Path("first.tlr"))) << round;
        }
    }
}

struct ReadCase {
    const char* what;
    QByteArray contents;
    char16_t separator;
    engine::Unit currentUnit;
    void (*expect)(DocumentRecord&); // changes from the defaults
};

TEST_F(DocumentFileTest, ReadsTolerantly) {
    const QByteArray longText = "[BARCODE]\nTEXT=" + QByteArray(5000, '7') + "\n";
    // clang-format off
    const ReadCase cases[] = {
        {"empty file, centimetres", "", u'.', kCm, [](DocumentRecord& r) { r.Unit = kCm; }},
        {"names in any case", "[barcode]\nScale=3\n[Sequence]\nmin_size=4\n", u'.', kIn,
         [](DocumentRecord& r) { r.Scale = 3; r.Sequence.SeqMinSize = 4; }},
        {"blanks and quotes", "[BARCODE]\n  TEXT =  ' AB C '  \n[SEQUENCE]\nPREFIX=\"x\"\nSUFFIX=  y z  \n", u'.', kIn,
         [](DocumentRecord& r) { r.BarcodeText = " AB C "; r.Sequence.SeqPrefix = "x"; r.Sequence.SeqSuffix = "y z"; }},
        {"hexadecimal", "[BARCODE]\nSCALE=0x0A\n[SEQUENCE]\nMAX=$FF\nMIN=0X10\n", u'.', kIn,
         [](DocumentRecord& r) { r.Scale = 10; r.Sequence.SeqMax = 255; r.Sequence.SeqMin = 16; }},
        {"low 8 bits of TYPE and ROTATE", "[BARCODE]\nTYPE=257\nROTATE=0x103\n", u'.', kIn,
         [](DocumentRecord& r) { r.Symbology = SymbologyCode::Code39; r.Rotation = 3; }},
        {"5000 characters cut to 2047", longText, u'.', kIn,
         [](DocumentRecord& r) { r.BarcodeText = std::string(2047, '7'); }},
        {"decimal comma read with a comma", "[BARCODE]\nHEIGHT=0,5\n[FORMAT]\nWIDTH=4,25\n", u',', kIn,
         [](DocumentRecord& r) { r.BarHeight = 0.5; r.Labels.LabelWidth = 4.25; }},
        {"decimal comma under a point", "[BARCODE]\nHEIGHT=0,5\n[FORMAT]\nWIDTH=4,25\n", u'.', kIn,
         [](DocumentRecord&) {}},
        {"garbage values", "[BARCODE]\nMETRIC=yes\nSCALE=2x\nBAR_WIDTH=\n[FORMAT]\nMETRIC=0x\n", u'.', kCm,
         [](DocumentRecord& r) { r.Unit = kCm; }},
        {"METRIC of each section", "[BARCODE]\nMETRIC=1\n[FORMAT]\nMETRIC=0\nHEIGHT=3\n", u'.', kIn,
         [](DocumentRecord& r) { r.Unit = kCm; r.Labels.LabelHeight = 3.0; }},
    };
    // clang-format on
    for (const auto& c : cases) {
        DocumentRecord expected;
        c.expect(expected);
        const auto profile = platform::ProfileFile::FromBytes(c.contents);
        EXPECT_EQ(app::ReadDocumentRecord(profile, c.currentUnit, c.separator), expected) << c.what;
    }
}

TEST_F(DocumentFileTest, LoadingStoresTheFileUnfilteredInRangeAndAMissingOneNothing) {
    MakeCode39Example(doc);
    doc.SetFileName("barcode_3");
    const DocumentRecord before = doc.Record();
    EXPECT_FALSE(doc.LoadFromFile(Path("absent.tlr"), engine::Unit::Centimetre));
    EXPECT_EQ(doc.Record(), before);
    EXPECT_EQ(doc.FileName(), Path("absent.tlr"));
    EXPECT_EQ(doc.Caption(), "barcode_3");

    WriteBytes(Path("raw.tlr"), "[BARCODE]\nTYPE=6\nTEXT=ab12\nSCALE=0\nROTATE=200\n");
    int rendered = 0;
    QObject::connect(&doc, &BarcodeDocument::rendered, [&] { ++rendered; });
    const auto corrections = doc.LoadFromFile(Path("raw.tlr"), engine::Unit::Inch);
    ASSERT_TRUE(corrections);
    EXPECT_EQ(*corrections,
              app::Corrections({"SCALE=0 is below 1: 1 is used",
                                "ROTATE=200 is not a rotation of 0 to 3: 0 is used"}));
    EXPECT_EQ(doc.BarcodeText(), "ab12"); // drawn filtered, stored as read
    EXPECT_EQ(doc.Scale(), 1);
    EXPECT_EQ(doc.Rotation(), 0);
    EXPECT_EQ(doc.Caption(), "raw.tlr");
    EXPECT_EQ(rendered, 1);
}

// A stored '*', Code 39's start/stop character, is dropped wherever the text is drawn, as any
// character the symbology refuses: the opened file draws, measures and reads as the main window
// stores it, filtered.
TEST_F(DocumentFileTest, AStoredAsteriskIsDrawnAsIfTyped) {
    const struct {
        SymbologyCode code;
        const char* read; // by zxing-cpp
    } rows[] = {
        {SymbologyCode::Code39, "AB"},
        {SymbologyCode::Code39Mod43, "ABL"}, // 10 + 11 = 21: L
        {SymbologyCode::Code39Mod10, "AB1"},
        {SymbologyCode::Code39Extended, "*A*B"},
    };
    for (const auto& row : rows) {
        const QByteArray type = QByteArray::number(static_cast<int>(row.code));
        WriteBytes(Path("star.tlr"), "[BARCODE]\nSCALE=2\nTEXT=*A*B\nTYPE=" + type);
        ASSERT_TRUE(doc.LoadFromFile(Path("star.tlr"), engine::Unit::Inch));
        EXPECT_EQ(doc.BarcodeText(), "*A*B") << type.constData();
        const QImage drawn = doc.DocumentBitmap();
        const double width = doc.WidthInUnits();
        const bool fullAscii = row.code == SymbologyCode::Code39Extended;
        testing_support::ExpectRead(drawn,
                                    testing_support::Reader(ZXing::BarcodeFormat::Code39)
                                        .setTryCode39ExtendedMode(fullAscii),
                                    row.read);
        doc.SetBarcodeText(doc.BarcodeText());
        EXPECT_EQ(doc.DrawnText(), doc.BarcodeText()) << type.constData();
        EXPECT_TRUE(doc.DocumentBitmap() == drawn) << type.constData();
        EXPECT_EQ(doc.WidthInUnits(), width) << type.constData();
    }
}

TEST_F(DocumentFileTest, BinaryFilesAreRefusedAndHugeOnesCut) {
    std::mt19937 rng(7);
    QByteArray binary = "[BARCODE]\nTEXT=X\n"; // a section does not make binary bytes a document
    while (binary.size() < (1 << 16))
        binary += static_cast<char>(rng());
    WriteBytes(Path("binary.tlr"), binary);
    const DocumentRecord before = doc.Record();
    EXPECT_THROW(doc.LoadFromFile(Path("binary.tlr"), engine::Unit::Inch), platform::Failure);
    EXPECT_EQ(doc.Record(), before);

    WriteBytes(Path("long.tlr"), "[BARCODE]\nSCALE=3\nTEXT=" + QByteArray(10 << 20, 'Z') + "\n");
    ASSERT_TRUE(doc.LoadFromFile(Path("long.tlr"), engine::Unit::Inch));
    EXPECT_EQ(doc.Scale(), 3);
    EXPECT_EQ(doc.BarcodeText(), std::string(2047, 'Z'));
}

// The save's error text, or "saved". Files cannot grow beyond `fileLimit` bytes meanwhile, as
// on a full disk; unlike folder permissions, this binds root too.
std::string SaveError(BarcodeDocument& d, const QString& path, rlim_t fileLimit = RLIM_INFINITY) {
    const testing_support::FileSizeLimit limit(fileLimit);
    try {
        d.SaveToFile(path, u'.');
    } catch (const platform::WriteFailure& e) {
        return e.what();
    }
    return "saved";
}

TEST_F(DocumentFileTest, AFailedSaveKeepsThePreviousFile) {
    WriteBytes(Path("plain"), "a file, not a folder");
    const QString underFile = Path("plain") + "/doc.tlr";
    EXPECT_EQ(SaveError(doc, underFile), "Unable to write to " + underFile.toStdString());
    EXPECT_EQ(doc.FileName(), underFile);

    const QString path = Path("keep.tlr");
    MakeCode39Example(doc);
    doc.SaveToFile(path, u'.');
    const QByteArray previous = ReadBytes(path);
    doc.SetSequence({.SeqPrefix = std::string(8192, 'P')});
    EXPECT_EQ(SaveError(doc, path, 1024), "Unable to write to " + path.toStdString());
    EXPECT_EQ(ReadBytes(path), previous);
}

// The message of a save as the user nobody, in a child process: folder permissions do not stop
// root, who runs the tests here and in CI.
std::string SaveErrorAsNobody(BarcodeDocument& d, const QString& path) {
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr) return "no user nobody";
    int message[2];
    if (pipe(message) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(message[0]);
        if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 ||
            setuid(nobody->pw_uid) != 0)
            _exit(1);
        const std::string error = SaveError(d, path);
        _exit(write(message[1], error.data(), error.size()) < 0 ? 1 : 0);
    }
    close(message[1]);
    std::string error;
    char part[256];
    for (ssize_t size; (size = read(message[0], part, sizeof part)) > 0;)
        error.append(part, static_cast<std::size_t>(size));
    close(message[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return error;
}

TEST_F(DocumentFileTest, AReadOnlyFolderKeepsThePreviousFile) {
    const QString path = Path("keep.tlr");
    doc.SaveToFile(path, u'.');
    const QByteArray previous = ReadBytes(path);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    MakeCode39Example(doc);
    const std::string error = geteuid() == 0 ? SaveErrorAsNobody(doc, path) : SaveError(doc, path);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(error, "Unable to write to " + path.toStdString());
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(DocumentFileTest, ASaveKilledHalfWayLeavesAWholeFile) {
    BarcodeDocument other(metrics, engine::Unit::Centimetre, app::LabelSheet{});
    doc.SetSequence({.SeqPrefix = std::string(3 << 20, 'A')});
    other.SetSequence({.SeqSuffix = std::string(3 << 20, 'B')});
    BarcodeDocument* documents[2] = {&doc, &other};
    const QString path = Path("killed.tlr");
    const QByteArray first = app::WriteDocumentRecord(doc.Record(), u'.').ToBytes();
    const QByteArray second = app::WriteDocumentRecord(other.Record(), u'.').ToBytes();
    for (int round = 0; round < 8; ++round) {
        int progress[2];
        ASSERT_EQ(pipe(progress), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) { // saves the two documents in turn until it is killed
            alarm(30);    // never outlives a broken test
            try {
                for (unsigned i = 0;; ++i) {
                    documents[i % 2]->SaveToFile(path, u'.');
                    if (write(progress[1], "s", 1) != 1) _exit(1);
                }
            } catch (...) {
                _exit(1);
            }
        }
        close(progress[1]);
        char done = 0;
        EXPECT_EQ(read(progress[0], &done, 1), 1); // at least one save went through
        usleep(static_cast<useconds_t>(round * 2500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(progress[0]);
        const QByteArray contents = ReadBytes(path);
        EXPECT_TRUE(contents == first || contents == second) << "round " << round;
    }
}

} // namespace
