// The document's undo history: every kind of change undone and redone, typing merged into one
// step per pause, and the modified mark following the saved state.

#include "app/BarcodeDocument.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

namespace {

using D = app::BarcodeDocument;

class DocumentHistoryTest : public ::testing::Test {
  protected:
    // Filled as NewDocument fills one: nothing to undo, nothing modified; its clock is `now`.
    D& Fresh() {
        doc = std::make_unique<D>(metrics, engine::Unit::Inch, app::LabelSheet{});
        {
            const app::OutsideHistory filling(*doc);
            doc->SetScale(2);
            doc->SetBarHeight(0.5);
            doc->SetBarcodeText("AB12");
        }
        doc->ClearModified();
        doc->SetClock([this] { return now; });
        return *doc;
    }
    // What undo must bring back: every filed value, the font and the picture.
    auto State() const {
        return std::tuple(doc->Record(), doc->BarcodeFont(), doc->DocumentBitmap());
    }

    app::PrinterMetrics metrics; // 96 dots per inch on the screen
    std::unique_ptr<D> doc;
    std::chrono::steady_clock::time_point now;
};

app::SequenceSettings Numbered(app::SequenceSettings sequence) {
    sequence.SeqUse = true;
    ++sequence.SeqCurrent;
    return sequence;
}

struct ChangeRow {
    const char* what;
    std::function<void(D&)> change;
    bool filed; // the file keeps it: the change marks the document modified
};

TEST_F(DocumentHistoryTest, EachChangeIsOneStepUndoneAndRedone) {
    const ChangeRow rows[] = {
        {"text", [](D& d) { d.SetBarcodeText("XY"); }, true},
        {"symbology, dropping letters", [](D& d) { d.SetSymbology(engine::SymbologyCode::Ean13); },
         true},
        {"bar height", [](D& d) { d.SetBarHeight(1.25); }, true},
        {"height dragged", [](D& d) { d.ResizeClient(QSize(40, 300)); }, true},
        {"scale", [](D& d) { d.SetScale(3); }, true},
        {"readable text", [](D& d) { d.SetInterpret(!d.Interpret()); }, true},
        {"rotation", [](D& d) { d.SetRotation(1); }, true},
        {"unit, height converted",
         [](D& d) {
             const app::HistoryStep step(d, "Units");
             d.SetBarUnit(engine::Unit::Centimetre);
             d.SetBarHeight(1.27);
         },
         true},
        {"error correction", [](D& d) { d.SetEccLevel("H"); }, true},
        {"symbol size", [](D& d) { d.SetSymbolSize(4); }, true},
        {"auto size", [](D& d) { d.SetAutoSize(false); }, true},
        {"bar width", [](D& d) { d.SetBarWidth(13.0); }, true},
        {"sequence", [](D& d) { d.SetSequence(Numbered(d.Sequence())); }, true},
        {"label sheet", [](D& d) { d.SetLabels(app::RollSheet(2, 1, engine::Unit::Inch)); }, true},
        {"font", [](D& d) { d.SetBarcodeFont(QFont("Arial", 8)); }, false},
    };
    for (const ChangeRow& row : rows) {
        SCOPED_TRACE(row.what);
        const auto before = (Fresh(), State());
        row.change(*doc);
        const auto after = State();
        ASSERT_NE(after, before);
        EXPECT_EQ(doc->History().count(), 1);
        EXPECT_EQ(doc->Modified(), row.filed);
        doc->History().undo();
        EXPECT_EQ(State(), before);
        EXPECT_FALSE(doc->Modified());
        doc->History().redo();
        EXPECT_EQ(State(), after);
        EXPECT_EQ(doc->Modified(), row.filed);
    }
}

// Keys typed 200 ms apart onto "AB12" (x, y, z; b takes one back), P a pause, L the box left,
// S saved, U undo, R redo, V a print preview taking a number and giving it back (outside the
// history).
struct ScriptRow {
    const char* script;
    const char* text; // after it
    int steps;
    bool modified;
};

TEST_F(DocumentHistoryTest, TypingMergesUntilAPauseAndTheMarkFollowsTheSavedState) {
    const ScriptRow rows[] = {
        {"xyz", "AB12xyz", 1, true}, {"xyzU", "AB12", 1, false},    {"xyPzU", "AB12xy", 2, true},
        {"xLyU", "AB12x", 2, true},  {"xb", "AB12", 0, false},      {"xSyU", "AB12x", 2, false},
        {"xSyUU", "AB12", 2, true},  {"xSyUUR", "AB12x", 2, false}, {"xSyUR", "AB12xy", 2, true},
        {"xSyUV", "AB12x", 2, true}, {"xURy", "AB12xy", 2, true},
    };
    QTemporaryDir folder;
    for (const ScriptRow& row : rows) {
        SCOPED_TRACE(row.script);
        Fresh();
        bool shown = false; // the window's mark, told of every change and of nothing else
        QObject::connect(doc.get(), &D::modifiedChanged, [&](bool modified) {
            EXPECT_NE(modified, shown);
            shown = modified;
        });
        for (const char* act = row.script; *act; ++act) {
            const std::string text = doc->BarcodeText();
            now += *act == 'P' ? app::kEditPause : std::chrono::milliseconds(200);
            if (std::islower(*act))
                doc->SetBarcodeText(*act == 'b' ? text.substr(0, text.size() - 1) : text + *act);
            if (*act == 'L') doc->EndEdit();
            if (*act == 'S') doc->SaveToFile(folder.filePath("saved.tlr"), '.');
            if (*act == 'U') doc->History().undo();
            if (*act == 'R') doc->History().redo();
            if (*act != 'V') continue;
            const app::OutsideHistory preview(*doc);
            const app::SequenceSettings kept = doc->Sequence();
            doc->SetSequence(Numbered(kept));
            doc->SetSequence(kept);
        }
        EXPECT_EQ(doc->BarcodeText(), row.text);
        EXPECT_EQ(doc->History().count(), row.steps);
        EXPECT_EQ(doc->Modified(), row.modified);
        EXPECT_EQ(shown, row.modified);
    }
}

} // namespace
