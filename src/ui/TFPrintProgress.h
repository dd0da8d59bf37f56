#pragma once
// The print progress window: which printer, which page, and a cancel button. It stays on top
// and is not modal; Return (on its one button) and Escape cancel as in a dialog. The job lets
// the user interface run when it starts a page (SetPage); a click on "&Cancel" is noticed then,
// and the job stops after the label it is drawing.

#include "print/PrintTarget.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TFPrintProgress;
}

namespace ui {

class TFPrintProgress : public QWidget, public print::PrintProgress {
    Q_OBJECT

  public:
    // `owner` is the window the progress is centred over; it must outlive the progress window.
    explicit TFPrintProgress(QWidget& owner);
    ~TFPrintProgress() override;

    void SetPrinterName(const QString& name);

    void StartProgress(const std::string& printerName) override;
    void SetPage(int page) override;
    bool CancelRequested() const override { return cancelled_; }
    void Finish() override;

  protected:
    // Some window managers give every titled window a close box: while the job runs it cancels.
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::unique_ptr<Ui::TFPrintProgress> ui_;
    QWidget& owner_;
    bool cancelled_ = false;
    bool running_ = false;
};

} // namespace ui
