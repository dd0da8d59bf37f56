#pragma once
// A document's running numbers: labels can carry prefix + zero-padded number + suffix instead
// of the document's text, each label taking the next number.

#include <string>

namespace app {

// The document's sequence values, with a new document's initial values. Values read from a file
// are kept as they are: nothing here holds min ≤ current ≤ max.
struct SequenceSettings {
    bool SeqUse = false; // labels carry numbers instead of the text
    int SeqMin = 0;      // the number wraps back to this
    int SeqMax = 999999999;
    int SeqCurrent = 1; // the number the next label carries
    int SeqMinSize = 0; // minimum digit count, padded with leading "0"
    std::string SeqPrefix{};
    std::string SeqSuffix{};

    bool operator==(const SequenceSettings&) const = default;
};

} // namespace app
