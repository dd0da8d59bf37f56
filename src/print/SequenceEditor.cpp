#include "print/SequenceEditor.h"

#include "platform/NumberFormat.h"
#include "print/Sequence.h"

#include <QCoreApplication>

#include <algorithm>

namespace print {
namespace {

const QString kEmptyMinimum = QStringLiteral("0");
const QString kEmptyMaximum = QStringLiteral("999999999");

// A message naming a bound %1; its line break is a line feed, then a carriage return.
QString BoundMessage(const char* text, const QString& bound) {
    return QCoreApplication::translate("SequenceEditor", text).arg(bound);
}

// A box's number; the key filter lets only digits in, so an empty or foreign text counts as 0.
int ValueOf(const QString& box) {
    return static_cast<int>(platform::ParseInteger(box).value_or(0));
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace

SequenceBoxes SequenceBoxesOf(const app::SequenceSettings& sequence) {
    return {Latin1(sequence.SeqPrefix),           QString::number(sequence.SeqCurrent),
            QString::number(sequence.SeqMin),     QString::number(sequence.SeqMax),
            QString::number(sequence.SeqMinSize), Latin1(sequence.SeqSuffix)};
}

QString SequencePreview(const SequenceBoxes& boxes) {
    const int size = std::min(ValueOf(boxes.MinSize), kMaxSequencePadding);
    return boxes.Prefix + boxes.Current.rightJustified(size, QLatin1Char('0')) + boxes.Suffix;
}

std::optional<QString> LeaveSeqCurrent(SequenceBoxes& boxes) {
    if (boxes.Current.isEmpty()) boxes.Current = boxes.Minimum;
    const int current = ValueOf(boxes.Current);
    if (current < ValueOf(boxes.Minimum))
        return BoundMessage(QT_TRANSLATE_NOOP("SequenceEditor",
                                              "You must enter a value greater or equal to\n\r"
                                              "the minimum sequence value %1."),
                            boxes.Minimum);
    if (current > ValueOf(boxes.Maximum))
        return BoundMessage(QT_TRANSLATE_NOOP("SequenceEditor",
                                              "You must enter a value less than or equal\n\r"
                                              "to the maximum sequence value %1."),
                            boxes.Maximum);
    return std::nullopt;
}

// A moved bound that pulls the current number along is not compared with the other bound on
// that exit; the next exit with the current number inside reports the conflict.
std::optional<QString> LeaveSeqMin(SequenceBoxes& boxes) {
    if (boxes.Minimum.isEmpty()) boxes.Minimum = kEmptyMinimum;
    const int minimum = ValueOf(boxes.Minimum);
    if (minimum > ValueOf(boxes.Current)) {
        boxes.Current = boxes.Minimum;
        return std::nullopt;
    }
    if (minimum >= ValueOf(boxes.Maximum))
        return BoundMessage(QT_TRANSLATE_NOOP("SequenceEditor",
                                              "You must enter a value less than the\n\r"
                                              "the maximum sequence value %1."),
                            boxes.Maximum);
    return std::nullopt;
}

std::optional<QString> LeaveSeqMax(SequenceBoxes& boxes) {
    if (boxes.Maximum.isEmpty()) boxes.Maximum = kEmptyMaximum;
    const int maximum = ValueOf(boxes.Maximum);
    if (maximum < ValueOf(boxes.Current)) {
        boxes.Current = boxes.Maximum;
        return std::nullopt;
    }
    if (maximum <= ValueOf(boxes.Minimum))
        return BoundMessage(QT_TRANSLATE_NOOP("SequenceEditor",
                                              "You must enter a value greater than the\n\r"
                                              "the minimum sequeunce value %1."),
                            boxes.Minimum);
    return std::nullopt;
}

void LeaveMinSize(SequenceBoxes& boxes) {
    if (boxes.MinSize.isEmpty()) boxes.MinSize = kEmptyMinimum;
}

void StoreSequence(const SequenceBoxes& boxes, app::SequenceSettings& sequence) {
    sequence.SeqMin = ValueOf(boxes.Minimum);
    sequence.SeqMax = ValueOf(boxes.Maximum);
    sequence.SeqCurrent = ValueOf(boxes.Current);
    sequence.SeqMinSize = ValueOf(boxes.MinSize);
    sequence.SeqPrefix = Latin1(boxes.Prefix);
    sequence.SeqSuffix = Latin1(boxes.Suffix);
}

} // namespace print
