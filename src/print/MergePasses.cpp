#include "print/MergePasses.h"

#include "platform/Errors.h"

#include <QCoreApplication>

namespace print {

MergeScan ScanMergeData(MergeInput& input, const MergeSource& source, const MergeSymbol& symbol,
                        std::size_t keep) {
    MergeScan scan;
    MergeReader reader(input.Open(), source);
    while (std::optional<MergeRecord> record = reader.Next()) {
        ++scan.records;
        if (!scan.notCarried && !CarriedText(record->text, symbol))
            scan.notCarried = NotCarried(*record, symbol, source);
        if (scan.first.size() < keep) scan.first.push_back(std::move(*record));
    }
    return scan;
}

void RequirePrintable(const MergeScan& scan, const MergeSource& source) {
    if (scan.records == 0) throw platform::Failure(NoRecordsIn(source));
    if (scan.notCarried) throw platform::Failure(*scan.notCarried);
}

MergeTexts::MergeTexts(MergeInput& input, const MergeSource& source, MergeSymbol symbol,
                       long long count)
    : source_(source), reader_(input.Open(), source), symbol_(std::move(symbol)), left_(count) {}

std::optional<MergeText> MergeTexts::Next() {
    if (left_ <= 0) return std::nullopt;
    --left_;
    const std::optional<MergeRecord> record = reader_.Next();
    if (!record)
        throw platform::Failure(
            QCoreApplication::translate("MergePasses", "%1 changed while it was read")
                .arg(SourceName(source_)));
    std::optional<std::string> text = CarriedText(record->text, symbol_);
    if (!text) throw platform::Failure(NotCarried(*record, symbol_, source_));
    return MergeText{record->line, std::move(*text)};
}

} // namespace print
