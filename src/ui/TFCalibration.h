#pragma once
// "Printer Calibration": the selected printer's offset in the label sheet's unit, and the
// calibration page it is read from. The offset is kept in the settings as soon as it is
// accepted, so the command-line tool finds it too.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ui {

struct AppState;

class TFCalibration : public QDialog {
    Q_OBJECT

  public:
    TFCalibration(QWidget* parent, ui::AppState& state);

    void accept() override; // not with a box that holds no number

  private:
    void PrintCalibrationPageClick();
    QString PrinterName() const;

    ui::AppState& state_;
    QLineEdit* eOffsetX_;
    QLineEdit* eOffsetY_;
};

// Opens the dialog centred over `owner`.
void EditPrinterOffset(QWidget& owner, ui::AppState& state);

} // namespace ui
