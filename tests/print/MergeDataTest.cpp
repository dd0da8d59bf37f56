// A data merge: the texts of plain text and CSV files with their lines, and the print job that
// takes them in order, each on its copies, or refuses the file before printing anything.

#include "print/MergeData.h"

#include "RecordingPrintTarget.h"
#include "app/BarcodeDocument.h"
#include "platform/Errors.h"
#include "print/MergeInput.h"
#include "print/PrintJob.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using print::MergeRecord;

struct ReadCase {
    const char* what;
    const char* file;
    QByteArray bytes;
    std::string column;
    bool header;
    std::vector<MergeRecord> records; // expected, when `failure` is empty
    const char* failure;              // a part of the message
};

// The case's bytes read as its file would be: its records, or a failure holding `failure`.
void ExpectRead(const ReadCase& c) {
    SCOPED_TRACE(c.what);
    const print::MergeSource source{QString("/data/") + c.file, c.column, c.header};
    if (!*c.failure) {
        EXPECT_EQ(print::MergeRecordsOf(c.bytes, source), c.records);
        return;
    }
    try {
        print::MergeRecordsOf(c.bytes, source);
        ADD_FAILURE() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_NE(std::string(failure.what()).find(c.failure), std::string::npos) << failure.what();
    }
}

QByteArray Filler(qsizetype bytes) {
    return QByteArray(bytes, 'x');
}

TEST(MergeData, FilesGiveTheirRecordsWithTheirLines) {
    const ReadCase cases[] = {
        {"lines, a blank one skipped", "a.txt", "A\n\nB", "", false, {{"A", 1}, {"B", 3}}, ""},
        {"lines keep commas and quotes, CRLF",
         "a.txt",
         "a,b\r\n\"q\"\r\n",
         "1",
         false,
         {{"a,b", 1}, {"\"q\"", 2}},
         ""},
        {"csv column 2 without header",
         "a.CSV",
         "1,x\n2,y\n",
         "2",
         false,
         {{"x", 1}, {"y", 2}},
         ""},
        {"quoted comma", "a.csv", "\"a,b\",\"say \"\"hi\"\"\"\n", "1", false, {{"a,b", 1}}, ""},
        {"doubled quotes",
         "a.csv",
         "\"a,b\",\"say \"\"hi\"\"\"\n",
         "2",
         false,
         {{"say \"hi\"", 1}},
         ""},
        {"embedded CRLF, header by name",
         "a.csv",
         "id,text\r\n1,\"two\r\nlines\"\r\n2,next\r\n",
         "text",
         false,
         {{"two\r\nlines", 2}, {"next", 4}},
         ""},
        {"header with a number", "a.csv", "h1,h2\nA,B\n", "2", true, {{"B", 2}}, ""},
        {"name in any case, spaces around",
         "a.csv",
         "Name, Code \nx,C1",
         "code",
         false,
         {{"C1", 2}},
         ""},
        {"empty quoted field, blank line",
         "a.csv",
         "\"\",x\n\n\"\"\n",
         "1",
         false,
         {{"", 1}, {"", 3}},
         ""},
        {"unquoted quote kept", "a.csv", "5\" disk,x\n", "1", false, {{"5\" disk", 1}}, ""},
        {"UTF-8", "a.txt", "caf\xC3\xA9\n", "", false, {{QString::fromUtf8("café"), 1}}, ""},
        {"UTF-8 with byte order mark", "a.csv", "\xEF\xBB\xBFid\n7\n", "id", false, {{"7", 2}}, ""},
        {"Latin-1", "a.csv", "k\xE9y,\xC3\n", "1", false, {{QString::fromUtf8("kéy"), 1}}, ""},
        {"UTF-8 or Latin-1 by record",
         "a.txt",
         "caf\xC3\xA9\nk\xE9y\n",
         "",
         false,
         {{QString::fromUtf8("café"), 1}, {QString::fromUtf8("kéy"), 2}},
         ""},
        {"unknown name",
         "a.csv",
         "a,b\n",
         "price",
         false,
         {},
         "a.csv: no column is named \"price\""},
        {"column beyond the first record",
         "a.csv",
         "a,b\n",
         "3",
         false,
         {},
         "a.csv: there is no column 3, its first record has 2"},
        {"column 0", "a.csv", "a\n", "0", false, {}, "numbered from 1"},
        {"a name two columns have",
         "a.csv",
         "Code,text, code \nx,y,z\n",
         "CODE",
         false,
         {},
         "a.csv: more than one column is named \"CODE\""},
        {"a name another column shares, unused",
         "a.csv",
         "a,b,b\nx,y,z\n",
         "a",
         false,
         {{"x", 2}},
         ""},
        {"record without the column",
         "a.csv",
         "a,b\n\"c\nd\"\ne\n",
         "2",
         false,
         {},
         "a.csv, line 2: there is no column 2"},
        {"quote left open",
         "a.csv",
         "a\n\"b\nc\n",
         "1",
         false,
         {},
         "a.csv, line 2: a quoted field is not closed"},
        {"lines have no named column",
         "a.txt",
         "a\n",
         "name",
         false,
         {},
         "a.txt holds one text per line: there is no column \"name\""},
    };
    for (const ReadCase& c : cases)
        ExpectRead(c);
    print::MergeInput missing({"/nonexistent/a.csv", "", false});
    EXPECT_THROW(missing.Open(), platform::Failure);
}

