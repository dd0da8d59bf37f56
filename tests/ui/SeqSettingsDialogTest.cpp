// The sequence settings dialog driven as a user does: the boxes' key filters and exit rules with
// their messages, the preview panel, "&Ok" storing and "&Cancel" storing nothing.

#include "DialogDriver.h"
#include "app/BarcodeDocument.h"
#include "ui/TFSeqSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>
#include <vector>

namespace app {
void PrintTo(const SequenceSettings& s, std::ostream* os) {
    *os << (s.SeqUse ? "use " : "") << s.SeqMin << ".." << s.SeqMax << " at " << s.SeqCurrent
        << " size " << s.SeqMinSize << " '" << s.SeqPrefix << "' '" << s.SeqSuffix << "'";
}
} // namespace app

namespace {

using dialog_testing::Child;
using dialog_testing::MessageCatcher;

struct Step {
    const char* box;
    std::optional<QString> typed; // none: only leave the box
};

const QString kBelowMax =
    QStringLiteral("You must enter a value less than the\n\rthe maximum sequence value 8.");

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    const char* closeWith; // "OkBtn" or "CancelBtn"
    app::SequenceSettings expected;
    QString preview;
    QStringList messages;
    const char* focus; // where the focus is after the steps: a refused box keeps it
};

app::SequenceSettings Start() {
    return {false, 0, 8, 5, 4, "A-", "/X"};
}

TEST(SeqSettingsDialog, BoxesFollowTheirRulesAndOnlyOkStores) {
    const Scenario scenarios[] = {
        {"minimum 10 pulls current 5 along; leaving it again reports the bounds",
         {{"eSeqMin", "10"}, {"eSeqMin", std::nullopt}},
         "OkBtn",
         {false, 10, 8, 10, 4, "A-", "/X"},
         "A-0010/X",
         {kBelowMax},
         "eSeqMin"},
        {"current outside the bounds is refused and keeps its text",
         {{"eSeqCur", "9"}},
         "OkBtn",
         {false, 0, 8, 9, 4, "A-", "/X"},
         "A-0009/X",
         {"You must enter a value less than or equal\n\rto the maximum sequence value 8."},
         "eSeqCur"},
        {"cleared boxes take their defaults, letters are filtered, typed zeros are previewed",
         {{"eSeqMin", "3"},
          {"eSeqCur", ""},
          {"eSeqMin", ""},
          {"eSeqMax", ""},
          {"eMinSize", "x2"},
          {"eSeqCur", "007"},
          {"ePrefix", "N"}},
         "OkBtn",
         {false, 0, 999999999, 7, 2, "N", "/X"},
         "N007/X",
         {},
         "eSuffix"},
        {"Cancel after edits stores nothing",
         {{"eSeqMin", "2"}, {"ePrefix", "Q"}, {"eSeqMax", "900"}},
         "CancelBtn",
         Start(),
         "Q0005/X",
         {},
         "ePrefix"},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        app::PrinterMetrics metrics;
        app::BarcodeDocument document(metrics, engine::Unit::Inch, app::LabelSheet{});
        document.SetSequence(Start());
        QString preview;
        QString focus;
        MessageCatcher messages;
        dialog_testing::WhenModal("TFSeqSettings", [&](QWidget& dialog) {
            // Each box is left by a click into a text box, which has no exit rule.
            for (const Step& step : s.steps) {
                const bool prefix = QString(step.box) == "ePrefix";
                dialog_testing::TypeAndClick(
                    *Child<QLineEdit>(dialog, step.box), step.typed,
                    *Child<QLineEdit>(dialog, prefix ? "eSuffix" : "ePrefix"));
            }
            preview = Child<QLabel>(dialog, "pSeq")->text();
            const QWidget* focused = dialog.focusWidget();
            focus = focused ? focused->objectName() : "<none>";
            Child<QPushButton>(dialog, s.closeWith)->click();
        });
        ui::TFSeqSettings dialog(nullptr);
        dialog.Open(document);
        EXPECT_EQ(document.Sequence(), s.expected);
        EXPECT_EQ(preview, s.preview);
        EXPECT_EQ(messages.Texts(), s.messages);
        EXPECT_EQ(focus, s.focus);
    }
}

// "&Ok" is the default button: Enter in any box accepts what the boxes hold.
TEST(SeqSettingsDialog, EnterAcceptsFromAnyBox) {
    const struct {
        const char* box;
        const char* typed;
        void (*expect)(app::SequenceSettings&);
    } cases[] = {
        {"ePrefix", "P", [](app::SequenceSettings& s) { s.SeqPrefix = "P"; }},
        {"eSeqCur", "6", [](app::SequenceSettings& s) { s.SeqCurrent = 6; }},
        {"eMinSize", "2", [](app::SequenceSettings& s) { s.SeqMinSize = 2; }},
    };
    for (const auto& c : cases) {
        app::PrinterMetrics metrics;
        app::BarcodeDocument document(metrics, engine::Unit::Inch, app::LabelSheet{});
        document.SetSequence(Start());
        dialog_testing::WhenModal("TFSeqSettings", [&](QWidget& dialog) {
            QLineEdit& box = *Child<QLineEdit>(dialog, c.box);
            box.setFocus();
            box.selectAll();
            QTest::keyClicks(&box, c.typed);
            QTest::keyClick(&box, Qt::Key_Return);
            if (dialog.isVisible()) static_cast<QDialog&>(dialog).reject(); // Enter did nothing
        });
        ui::TFSeqSettings dialog(nullptr);
        EXPECT_EQ(dialog.Open(document), QDialog::Accepted) << c.box;
        app::SequenceSettings expected = Start();
        c.expect(expected);
        EXPECT_EQ(document.Sequence(), expected) << c.box;
    }
}

TEST(SeqSettingsDialog, HasItsCaptionLimitsAndNoSystemButtons) {
    ui::TFSeqSettings dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Sequence Settings");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    const std::pair<const char*, int> limits[] = {{"ePrefix", 255}, {"eSeqCur", 9},
                                                  {"eSeqMin", 9},   {"eSeqMax", 9},
                                                  {"eMinSize", 1},  {"eSuffix", 255}};
    for (const auto& [name, length] : limits)
        EXPECT_EQ(Child<QLineEdit>(dialog, name)->maxLength(), length) << name;
}

} // namespace
