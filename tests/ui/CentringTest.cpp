// Where the dialogs open over the main window: each half truncated toward zero.

#include "ui/Centring.h"

#include <gtest/gtest.h>

namespace {

struct CentringCase {
    QRect owner;
    QSize dialog;
    QPoint centred; // export, label and sequence settings
    QPoint print;   // the print dialog
};

TEST(Centring, DialogsOpenCentredOverTheMainWindow) {
    const CentringCase cases[] = {
        {{50, 50, 482, 361}, {300, 200}, {141, 130}, {141, 130}},
        // Halves apart: 482 / 2 - 301 / 2 = 91, but (482 - 301) / 2 = 90.
        {{50, 50, 482, 361}, {301, 201}, {141, 130}, {140, 130}},
        // Larger than its owner: -201 / 2 truncates to -100, not -101.
        {{0, 0, 100, 100}, {301, 301}, {-100, -100}, {-100, -100}},
    };
    for (const CentringCase& c : cases) {
        EXPECT_EQ(ui::CentredOver(c.owner, c.dialog), c.centred);
        EXPECT_EQ(ui::PrintDialogPosition(c.owner, c.dialog), c.print);
    }
}

} // namespace
