#pragma once
// Sequence texts: a document's running number formatted and advanced for each label.

#include "app/SequenceSettings.h"
#include "engine/Symbology.h"

#include <optional>
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

// True when the symbology's filter keeps every character of `text` (letters may change case, as
// Code 39 upper-cases them): its bars and its readable text then say what the text says.
bool CarriesWhole(engine::SymbologyCode symbology, std::string_view text);

// The symbology's list item text for messages ("Code 128"); "This barcode type" when unknown.
std::string SymbologyName(engine::SymbologyCode symbology);

// The first of the next `takes` texts of the sequence, in the order TakeSequenceNumber gives
// them (wraps included), that the symbology cannot carry whole; none when it carries them all.
// The sequence does not advance.
std::optional<std::string> FirstTextNotCarried(const app::SequenceSettings& sequence,
                                               long long takes, engine::SymbologyCode symbology);

// Why the sequence cannot be printed: a minimum above the maximum, or a current number outside
// them; none when it can.
std::optional<std::string> SequenceRangeFault(const app::SequenceSettings& sequence);

// SeqCurrent after `takes` numbers, as that many TakeSequenceNumber calls would leave it. The
// range must hold (no SequenceRangeFault).
int AdvancedSequence(const app::SequenceSettings& sequence, long long takes);

// When `takes` numbers from SeqCurrent pass SeqMax and start again at SeqMin, so that numbers
// repeat: "the sequence passes 999 and starts again at 1: numbers 1 to 5 print again"; none when
// it does not wrap. The range must hold.
std::optional<std::string> SequenceWrapWarning(const app::SequenceSettings& sequence,
                                               long long takes);

} // namespace print
