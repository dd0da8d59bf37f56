#pragma once
// The main window's commands that open a dialog: each runs its dialog over `owner` for the
// document it is handed. The export dialog is created once, hidden, and reused by every export;
// destroying this object destroys it and saves the export choices.

#include <functional>
#include <memory>

class QString;
class QWidget;

namespace app {
class BarcodeDocument;
} // namespace app

namespace ui {

struct AppState;

class DialogCommands {
  public:
    DialogCommands(QWidget& owner, ui::AppState& state);
    ~DialogCommands();
    DialogCommands(const DialogCommands&) = delete;
    DialogCommands& operator=(const DialogCommands&) = delete;

    void Export(app::BarcodeDocument& document);
    void Print(app::BarcodeDocument& document);
    void PrintTestPage(app::BarcodeDocument& document);
    void PrintSetup();
    // The selected printer's offset and its calibration page.
    void PrinterCalibration();
    // With a document, its label sheet is edited (through the current sheet); without one,
    // the current sheet that new documents take.
    void LabelSettings(app::BarcodeDocument* document);
    void SequenceSettings(app::BarcodeDocument& document);

    // Where the commands report (the main window's status panel 1): "Preparing to Print" while
    // a print job or the test page runs, cleared afterwards, and the path an export wrote;
    // nothing is shown without it.
    void SetStatusPanel(std::function<void(const QString&)> show);

  private:
    struct Dialogs;
    QWidget& owner_;
    ui::AppState& state_;
    std::unique_ptr<Dialogs> dialogs_;
};

} // namespace ui
