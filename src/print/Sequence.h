#pragma once
// A document's running numbers: labels can carry prefix + zero-padded number + suffix instead
// of the document's text, each label taking the next number.

#include <string>
#include <string_view>

namespace print {

// The document's sequence values, with a new document's initial values. Values read from a file
// are kept as they are: nothing here holds min ≤ current ≤ max.
struct SequenceSettings {
    bool SeqUse = false; // labels carry numbers instead of the text
    int SeqMin = 0;      // the number wraps back to this
    int SeqMax = 999999999;
    int SeqCurrent = 1; // the number the next label carries
    int SeqMinSize = 0; // minimum digit count, padded with leading "0"
    std::string SeqPrefix;
    std::string SeqSuffix;

    bool operator==(const SequenceSettings&) const = default;
};

// Padding stops at this many characters, so a corrupt minimum size cannot build a huge text.
inline constexpr int kMaxSequencePadding = 255;

// prefix + the decimal number with "0" put in front until it is minSize characters + suffix.
// A negative number's text is padded as it stands, in front of its sign (-5 at 4: "00-5").
std::string FormatSequenceText(int number, int minSize, std::string_view prefix,
                               std::string_view suffix);

// The next label's text from SeqCurrent; SeqCurrent then advances by one and wraps to SeqMin
// once past SeqMax, so SeqMax itself is printed.
std::string TakeSequenceNumber(SequenceSettings& sequence);

} // namespace print