// LF, CRLF and a CR alone each end one line, in plain text and in CSV; inside quotes a line end
// stays in the field as the file has it. The reader takes the file in chunks of 64 KiB: a CRLF
// split between two of them is still one line end.
TEST(MergeData, LfCrLfAndCrAloneEachEndALine) {
    const ReadCase cases[] = {
        {"lines, CR alone", "a.txt", "A\rB\r\rC", "", false, {{"A", 1}, {"B", 2}, {"C", 4}}, ""},
        {"lines, each kind",
         "a.txt",
         "A\r\nB\rC\nD\r",
         "",
         false,
         {{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}},
         ""},
        {"csv, CR alone, one inside quotes",
         "a.csv",
         "x,y\r1,\"a\rb\"\r2,c",
         "y",
         false,
         {{"a\rb", 2}, {"c", 4}},
         ""},
        {"csv, each kind inside quotes",
         "a.csv",
         "\"a\r\nb\rc\nd\"\r\ne",
         "1",
         false,
         {{"a\r\nb\rc\nd", 1}, {"e", 5}},
         ""},
        {"CRLF across chunks",
         "a.txt",
         Filler(64 * 1024 - 1) + "\r\nB",
         "",
         false,
         {{Filler(64 * 1024 - 1), 1}, {"B", 2}},
         ""},
        {"quote left open after CRs",
         "a.csv",
         "a\r\"b\rc\r",
         "1",
         false,
         {},
         "a.csv, line 2: a quoted field is not closed"},
    };
    for (const ReadCase& c : cases)
        ExpectRead(c);
}

// A record may hold 64 KiB and a line 1 MiB; beyond, the file is refused at the line where the
// record or the line starts, long records being read no further than the limit.
TEST(MergeData, RecordsAndLinesBeyondTheLimitsAreRefusedByTheirLine) {
    const qsizetype kib64 = 64 * 1024;
    const QByteArray quotedHalf = "\"" + Filler(kib64 / 2) + "\r\n" + Filler(kib64 / 2) + "\"";
    const ReadCase cases[] = {
        {"a line of 64 KiB", "a.txt", "\n" + Filler(kib64), "", false, {{Filler(kib64), 2}}, ""},
        {"a line of 64 KiB and a byte",
         "a.txt",
         "1\n2\n3\n4\n5\n\n" + Filler(kib64 + 1) + "\nB\n",
         "",
         false,
         {},
         "a.txt, line 7: the record is longer than 64 KiB"},
        {"a quoted field of short lines",
         "a.csv",
         "a\n\n" + quotedHalf + "\n",
         "1",
         false,
         {},
         "a.csv, line 3: the record is longer than 64 KiB"},
        {"a line of many fields",
         "a.csv",
         "a\n" + (Filler(1023) + ",").repeated(1024) + "x\n",
         "1",
         false,
         {},
         "a.csv, line 2: the line is longer than 1 MiB"},
        {"a line without end",
         "a.txt",
         Filler(1024 * 1024 + 1),
         "",
         false,
         {},
         "a.txt, line 1: the line is longer than 1 MiB"},
    };
    for (const ReadCase& c : cases)
        ExpectRead(c);
}

