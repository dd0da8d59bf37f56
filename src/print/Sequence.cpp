// Sequence numbering for printed labels.

#include "print/Sequence.h"

#include <algorithm>

namespace print {

std::string FormatSequenceText(int number, int minSize, std::string_view prefix,
                               std::string_view suffix) {
    const std::string digits = std::to_string(number);
    const int width = std::min(minSize, kMaxSequencePadding);
    const auto zeros =
        static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size())));
    std::string text;
    text.reserve(prefix.size() + zeros + digits.size() + suffix.size());
    text.append(prefix).append(zeros, '0').append(digits).append(suffix);
    return text;
}

// The advance runs in 64 bits: at the largest 32-bit number it wraps to SeqMin instead of
// overflowing into the negative numbers.
std::string TakeSequenceNumber(app::SequenceSettings& sequence) {
    std::string text = FormatSequenceText(sequence.SeqCurrent, sequence.SeqMinSize,
                                          sequence.SeqPrefix, sequence.SeqSuffix);
    const long long next = static_cast<long long>(sequence.SeqCurrent) + 1;
    sequence.SeqCurrent = next > sequence.SeqMax ? sequence.SeqMin : static_cast<int>(next);
    return text;
}

} // namespace print
