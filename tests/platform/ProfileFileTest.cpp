// Profile files: the matching and value rules of the Windows profile-string functions, updates
// in place, tolerant reading and byte-exact saving.

#include "platform/ProfileFile.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::ProfileFile;

using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST(ProfileFileWrite, WritesTheExactBytesOfASmallDocument) {
    ProfileFile profile;
    profile.WriteBool("BARCODE", "METRIC", false);
    profile.WriteReal("BARCODE", "HEIGHT", 0.75, u'.');
    profile.WriteInteger("BARCODE", "TYPE", 1);
    profile.WriteString("BARCODE", "TEXT", "12345");
    profile.WriteInteger("SEQUENCE", "MAX", 999999999);
    profile.WriteString("SEQUENCE", "PREFIX", "");
    profile.WriteReal("FORMAT", "WIDTH", 2.0, u',');
    profile.WriteInteger("FORMAT", "MIN", -3);
    const QByteArray expected = "[BARCODE]\r\nMETRIC=0\r\nHEIGHT=0.75\r\nTYPE=1\r\nTEXT=12345\r\n"
                                "[SEQUENCE]\r\nMAX=999999999\r\nPREFIX=\r\n"
                                "[FORMAT]\r\nWIDTH=2\r\nMIN=-3\r\n";
    EXPECT_EQ(profile.ToBytes(), expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("label.tlr");
    profile.Save(path);
    EXPECT_EQ(ReadBytes(path), expected);
}

// Comments, junk and blank lines stay where they are; key and section spellings are kept.
TEST(ProfileFileWrite, UpdatesInPlaceAndAppendsAtTheEndOfTheSection) {
    ProfileFile profile = ProfileFile::FromBytes("; made elsewhere\n[Label]\nHeight = 1\nwidth=2\n"
                                                 "junk line\n\n[OTHER]\nKEEP=\"x\"\n");
    profile.WriteString("LABEL", "HEIGHT", "3");
    profile.WriteString("label", "GAP", "4");
    profile.WriteString("OTHER", "keep", "5");
    profile.WriteString("NEW", "K", "6");
    EXPECT_EQ(profile.ToBytes(), "; made elsewhere\r\n[Label]\r\nHeight=3\r\nwidth=2\r\n"
                                 "junk line\r\nGAP=4\r\n\r\n[OTHER]\r\nKEEP=5\r\n[NEW]\r\nK=6\r\n");
}

TEST(ProfileFileWrite, LineBreaksInValuesCannotStartNewLines) {
    ProfileFile profile;
    profile.WriteString("A", "V", "x\r\n[EVIL]\nK=1");
    EXPECT_EQ(profile.ToBytes(), "[A]\r\nV=x  [EVIL] K=1\r\n");
    EXPECT_EQ(profile.ReadString("EVIL", "K", "none"), "none");
}

// Each written line as it lands in the file, and every value reads back as written.
struct WrittenCase {
    QString section, key, value;
    QByteArray bytes;
};

const WrittenCase kWrittenCases[] = {
    {"A\nB", "K", "v", "[A B]\r\nK=v\r\n"}, // names never break the line either
    {"S", "K\r\nX", "v", "[S]\r\nK  X=v\r\n"},
    {"S", "K", "  padded  ", "[S]\r\nK=\"  padded  \"\r\n"},
    {"S", "K", "\"quoted\"", "[S]\r\nK=\"\"quoted\"\"\r\n"},
    {"S", "K", "'x'", "[S]\r\nK=\"'x'\"\r\n"},
    {"S", "K", "in \"middle\"", "[S]\r\nK=in \"middle\"\r\n"},
};

TEST(ProfileFileWrite, WritesOneLinePerNameAndValuesThatReadBack) {
    for (const auto& c : kWrittenCases) {
        ProfileFile profile;
        profile.WriteString(c.section, c.key, c.value);
        EXPECT_EQ(profile.ToBytes(), c.bytes) << c.bytes.data();
        if (!(c.section + c.key).contains(u'\n')) {
            EXPECT_EQ(ProfileFile::FromBytes(c.bytes).ReadString(c.section, c.key), c.value);
        }
    }
}

TEST(ProfileFileWrite, TextIsLatin1BothWays) {
    ProfileFile profile = ProfileFile::FromBytes("[S]\nK=caf\xE9\xFF\n");
    EXPECT_EQ(profile.ReadString("S", "K"), QString::fromUtf8("caf\u00E9\u00FF"));
    profile.WriteString("S", "L", QString::fromUtf8("\u00C4\u20AC"));
    EXPECT_EQ(profile.ToBytes(), "[S]\r\nK=caf\xE9\xFF\r\nL=\xC4?\r\n");
}

struct ValueCase {
    QByteArray stored; // the text after "K=" in the file
    QString expected;
};

const ValueCase kValueCases[] = {
    {"abc", "abc"},
    {"  abc \t", "abc"},
    {"\"abc\"", "abc"},
    {"'abc'", "abc"},
    {"\" abc \"", " abc "},
    {"\"\"", ""},
    {"''x''", "'x'"},
    {"\"abc'", "\"abc'"},
    {"\"", "\""},
    {"a=b", "a=b"},
    {"", ""},
    {QByteArray(3000, 'x'), QString(2047, u'x')},
    {'"' + QByteArray(2100, 'y') + '"', QString(2047, u'y')},
};

TEST(ProfileFileRead, TrimsUnquotesAndLimitsValues) {
    for (const auto& c : kValueCases) {
        const ProfileFile profile = ProfileFile::FromBytes("[S]\r\nK=" + c.stored + "\r\n");
        EXPECT_EQ(profile.ReadString("s", "k", "default"), c.expected) << c.stored.left(20).data();
    }
}

TEST(ProfileFileRead, MatchesNamesWithoutCaseAndOnlyInTheirSection) {
    const ProfileFile profile = ProfileFile::FromBytes(
        "TOP=0\n[Barcode]\nHeight=2\n[FORMAT]\nHEIGHT=1\nNOVALUE\n;WIDTH=9\n[BROKEN\nGAP=8\n"
        "[format]\nHEIGHT=5\nEXTRA=7");
    EXPECT_EQ(profile.ReadString("BARCODE", "HEIGHT"), "2");
    EXPECT_EQ(profile.ReadString("Format", "height"), "1"); // the first section of a name wins
    EXPECT_EQ(profile.ReadString("FORMAT", "GAP"), "8");    // "[BROKEN" opens no section
    for (const char* missing : {"TOP", "NOVALUE", "WIDTH", ";WIDTH", "EXTRA", "SCALE"})
        EXPECT_EQ(profile.ReadString("FORMAT", missing, "dflt"), "dflt") << missing;
    EXPECT_EQ(profile.ReadString("NONE", "HEIGHT", "dflt"), "dflt");
}

struct NumberCase {
    QByteArray stored;           // empty for a missing key
    int integer;                 // read with default -1
    std::optional<bool> boolean; // none: the default
    double real;                 // read with '.' and default -1
};

const NumberCase kNumberCases[] = {
    {"257", 257, true, 257},
    {"0", 0, false, 0},
    {"-5", -5, true, -5},
    {"0x10", 16, true, -1},
    {"$1F", 31, true, -1},
    {" '12' ", 12, true, 12},
    {"0.75", -1, std::nullopt, 0.75},
    {"0,75", -1, std::nullopt, -1},
    {"1E-5", -1, std::nullopt, 1e-5},
    {"12abc", -1, std::nullopt, -1},
    {"4294967296", -1, std::nullopt, 4294967296.0},
    {"yes", -1, std::nullopt, -1},
    {"", -1, std::nullopt, -1},
};

TEST(ProfileFileRead, ReadsNumbersOrTheDefault) {
    for (const auto& c : kNumberCases) {
        const QByteArray line = c.stored.isEmpty() ? "OTHER=1" : "K=" + c.stored;
        const ProfileFile profile = ProfileFile::FromBytes("[S]\n" + line + "\n");
        EXPECT_EQ(profile.ReadInteger("S", "K", -1), c.integer) << c.stored.data();
        for (bool fallback : {false, true})
            EXPECT_EQ(profile.ReadBool("S", "K", fallback), c.boolean.value_or(fallback))
                << c.stored.data();
        EXPECT_EQ(profile.ReadReal("S", "K", -1, u'.'), c.real) << c.stored.data();
    }
    const ProfileFile comma = ProfileFile::FromBytes("[S]\nK=0,75\n");
    EXPECT_EQ(comma.ReadReal("S", "K", -1, u','), 0.75);
}

// Junk of every kind is carried along untouched and never hides the keys around it.
TEST(ProfileFileRead, ToleratesJunkAndSurvivesARoundTrip) {
    QByteArray junk;
    for (int b = 0; b < 256; ++b)
        junk += static_cast<char>(b == '\n' ? 'n' : b);
    const QByteArray hugeLine = "HUGE=" + QByteArray(10 * 1024 * 1024, 'z');
    const QByteArray input =
        "[S]\nA=1\r\n" + junk + QByteArrayLiteral("\nNUL=a\0b\n") + hugeLine + "\nB=2";
    const ProfileFile profile = ProfileFile::FromBytes(input);
    EXPECT_EQ(profile.ReadString("S", "A"), "1");
    EXPECT_EQ(profile.ReadString("S", "B"), "2");
    EXPECT_EQ(profile.ReadString("S", "HUGE").size(), ProfileFile::kMaxValueLength);
    QTemporaryDir dir;
    const QString path = dir.filePath("junk.ini");
    profile.Save(path);
    const QByteArray first = ReadBytes(path);
    EXPECT_EQ(first, "[S]\r\nA=1\r\n" + junk + QByteArrayLiteral("\r\nNUL=a\0b\r\n") + hugeLine +
                         "\r\nB=2\r\n");
    ProfileFile again;
    ASSERT_EQ(again.Load(path), ProfileFile::LoadResult::Loaded);
    again.Save(path);
    EXPECT_EQ(ReadBytes(path), first);
}

TEST(ProfileFileLoad, MissingEmptyAndUnreadableFilesAreEmptyProfiles) {
    QTemporaryDir dir;
    WriteBytes(dir.filePath("empty.fmt"), "");
    QFile large(dir.filePath("large.fmt"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(ProfileFile::kMaxFileSize + 1));
    large.close();
    QDir(dir.path()).mkdir("folder.fmt");
    const struct {
        const char* name;
        ProfileFile::LoadResult result;
    } cases[] = {{"missing.fmt", ProfileFile::LoadResult::Missing},
                 {"empty.fmt", ProfileFile::LoadResult::Loaded},
                 {"large.fmt", ProfileFile::LoadResult::Unreadable},
                 {"folder.fmt", ProfileFile::LoadResult::Unreadable}};
    for (const auto& c : cases) {
        ProfileFile profile = ProfileFile::FromBytes("[FORMAT]\nHEIGHT=3\n");
        EXPECT_EQ(profile.Load(dir.filePath(c.name)), c.result) << c.name;
        EXPECT_EQ(profile.ToBytes(), "") << c.name;
        EXPECT_EQ(profile.ReadReal("FORMAT", "HEIGHT", 1.0, u'.'), 1.0) << c.name;
    }
}

TEST(ProfileFileSave, FailureNamesThePath) {
    QTemporaryDir dir;
    ProfileFile profile;
    profile.WriteString("S", "K", "v");
    QDir(dir.path()).mkdir("folder.tlr");
    for (const QString& path : {dir.filePath("no/such/doc.tlr"), dir.filePath("folder.tlr")}) {
        try {
            profile.Save(path);
            ADD_FAILURE() << "no exception for " << path.toStdString();
        } catch (const platform::WriteFailure& failure) {
            EXPECT_EQ(std::string(failure.what()), "Unable to write to " + path.toStdString());
        }
    }
}

} // namespace
