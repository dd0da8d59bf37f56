#pragma once
// The sequence settings dialog's boxes and what leaving each of them does. While the bounds are
// edited they stay consistent: the current number follows a moved bound silently, other
// conflicts are refused with a message and the box keeps its text. The preview shows the label
// text as typed; "&Ok" stores the boxes into the document's sequence.

#include "app/SequenceSettings.h"

#include <QString>

#include <optional>

namespace print {

inline constexpr int kSeqNumberDigits = 9; // eSeqCur, eSeqMin, eSeqMax
inline constexpr int kSeqMinSizeDigits = 1;
inline constexpr int kSeqAffixLength = 255; // ePrefix, eSuffix

struct SequenceBoxes {
    QString Prefix;
    QString Current;
    QString Minimum;
    QString Maximum;
    QString MinSize;
    QString Suffix;

    bool operator==(const SequenceBoxes&) const = default;
};

// The boxes of a sequence: numbers in plain decimal, prefix and suffix as kept (Latin-1).
SequenceBoxes SequenceBoxesOf(const app::SequenceSettings& sequence);

// pSeq: prefix + the current box's text as typed, padded with "0" to the minimum size, + suffix.
QString SequencePreview(const SequenceBoxes& boxes);

// Leaving a number box: empty boxes take their default, then the bounds are checked. The message
// to show is returned when the value is refused; the focus then goes back into the box.
std::optional<QString> LeaveSeqCurrent(SequenceBoxes& boxes);
std::optional<QString> LeaveSeqMin(SequenceBoxes& boxes);
std::optional<QString> LeaveSeqMax(SequenceBoxes& boxes);
void LeaveMinSize(SequenceBoxes& boxes);

// "&Ok": the four numbers and the two texts go into `sequence`; SeqUse is left alone.
void StoreSequence(const SequenceBoxes& boxes, app::SequenceSettings& sequence);

} // namespace print
