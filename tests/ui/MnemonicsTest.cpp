// Keyboard mnemonics: within one menu or one dialog, no two items share the letter after "&",
// so Alt+letter reaches one control. The only shared letters allowed are those between the
// program's long-standing texts, which users know as they are.

#include "MainWindowFixture.h"
#include "ui/AppState.h"
#include "ui/TFCalibration.h"
#include "ui/TFLabelSettings.h"
#include "ui/TFPrintIt.h"
#include "ui/TFSaveBarcode.h"
#include "ui/TFSeqSettings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <map>
#include <set>

namespace {

using namespace window_testing;

const std::set<QString> kLongStandingClashes{
    "&Exit|&Export Barcode Graphic", "&Barcode Scale DPI (Dots Per Inch)|&Browse",
    "&Cancel|&Custom", "&Save|&Screen DPI"};

QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// "first|second" (in alphabetical order) for each pair of texts that share a letter.
std::set<QString> Clashes(const QStringList& texts) {
    std::map<QChar, QString> owner;
    std::set<QString> clashes;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull()) continue;
        const auto [at, fresh] = owner.emplace(letter, text);
        if (!fresh)
            clashes.insert(std::min(at->second, text) + "|" + std::max(at->second, text));
    }
    return clashes;
}

QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (!action->isSeparator()) texts << action->text();
    return texts;
}

// Buttons, group boxes and labels with a buddy: what Alt+letter reaches in a dialog.
QStringList DialogTexts(const QWidget& dialog) {
    QStringList texts;
    for (const auto* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
    for (const auto* group : dialog.findChildren<QGroupBox*>()) texts << group->title();
    for (const auto* label : dialog.findChildren<QLabel*>())
        if (label->buddy()) texts << label->text();
    return texts;
}

TEST_F(MainWindowTest, EveryMenuReachesEachItemByItsOwnLetter) {
    Start();
    std::vector<std::pair<QString, QStringList>> menus;
    QStringList titles;
    for (const QAction* top : window->findChild<QMenuBar*>()->actions()) {
        titles << top->text();
        menus.push_back({top->text(), MenuTexts(*top->menu())});
    }
    menus.push_back({"menu titles", titles});
    for (const auto& [name, texts] : menus) {
        std::set<QString> clashes = Clashes(texts);
        for (const QString& allowed : kLongStandingClashes) clashes.erase(allowed);
        EXPECT_TRUE(clashes.empty()) << name.toStdString() << ": "
                                     << QStringList(clashes.begin(), clashes.end())
                                            .join(", ")
                                            .toStdString();
    }
}

TEST(Mnemonics, EveryDialogReachesEachControlByItsOwnLetter) {
    ui::AppState state;
    app::BarcodeDocument document(state.Metrics, engine::Unit::Inch, state.Settings.Labels);
    ui::TFPrintIt print(nullptr, state);
    ui::TFLabelSettings labels(nullptr, state);
    ui::TFSeqSettings sequence(nullptr);
    ui::TFSaveBarcode exporting(nullptr, state.Metrics, state.Export);
    ui::TFCalibration calibration(nullptr, state);
    const std::pair<const char*, const QWidget*> dialogs[] = {
        {"print", &print}, {"label settings", &labels}, {"sequence", &sequence},
        {"export", &exporting}, {"calibration", &calibration}};
    for (const auto& [name, dialog] : dialogs) {
        std::set<QString> clashes = Clashes(DialogTexts(*dialog));
        for (const QString& allowed : kLongStandingClashes) clashes.erase(allowed);
        EXPECT_TRUE(clashes.empty()) << name << ": "
                                     << QStringList(clashes.begin(), clashes.end())
                                            .join(", ")
                                            .toStdString();
    }
}

} // namespace
