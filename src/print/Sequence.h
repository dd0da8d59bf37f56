#pragma once
// Sequence texts: a document's running number formatted and advanced for each label.

#include "app/SequenceSettings.h"

#include <string>
#include <string_view>

namespace print {

// Padding stops at this many characters, so a corrupt minimum size cannot build a huge text.
inline constexpr int kMaxSequencePadding = 255;

// prefix + the decimal number with "0" put in front until it is minSize characters + suffix.
// A negative number's text is padded as it stands, in front of its sign (-5 at 4: "00-5").
std::string FormatSequenceText(int number, int minSize, std::string_view prefix,
                               std::string_view suffix);

// The next label's text from SeqCurrent; SeqCurrent then advances by one and wraps to SeqMin
// once past SeqMax, so SeqMax itself is printed.
std::string TakeSequenceNumber(app::SequenceSettings& sequence);

} // namespace print
