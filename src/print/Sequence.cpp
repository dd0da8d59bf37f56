// Sequence numbering for printed labels.

#include "print/Sequence.h"

#include "engine/Barcode.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace print {
namespace {

// Numbers taken one after the other, first to last, without a wrap between them.
struct NumberSpan {
    long long first;
    long long last;
};

// Up to `takes` numbers from `first`: they run to SeqMax, or a first number above it is taken
// alone, before the sequence wraps.
NumberSpan SpanFrom(long long first, long long max, long long takes) {
    return {first, std::min(std::max(first, max), first + takes - 1)};
}

// A filter keeps or drops each character and cuts a text to a fixed length. Along a span the
// number's text changes its characters only where its sign goes (at 0) and grows only by a digit
// (at a power of ten), so the first text of a span that is not carried is its first one or lies
// at one of these points.
constexpr std::array<long long, 10> kTurningPoints{
    0, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

std::optional<std::string> FirstInSpan(const NumberSpan& span, const app::SequenceSettings& seq,
                                       engine::SymbologyCode symbology) {
    auto notCarried = [&](long long number) -> std::optional<std::string> {
        std::string text = FormatSequenceText(static_cast<int>(number), seq.SeqMinSize,
                                              seq.SeqPrefix, seq.SeqSuffix);
        if (CarriesWhole(symbology, text)) return std::nullopt;
        return text;
    };
    if (auto text = notCarried(span.first)) return text;
    for (long long point : kTurningPoints)
        if (point > span.first && point <= span.last)
            if (auto text = notCarried(point)) return text;
    return std::nullopt;
}

// How many numbers are taken before the first wrap: from SeqCurrent to SeqMax, or one when
// SeqCurrent already lies above it.
long long BeforeWrap(const app::SequenceSettings& sequence) {
    return std::max<long long>(1, static_cast<long long>(sequence.SeqMax) - sequence.SeqCurrent + 1);
}

long long RangeSize(const app::SequenceSettings& sequence) {
    return static_cast<long long>(sequence.SeqMax) - sequence.SeqMin + 1;
}

} // namespace

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

bool CarriesWhole(engine::SymbologyCode symbology, std::string_view text) {
    return engine::FilterBarcodeText(symbology, text).size() == text.size();
}

std::string SymbologyName(engine::SymbologyCode symbology) {
    const engine::SymbologyInfo* row = engine::FindSymbology(symbology);
    return row ? std::string(row->listItem)
               : QCoreApplication::translate("Sequence", "This barcode type").toStdString();
}

// Past the first span, every wrap starts again at SeqMin, so a second span covers the rest.
std::optional<std::string> FirstTextNotCarried(const app::SequenceSettings& sequence,
                                               long long takes, engine::SymbologyCode symbology) {
    if (takes <= 0) return std::nullopt;
    const NumberSpan first = SpanFrom(sequence.SeqCurrent, sequence.SeqMax, takes);
    if (auto text = FirstInSpan(first, sequence, symbology)) return text;
    const long long left = takes - (first.last - first.first + 1);
    if (left <= 0) return std::nullopt;
    return FirstInSpan(SpanFrom(sequence.SeqMin, sequence.SeqMax, left), sequence, symbology);
}

std::optional<std::string> SequenceRangeFault(const app::SequenceSettings& sequence) {
    const QString min = QString::number(sequence.SeqMin);
    const QString max = QString::number(sequence.SeqMax);
    if (sequence.SeqMin > sequence.SeqMax)
        return QCoreApplication::translate("Sequence",
                                           "the sequence's minimum %1 lies above its maximum %2")
            .arg(min, max)
            .toStdString();
    if (sequence.SeqCurrent < sequence.SeqMin || sequence.SeqCurrent > sequence.SeqMax)
        return QCoreApplication::translate(
                   "Sequence", "the sequence's current number %1 lies outside its range %2 to %3")
            .arg(QString::number(sequence.SeqCurrent), min, max)
            .toStdString();
    return std::nullopt;
}

int AdvancedSequence(const app::SequenceSettings& sequence, long long takes) {
    const long long beforeWrap = BeforeWrap(sequence);
    if (takes < beforeWrap) return static_cast<int>(sequence.SeqCurrent + takes);
    return static_cast<int>(sequence.SeqMin + (takes - beforeWrap) % RangeSize(sequence));
}

std::optional<std::string> SequenceWrapWarning(const app::SequenceSettings& sequence,
                                               long long takes) {
    const long long again = takes - BeforeWrap(sequence);
    if (again <= 0) return std::nullopt;
    const long long last = sequence.SeqMin + std::min(again, RangeSize(sequence)) - 1;
    return QCoreApplication::translate("Sequence", "the sequence passes %1 and starts again at %2: "
                                                   "numbers %2 to %3 print again")
        .arg(QString::number(sequence.SeqMax), QString::number(sequence.SeqMin),
             QString::number(last))
        .toStdString();
}

} // namespace print
