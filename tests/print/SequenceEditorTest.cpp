// The sequence settings boxes: the preview, what leaving each number box does to the boxes and
// which message it gives, and what "&Ok" stores.

#include "print/SequenceEditor.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using print::SequenceBoxes;

// Prefix, current, minimum, maximum, minimum size, suffix.
SequenceBoxes Boxes(const char* current, const char* minimum, const char* maximum,
                    const char* minSize = "0") {
    return {"A-", current, minimum, maximum, minSize, "/X"};
}

TEST(SequenceEditor, PreviewPadsTheCurrentBoxAsTyped) {
    const struct {
        SequenceBoxes boxes;
        const char* expected;
    } cases[] = {
        {Boxes("7", "0", "9", "4"), "A-0007/X"},  {Boxes("12345", "0", "99999", "4"), "A-12345/X"},
        {Boxes("007", "0", "9", "2"), "A-007/X"}, // typed zeros stay
        {Boxes("7", "0", "9", ""), "A-7/X"},      {Boxes("", "0", "9", "3"), "A-000/X"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(print::SequencePreview(c.boxes), c.expected) << c.boxes.Current.toStdString();
}

enum class Leave { Current, Min, Max, MinSize };

std::optional<QString> LeaveBox(Leave box, SequenceBoxes& boxes) {
    switch (box) {
    case Leave::Current:
        return print::LeaveSeqCurrent(boxes);
    case Leave::Min:
        return print::LeaveSeqMin(boxes);
    case Leave::Max:
        return print::LeaveSeqMax(boxes);
    case Leave::MinSize:
        print::LeaveMinSize(boxes);
        return std::nullopt;
    }
    return std::nullopt;
}

TEST(SequenceEditor, LeavingANumberBoxKeepsTheBoundsConsistent) {
    const char* none = "";
    const struct {
        SequenceBoxes before;
        Leave box;
        SequenceBoxes after;
        const char* message;
    } cases[] = {
        // a moved bound pulls the current number along without a message
        {Boxes("5", "10", "8"), Leave::Min, Boxes("10", "10", "8"), none},
        {Boxes("10", "10", "8"), Leave::Min, Boxes("10", "10", "8"),
         "You must enter a value less than the\n\rthe maximum sequence value 8."},
        {Boxes("50", "0", "20"), Leave::Max, Boxes("20", "0", "20"), none},
        {Boxes("5", "5", "5"), Leave::Max, Boxes("5", "5", "5"),
         "You must enter a value greater than the\n\rthe minimum sequeunce value 5."},
        {Boxes("3", "5", "9"), Leave::Current, Boxes("3", "5", "9"),
         "You must enter a value greater or equal to\n\rthe minimum sequence value 5."},
        {Boxes("12", "5", "9"), Leave::Current, Boxes("12", "5", "9"),
         "You must enter a value less than or equal\n\rto the maximum sequence value 9."},
        {Boxes("007", "5", "9"), Leave::Current, Boxes("007", "5", "9"), none},
        // empty boxes take their defaults
        {Boxes("", "4", "9"), Leave::Current, Boxes("4", "4", "9"), none},
        {Boxes("3", "", "9"), Leave::Min, Boxes("3", "0", "9"), none},
        {Boxes("3", "0", ""), Leave::Max, Boxes("3", "0", "999999999"), none},
        {Boxes("3", "0", "9", ""), Leave::MinSize, Boxes("3", "0", "9", "0"), none},
    };
    for (const auto& c : cases) {
        SequenceBoxes boxes = c.before;
        const std::optional<QString> message = LeaveBox(c.box, boxes);
        const auto where = ::testing::Message() << "box " << static_cast<int>(c.box) << " at "
                                                << c.before.Current.toStdString() << " in "
                                                << c.before.Minimum.toStdString() << ".."
                                                << c.before.Maximum.toStdString();
        EXPECT_EQ(boxes, c.after) << where;
        EXPECT_EQ(message.value_or(""), c.message) << where;
    }
}

TEST(SequenceEditor, OkStoresTheBoxesAsNumbersAndLatin1Texts) {
    app::SequenceSettings sequence;
    sequence.SeqUse = true;
    const SequenceBoxes shown = print::SequenceBoxesOf(sequence);
    EXPECT_EQ(shown, (SequenceBoxes{"", "1", "0", "999999999", "0", ""}));
    print::StoreSequence({QString::fromLatin1("N\xe9-"), "007", "3", "900", "5", "-Z"}, sequence);
    const app::SequenceSettings expected{true, 3, 900, 7, 5, "N\xe9-", "-Z"};
    EXPECT_EQ(sequence, expected);
    EXPECT_EQ(print::SequenceBoxesOf(sequence).Prefix, QString::fromLatin1("N\xe9-"));
}

} // namespace
