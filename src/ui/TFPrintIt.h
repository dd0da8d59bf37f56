#pragma once
// The print dialog: one document printed alone on a page or on a sheet of labels, for a number
// of pages or labels, from a chosen start label, with its text or its running numbers. The
// choices and their rules are the print options model's (print/PrintOptions.h); this class moves
// them between the controls and the model and runs the print job, the printer and label sheet
// setups, the sequence settings, the data file and its column, and a print preview of the very job
// "&Ok" would print.

#include "print/PrintOptions.h"

#include <QDialog>

#include <array>
#include <memory>
#include <utility>

class QLineEdit;
class QPrinter;
class QRadioButton;

namespace app {
class BarcodeDocument;
} // namespace app
namespace Ui {
class TFPrintIt;
}

namespace ui {

struct AppState;

class TFPrintIt : public QDialog {
    Q_OBJECT

  public:
    TFPrintIt(QWidget* parent, ui::AppState& state);
    ~TFPrintIt() override;

    // LoadOptions for the document, then the dialog, modally.
    int Open(app::BarcodeDocument& document);
    // The printer test page on the selected printer; the dialog is not shown.
    void PrintTestPage();
    // The PDF file the last job wrote; empty when it printed on a printer or wrote nothing.
    const QString& WrittenFile() const { return writtenFile_; }

  public slots:
    void reject() override; // not while a job runs

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowOptions();
    void ReadOptions();
    void UpdateCounts();
    void UpdateEnabling();
    void SetSkip(int skip);
    void PlaceSkipLabels();
    void SheetChanged();
    void SetWidthChoice(print::BarWidthChoice choice);
    // Each width button with the choice it stands for.
    std::array<std::pair<QRadioButton*, print::BarWidthChoice>, 4> WidthButtons() const;
    void ShowWidthWarning();
    bool CatchUpWithFile();
    bool LeaveCountBox(QLineEdit* box);
    void Spin(void (print::PrintOptions::*step)());
    void eTextChange(const QString& text);
    void BitBtn1Click();
    void sbLabelSettingsClick();
    void sbSeqSettingsClick();
    void sbDataFileClick();
    void DataChanged();
    void ShowData();
    void BitBtn2Click();
    void PreviewClick();
    void PaintRequested(QPrinter* printer);
    bool PrintOn(QPrinter& printer); // false when the user cancelled before the job
    void NoteWritten(const QPrinter& printer, bool cancelled);
    void PreviewOn(QPrinter& printer);
    class PrintingWhile; // SetPrinting(true) for its lifetime
    void SetPrinting(bool printing);
    void Connect();

    ui::AppState& state_;
    app::BarcodeDocument* document_ = nullptr;
    print::PrintOptions options_;
    std::unique_ptr<Ui::TFPrintIt> ui_;
    bool printing_ = false;
    QString writtenFile_;
    bool settingText_ = false; // eText is being set back to the document's text
};

} // namespace ui
