#pragma once
// The two passes of a data merge over its bytes (MergeInput): the first reads every record,
// counts them and finds any the symbology cannot carry whole, before anything is printed or
// written; the second gives the texts to print. Neither holds more than one record at a time
// (beyond the few kept for a preview), so memory does not grow with the file.

#include "engine/Symbology.h"
#include "print/MergeData.h"
#include "print/MergeInput.h"

#include <optional>
#include <string>
#include <vector>

namespace print {

struct MergeScan {
    long long records = 0;
    std::vector<MergeRecord> first;        // the first records, as many as were asked for
    std::optional<std::string> notCarried; // the first record not carried whole (NotCarried)
};

// The first pass. Throws as MergeInput::Open and MergeReader::Next.
MergeScan ScanMergeData(MergeInput& input, const MergeSource& source, const MergeSymbol& symbol,
                        std::size_t keep);

// Throws platform::Failure for a scan without records (NoRecordsIn) or with a record not
// carried whole.
void RequirePrintable(const MergeScan& scan, const MergeSource& source);

struct MergeText {
    int line = 0;
    std::string text; // as a document keeps it (CarriedText)
};

// The second pass: the texts of the `count` records that the first found carried whole. A file
// that now ends sooner or holds a record not carried changed between the passes, and fails
// (NotCarried, or "<name> changed while it was read").
class MergeTexts {
  public:
    MergeTexts(MergeInput& input, const MergeSource& source, MergeSymbol symbol, long long count);
    // The next text; none after the count.
    std::optional<MergeText> Next();

  private:
    MergeSource source_;
    MergeReader reader_;
    MergeSymbol symbol_;
    long long left_;
};

} // namespace print