class MergeJobTest : public ::testing::Test {
  protected:
    MergeJobTest() {
        metrics.PrinterDpiX = metrics.PrinterDpiY = 600;
        metrics.PhysicalWidth = 5100;
        metrics.PhysicalHeight = 6600;
        int printScale = 6;
        print::RecomputeLayout(kThirty, metrics, printScale);
        doc.SetSuspended(true);
        doc.SetInterpret(true); // the recorder reads each label's text from its readable line
        options.UseData = true;
        options.Range = print::PrintRange::Single; // a data file prints all its records anyway
        options.Data = {path, "", true};
        WriteRecords(250);
        options.ReadData({doc.Symbology(), doc.Options()});
    }
    // A header, then R1 to R`count` on lines 2 onwards; record `odd` (from 1) reads `oddText`.
    void WriteRecords(int count, int odd = 0, const char* oddText = "") {
        QByteArray file = "text\n";
        for (int i = 1; i <= count; ++i)
            file += (i == odd ? QByteArray(oddText) : "R" + QByteArray::number(i)) + "\n";
        testing_support::WriteBytes(path, file);
    }
    void Print(const print::PrintOptions& printed) {
        target.emplace();
        testing_support::RecordingProgress progress;
        print::RunPrintJob(*target, progress, printed, doc, kThirty, metrics);
    }
    // Prints, expecting the job to fail with `message`.
    void ExpectRefused(const print::PrintOptions& printed, const std::string& message) {
        try {
            Print(printed);
            ADD_FAILURE() << message;
        } catch (const platform::Failure& failure) {
            EXPECT_EQ(std::string(failure.what()), message);
        }
    }

    const app::LabelSheet kThirty{
        1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, engine::Unit::Inch}; // 10 rows of 3
    QTemporaryDir dir;
    const QString path = dir.filePath("list.csv");
    app::PrinterMetrics metrics;
    app::BarcodeDocument doc{metrics, engine::Unit::Inch, kThirty};
    print::PrintOptions options;
    std::optional<testing_support::RecordingPrintTarget> target;
};

// Each record on Copies labels in file order from the start label; a record's copies run on to
// the next page rather than losing any.
TEST_F(MergeJobTest, RecordsFillTheLabelsInOrderWithTheirCopies) {
    const struct {
        int copies;
        int skip;
        int firstPage, fullPages, lastPage; // labels on the first page, pages of 30, the last
    } cases[] = {{1, 3, 27, 7, 13}, {4, 0, 30, 32, 10}, {7, 29, 1, 58, 9}};
    for (const auto& c : cases) {
        options.Copies = c.copies;
        options.SetSkip(c.skip, metrics.LabelsPerPage);
        Print(options);
        std::vector<int> expected{c.firstPage};
        expected.insert(expected.end(), static_cast<std::size_t>(c.fullPages), 30);
        expected.push_back(c.lastPage);
        std::vector<int> perPage;
        for (std::size_t i = 0; i < target->labels.size(); ++i) {
            const auto& label = target->labels[i];
            perPage.resize(static_cast<std::size_t>(label.box.page) + 1);
            ++perPage.back();
            ASSERT_EQ(label.text, "R" + std::to_string(i / c.copies + 1)) << "label " << i;
        }
        EXPECT_EQ(perPage, expected) << c.copies << " copies";
        EXPECT_EQ(options.DataSummary(metrics.LabelsPerPage).toStdString(),
                  "250 records on " + std::to_string(expected.size()) + " pages");
    }
}

