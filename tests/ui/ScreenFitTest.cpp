// Every dialog fits a 1280 x 800 screen as it is, and keeps its buttons in reach on 1280 x 1024
// at twice the scale (640 x 512 logical pixels): its body scrolls instead.

#include "ui/AppState.h"
#include "app/BarcodeDocument.h"
#include "ui/ScreenFit.h"
#include "ui/TFAbout.h"
#include "ui/TFCalibration.h"
#include "ui/TFLabelSettings.h"
#include "ui/TFPrintIt.h"
#include "ui/TFSaveBarcode.h"
#include "ui/TFSeqSettings.h"

#include <QAbstractButton>
#include <QLayout>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The room a screen leaves a dialog, less its window frame.
const QSize kFrame{16, 48};

using MakeDialog = std::function<std::unique_ptr<QDialog>(ui::AppState&)>;

TEST(ScreenFit, EveryDialogKeepsItsButtonsOnTheScreen) {
    const std::pair<const char*, MakeDialog> dialogs[] = {
        {"print", [](ui::AppState& s) { return std::make_unique<ui::TFPrintIt>(nullptr, s); }},
        {"label settings",
         [](ui::AppState& s) { return std::make_unique<ui::TFLabelSettings>(nullptr, s); }},
        {"sequence", [](ui::AppState&) { return std::make_unique<ui::TFSeqSettings>(nullptr); }},
        {"export",
         [](ui::AppState& s) {
             return std::make_unique<ui::TFSaveBarcode>(nullptr, s.Metrics, s.Export);
         }},
        {"calibration",
         [](ui::AppState& s) { return std::make_unique<ui::TFCalibration>(nullptr, s); }},
        {"about", [](ui::AppState&) { return std::make_unique<ui::TFAbout>(nullptr); }},
    };
    const QSize screens[] = {QSize(1280, 800), QSize(640, 512)};
    for (const auto& [name, make] : dialogs)
        for (const QSize screen : screens) {
            ui::AppState state;
            const std::unique_ptr<QDialog> dialog = make(state);
            const QSize room = screen - kFrame;
            ui::KeepWithin(*dialog, room);
            dialog->show();
            const std::string what = std::string(name) + " on " +
                                     std::to_string(screen.width()) + "x" +
                                     std::to_string(screen.height());
            EXPECT_LE(dialog->width(), room.width()) << what;
            EXPECT_LE(dialog->height(), room.height()) << what;
            if (screen.width() >= 1280) {
                EXPECT_EQ(dialog->findChild<QScrollArea*>("BodyScrollArea"), nullptr)
                    << what << ": it fits as it is";
            }
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                if (!button->isVisibleTo(dialog.get())) continue;
                const auto* scroll = dialog->findChild<QScrollArea*>("BodyScrollArea");
                if (scroll && scroll->isAncestorOf(button)) continue; // reached by scrolling
                const QRect at(button->mapTo(dialog.get(), QPoint(0, 0)), button->size());
                EXPECT_TRUE(dialog->rect().contains(at))
                    << what << ": " << button->text().toStdString() << " out of reach";
            }
        }
}

} // namespace
