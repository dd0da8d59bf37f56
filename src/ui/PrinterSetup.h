#pragma once
// The system's printer setup: Qt's printer dialog on the selected printer, whose list offers
// "Print to File (PDF)" beside the printer queues. Whatever the user answers, the printer and
// screen metrics are read again and the current label sheet laid out.

class QPrinter;
class QWidget;

namespace ui {

struct AppState;

void RunPrinterSetup(QWidget* parent, ui::AppState& state);

// A printer that writes a PDF file asks for one when it has none named yet (no printer was ever
// set up), and asks before it replaces an existing one: "No" lets the user choose another name.
// False when the user cancels: nothing is to be printed then, and the dialog that asked stays.
bool EnsureOutputFile(QWidget* parent, QPrinter& printer);

} // namespace ui