// Nothing is printed, not even a page begun, when a record cannot be carried whole (a
// character the symbology lacks, one beyond Latin-1, an empty text, a bad GS1 field, too much for
// the chosen size), or the file gave none.
TEST_F(MergeJobTest, ARecordTheSymbologyCannotCarryIsRefusedByItsLine) {
    using enum engine::SymbologyCode;
    const struct {
        int odd; // the record given `text`; 0: none
        const char* text;
        int records;
        const char* column;
        std::string message;
        engine::SymbologyCode code = Code128;
        const char* ecc = "";
        int size = 0;
    } cases[] = {
        {100, "R100é", 250, "",
         "list.csv, line 101: Code 128 cannot carry the text \"R100é\" whole"},
        {1, "€5", 250, "", "list.csv, line 2: Code 128 cannot carry the text \"€5\" whole"},
        {250, "\"\"", 250, "", "list.csv, line 251: Code 128 cannot carry the text \"\" whole"},
        {0, "", 250, "x", "list.csv: no column is named \"x\""},
        {0, "", 0, "", path.toStdString() + " has no records"},
        {1, "(01)09506000134353(17)270101", 9, "",
         "list.csv, line 2: AI (01) has the check digit 3 where 2 belongs", Gs1DataMatrix},
        {1, "(01)09506000134352(17)261331", 9, "",
         "list.csv, line 2: AI (17) holds 261331, which is no date (YYMMDD)", Gs1DataMatrix},
        {2, "12345678901234567890", 9, "", "list.csv, line 3: The text is too long for QR Code (1)",
         QrCode, "H", 1},
    };
    for (const auto& c : cases) {
        doc.SetSymbology(c.code);
        doc.SetEccLevel(c.ecc);
        doc.SetSymbolSize(c.size);
        WriteRecords(c.records, c.odd, c.text);
        print::PrintOptions refused = options;
        refused.Data.column = c.column;
        refused.ReadData({doc.Symbology(), doc.Options()});
        ExpectRefused(refused, c.message);
        EXPECT_TRUE(target->events.empty()) << c.message;
    }
    print::PrintOptions unchosen = options;
    unchosen.Data.path.clear();
    unchosen.ReadData({doc.Symbology(), doc.Options()});
    ExpectRefused(unchosen, print::kNoDataFile);
}

// The job reads the file again as it prints: a file that changed since it was checked fails
// the job, and nothing of it is kept.
// A record goes on its label as the symbology keeps text: UTF-8 for those that take any text.
TEST_F(MergeJobTest, RecordsKeepTheirTextAsTheSymbologyStoresIt) {
    const struct {
        engine::SymbologyCode code;
        const char* record;
        std::string label;
    } cases[] = {{engine::SymbologyCode::QrCode, "Grüße 東京", "Grüße 東京"},
                 {engine::SymbologyCode::Code128, "Nr. 7", "Nr. 7"}};
    for (const auto& c : cases) {
        doc.SetSymbology(c.code);
        WriteRecords(5, 2, c.record);
        options.ReadData({doc.Symbology(), doc.Options()});
        Print(options);
        ASSERT_GE(target->labels.size(), 5u);
        EXPECT_EQ(target->labels[1].text, c.label) << c.record;
    }
}

TEST_F(MergeJobTest, AFileChangedSinceItsCheckAbortsTheJob) {
    const struct {
        int records, odd;
        const char* text;
        const char* message;
    } cases[] = {
        {249, 0, "", "list.csv changed while it was read"},
        {250, 200, "é€", "list.csv, line 201: Code 128 cannot carry the text \"é€\" whole"},
    };
    for (const auto& c : cases) {
        WriteRecords(250);
        options.ReadData({doc.Symbology(), doc.Options()});
        WriteRecords(c.records, c.odd, c.text);
        ExpectRefused(options, c.message);
        EXPECT_EQ(target->events.back(), "abort") << c.message;
    }
}

} // namespace
