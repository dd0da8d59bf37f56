// Opening a document in the designer: a file that is no document is refused by name, and values
// no window can show are brought into range with a note of each change.

#include "app/OpenedDocument.h"
#include "platform/Errors.h"

#include <QDir>
#include <QTemporaryDir>

#include "support/TestFiles.h"

#include <gtest/gtest.h>


namespace {

using app::DocumentRecord;
using engine::SymbologyCode;
using testing_support::WriteBytes;

TEST(OpenedDocument, FilesThatAreNoDocumentAreRefusedByName) {
    const struct {
        const char* name;
        QByteArray contents; // none: a folder of that name
        const char* message;
    } cases[] = {
        {"garbage.tlr", testing_support::RandomBytes(3072, 19),
         "garbage.tlr is not a Tallyrune document"},
        {"notes.tlr", "just some text\r\nand more\r\n", "notes.tlr is not a Tallyrune document"},
        {"nul.tlr", QByteArray("[BARCODE]\r\nTEXT=A\0B\r\n", 20),
         "nul.tlr is not a Tallyrune document"},
        {"folder.tlr", {}, "Unable to read folder.tlr"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        if (c.contents.isNull())
            ASSERT_TRUE(QDir(dir.path()).mkdir(c.name));
        else
            WriteBytes(path, c.contents);
        try {
            app::ReadOpenedDocument(path, engine::Unit::Inch, u'.');
            ADD_FAILURE() << c.name << " opened";
        } catch (const platform::Failure& refused) {
            EXPECT_STREQ(refused.what(), c.message);
        }
    }
    EXPECT_FALSE(app::ReadOpenedDocument(dir.filePath("absent.tlr"), engine::Unit::Inch, u'.'));
    WriteBytes(dir.filePath("empty.tlr"), "");
    const auto empty =
        app::ReadOpenedDocument(dir.filePath("empty.tlr"), engine::Unit::Centimetre, u'.');
    ASSERT_TRUE(empty);
    DocumentRecord defaults;
    defaults.Unit = engine::Unit::Centimetre; // the unit of a file without one
    EXPECT_EQ(empty->record, defaults);
    EXPECT_TRUE(empty->corrections.empty());
}

TEST(OpenedDocument, ValuesOutOfRangeAreBroughtIn) {
    const struct {
        QByteArray barcode; // the BARCODE section's lines
        const char* note;   // none: nothing to change
        void (*expect)(DocumentRecord&);
    } cases[] = {
        {"TYPE=99\nHEIGHT=-5\nSCALE=1000\n",
         "label.tlr: TYPE=99 is not a barcode type: Code 128 is used; HEIGHT=-5 is not a bar "
         "height of at least 0.001 in (0.00254 cm): 1 in is used; SCALE=1000 is beyond 10: 10 is "
         "used",
         [](DocumentRecord& r) { r.Scale = 10; }},
        {"METRIC=1\nHEIGHT=nan\nSCALE=-3\nROTATE=4\nTYPE=7\n",
         "label.tlr: HEIGHT=nan is not a bar height of at least 0.001 in (0.00254 cm): 1 cm is "
         "used; SCALE=-3 is below 1: 1 is used; ROTATE=4 is not a rotation of 0 to 3: 0 is used",
         [](DocumentRecord& r) {
             r.Unit = engine::Unit::Centimetre;
             r.Symbology = SymbologyCode::Ean8;
         }},
        {"TYPE=17\nHEIGHT=0.001\nSCALE=10\nROTATE=3\n", nullptr,
         [](DocumentRecord& r) {
             r.Symbology = SymbologyCode::Code39Mod10;
             r.BarHeight = 0.001;
             r.Scale = 10;
             r.Rotation = 3;
         }},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("label.tlr");
    for (const auto& c : cases) {
        WriteBytes(path, "[BARCODE]\n" + c.barcode);
        const auto opened = app::ReadOpenedDocument(path, engine::Unit::Inch, u'.');
        ASSERT_TRUE(opened);
        DocumentRecord expected;
        c.expect(expected);
        EXPECT_EQ(opened->record, expected) << c.barcode.constData();
        EXPECT_EQ(app::CorrectionsNote(path, opened->corrections), c.note ? c.note : "");
    }
}

} // namespace
