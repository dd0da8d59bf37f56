// The data merge reader: fields written as CSV writes them (quoted, quotes doubled, CRLF) read
// back as they were, on the lines they start on; and any bytes, as CSV or plain text with any
// column, give records on rising lines within the file (LF, CRLF and CR ending lines), or a
// failure with a message.

#include "FuzzCheck.h"
#include "platform/Errors.h"
#include "print/MergeData.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string_view>

namespace {

// The lines `text` starts: LF, CRLF and a CR alone each end one.
int LinesIn(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        lines +=
            text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    return lines;
}

// Rows of `columns` fields written as CSV, and the records column `column` should give.
void RoundTrip(FuzzedDataProvider& input) {
    const int columns = input.ConsumeIntegralInRange(1, 4);
    const int column = input.ConsumeIntegralInRange(1, columns);
    const int rows = input.ConsumeIntegralInRange(0, 8);
    QString csv;
    std::vector<print::MergeRecord> expected;
    for (int r = 0; r < rows; ++r) {
        const int line = LinesIn(csv.toStdString());
        for (int c = 1; c <= columns; ++c) {
            const QString field = QString::fromLatin1(input.ConsumeRandomLengthString(12));
            if (c == column) expected.push_back({field, line});
            csv += (c > 1 ? "," : "") + ('"' + QString(field).replace("\"", "\"\"") + '"');
        }
        csv += "\r\n";
    }
    const print::MergeSource source{"f.csv", std::to_string(column), false};
    FUZZ_CHECK(print::MergeRecordsOf(csv.toUtf8(), source) == expected);
}

void AnyBytes(FuzzedDataProvider& input) {
    const bool csv = input.ConsumeBool();
    const bool header = input.ConsumeBool();
    const std::string column = input.ConsumeRandomLengthString(4);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const int lines = LinesIn(bytes);
    try {
        const auto records = print::MergeRecordsOf(QByteArray::fromStdString(bytes),
                                                   {csv ? "f.csv" : "f.txt", column, header});
        int last = 0;
        for (const print::MergeRecord& record : records) {
            FUZZ_CHECK(record.line > last && record.line <= lines);
            last = record.line;
        }
    } catch (const platform::Failure& failure) {
        FUZZ_CHECK(std::string(failure.what()).rfind("f.", 0) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RoundTrip(input);
    AnyBytes(input);
    return 0;
}
