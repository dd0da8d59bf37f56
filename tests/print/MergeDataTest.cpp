// A data merge: the texts of plain text and CSV files with their lines, and the print job that
// takes them in order, each on its copies, or refuses the file before printing anything.

#include "print/MergeData.h"

#include "RecordingPrintTarget.h"
#include "app/BarcodeDocument.h"
#include "platform/Errors.h"
#include "print/PrintJob.h"

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
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const print::MergeSource source{QString("/data/") + c.file, c.column, c.header};
        if (*c.failure) {
            try {
                print::MergeRecordsOf(c.bytes, source);
                ADD_FAILURE() << "no failure";
            } catch (const platform::Failure& failure) {
                EXPECT_NE(std::string(failure.what()).find(c.failure), std::string::npos)
                    << failure.what();
            }
            continue;
        }
        EXPECT_EQ(print::MergeRecordsOf(c.bytes, source), c.records);
    }
    EXPECT_THROW(print::ReadMergeFile({"/nonexistent/a.csv", "", false}), platform::Failure);
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
        options.Data.path = "/data/list.csv";
        for (int i = 1; i <= 250; ++i)
            options.Records.push_back({QString("R%1").arg(i), i + 1});
    }
    void Print() {
        target.emplace();
        testing_support::RecordingProgress progress;
        print::RunPrintJob(*target, progress, options, doc, kThirty, metrics);
    }

    const app::LabelSheet kThirty{1.0, 2.625, 0.5, 0.1875, 0.0, 0.125, false}; // 10 rows of 3
    app::PrinterMetrics metrics;
    app::BarcodeDocument doc{metrics, false, kThirty};
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
        Print();
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
// character the symbology lacks, one beyond Latin-1, an empty text), or the file gave none.
TEST_F(MergeJobTest, ARecordTheSymbologyCannotCarryIsRefusedByItsLine) {
    const struct {
        int index;
        const char* text;
        const char* message;
    } cases[] = {
        {99, "R100é", "list.csv, line 101: Code 128 cannot carry the text \"R100é\" whole"},
        {0, "€5", "list.csv, line 2: Code 128 cannot carry the text \"€5\" whole"},
        {249, "", "list.csv, line 251: Code 128 cannot carry the text \"\" whole"},
        {-1, "", "list.csv: no column is named \"x\""},
        {-2, "", print::kNoDataFile},
    };
    for (const auto& c : cases) {
        print::PrintOptions refused = options;
        if (c.index >= 0)
            refused.Records[static_cast<std::size_t>(c.index)].text = QString::fromUtf8(c.text);
        if (c.index < 0) refused.Records.clear();
        if (c.index == -1) refused.DataFailure = "list.csv: no column is named \"x\"";
        if (c.index == -2) refused.Data.path.clear();
        target.emplace();
        testing_support::RecordingProgress progress;
        try {
            print::RunPrintJob(*target, progress, refused, doc, kThirty, metrics);
            ADD_FAILURE() << c.message;
        } catch (const platform::Failure& failure) {
            EXPECT_EQ(std::string(failure.what()), c.message);
        }
        EXPECT_TRUE(target->events.empty()) << c.message;
    }
}

} // namespace
