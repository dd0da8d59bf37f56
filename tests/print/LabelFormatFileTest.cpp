// The label format file: round trip, updates in place, tolerant reading.

#include "print/LabelFormatFile.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using app::LabelSheet;

using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST(LabelFormatFile, SavedSheetsLoadBackUnchanged) {
    const app::LabelSheet sheets[] = {
        {1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch},
        {3.81, 6.985, 1.27, 0.476, 0.0, 0.3175, engine::Unit::Centimetre},
        {-0.25, 1e-5, 123456.789, 0.1, 1e20, 0.0, engine::Unit::Inch},
        app::RollSheet(2.0, 1.0, engine::Unit::Inch),
        app::RollSheet(6.2, 10.0, engine::Unit::Centimetre),
    };
    QTemporaryDir dir;
    for (char16_t separator : {u'.', u','})
        for (const app::LabelSheet& sheet : sheets) {
            print::SaveLabelFormat(dir.filePath("sheet.fmt"), sheet, separator);
            EXPECT_EQ(print::LoadLabelFormat(dir.filePath("sheet.fmt"), separator), sheet);
        }
}

// ROLL: older files lack it and read as sheets; a sheet's section stays the one older builds
// wrote, unless the file already has the key.
TEST(LabelFormatFile, RollKeyIsWrittenForRollsAndWhereItWas) {
    struct Case {
        QByteArray before;
        app::LabelFeed feed;
        QByteArray rollLine; // in the file written, or empty for none
    };
    const Case cases[] = {
        {"", app::LabelFeed::Sheet, ""},
        {"", app::LabelFeed::Roll, "ROLL=1\r\n"},
        {"[FORMAT]\r\nROLL=1\r\n", app::LabelFeed::Sheet, "ROLL=0\r\n"},
        {"[FORMAT]\r\nROLL=0\r\n", app::LabelFeed::Roll, "ROLL=1\r\n"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("roll.fmt");
    for (const Case& c : cases) {
        QFile::remove(path);
        if (!c.before.isEmpty()) WriteBytes(path, c.before);
        app::LabelSheet sheet = app::RollSheet(2.0, 1.0, engine::Unit::Inch);
        sheet.Feed = c.feed;
        print::SaveLabelFormat(path, sheet, u'.');
        const QByteArray written = ReadBytes(path);
        EXPECT_EQ(written.contains("ROLL="), !c.rollLine.isEmpty()) << written.toStdString();
        EXPECT_TRUE(c.rollLine.isEmpty() || written.contains(c.rollLine)) << written.toStdString();
        EXPECT_EQ(print::LoadLabelFormat(path, u'.').Feed, c.feed);
    }
}

TEST(LabelFormatFile, WritesTheSectionInOrderAndUpdatesInPlace) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mixed.fmt");
    WriteBytes(path, "[OTHER]\r\nA=1\r\n[format]\r\nwidth=9\r\nX=keep\r\n[LAST]\r\nB=2\r\n");
    print::SaveLabelFormat(path, {1.5, 2.0, 0.25, 0.5, 0.0, 0.125, engine::Unit::Centimetre}, u'.');
    EXPECT_EQ(ReadBytes(path), "[OTHER]\r\nA=1\r\n[format]\r\nwidth=2\r\nX=keep\r\nHEIGHT=1.5\r\n"
                               "TOPMARGIN=0.25\r\nLEFTMARGIN=0.5\r\nGAPHEIGHT=0\r\n"
                               "GAPWIDTH=0.125\r\nMETRIC=1\r\n[LAST]\r\nB=2\r\n");
}

struct ReadCase {
    const char* what;
    const char* name;
    QByteArray contents;
    app::LabelSheet expected;
};

TEST(LabelFormatFile, ReadsWithDefaults) {
    const app::LabelSheet defaults{1.0, 2.0, 0.0, 0.0, 0.0, 0.0, engine::Unit::Inch};
    const ReadCase cases[] = {
        {"hexadecimal METRIC",
         "hex.fmt",
         "[FORMAT]\nMETRIC=0x1\n",
         {1, 2, 0, 0, 0, 0, engine::Unit::Centimetre}},
        {"METRIC 0x0", "hex0.fmt", "[FORMAT]\nMETRIC=0x0\n", defaults},
        {"unparsable values", "bad.fmt", "[FORMAT]\nHEIGHT=tall\nWIDTH=\nMETRIC=on\n", defaults},
        {"Corvane file",
         "sheet.lbf",
         "[Format]\r\nHeight=1.25\r\nGapWidth=0.1\r\nMetric=2\r\n",
         {1.25, 2, 0, 0, 0, 0.1, engine::Unit::Centimetre}},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        WriteBytes(path, c.contents);
        EXPECT_EQ(print::LoadLabelFormat(path, u'.'), c.expected) << c.what;
    }
}

// A file that is no label format never passes for a sheet of defaults.
TEST(LabelFormatFile, FilesThatAreNoLabelFormatAreRefusedByName) {
    const struct {
        const char* name;
        QByteArray contents; // none: no file
        const char* message;
    } cases[] = {
        {"none.fmt", {}, "Unable to read none.fmt"},
        {"junk.fmt", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), "junk.fmt is not a label format"},
        {"doc.fmt", "[BARCODE]\r\nTEXT=A\r\n", "doc.fmt is not a label format"},
        {"nul.fmt", QByteArray("[FORMAT]\r\nHEIGHT=1\0\r\n", 21), "nul.fmt is not a label format"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        if (!c.contents.isNull()) WriteBytes(path, c.contents);
        try {
            print::LoadLabelFormat(path, u'.');
            ADD_FAILURE() << c.name << " was read";
        } catch (const platform::Failure& refused) {
            EXPECT_STREQ(refused.what(), c.message);
        }
    }
}

TEST(LabelFormatFile, AnUnreadableFileIsNotOverwritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.fmt"));
    EXPECT_THROW(print::SaveLabelFormat(dir.filePath("folder.fmt"), {}, u'.'),
                 platform::WriteFailure);
}

} // namespace
