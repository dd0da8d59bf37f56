#pragma once
// The system's printer setup: Qt's printer dialog on the selected printer, whose list offers
// "Print to File (PDF)" beside the printer queues. Whatever the user answers, the printer and
// screen metrics are read again and the current label sheet laid out.

class QWidget;

namespace app {
struct AppState;
}

namespace ui {

void RunPrinterSetup(QWidget* parent, app::AppState& state);

} // namespace ui
