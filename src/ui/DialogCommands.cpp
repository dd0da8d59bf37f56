#include "ui/DialogCommands.h"

#include "app/AppState.h"
#include "app/BarcodeDocument.h"

#include <QWidget>

namespace ui {

// The dialogs that live longer than one command (the export dialog).
struct DialogCommands::Dialogs {};

DialogCommands::DialogCommands(QWidget& owner, app::AppState& state)
    : owner_(owner), state_(state), dialogs_(std::make_unique<Dialogs>()) {}

DialogCommands::~DialogCommands() = default;

void DialogCommands::Export(app::BarcodeDocument&) {}
void DialogCommands::Print(app::BarcodeDocument&) {}
void DialogCommands::PrintTestPage(app::BarcodeDocument&) {}
void DialogCommands::PrintSetup() {}
void DialogCommands::LabelSettings(app::BarcodeDocument*) {}
void DialogCommands::SequenceSettings(app::BarcodeDocument&) {}

} // namespace ui
