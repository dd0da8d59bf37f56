#pragma once
// The export dialog: one document's barcode written to a picture file at a chosen resolution
// and narrow bar width. It is created once, hidden between uses, so its choices stay from one
// export to the next. The rules are the export model's (export/ExportModel.h); this class moves
// values between the controls and the model.

#include "export/ExportModel.h"

#include <QDialog>

#include <memory>
#include <optional>

class QRadioButton;

namespace app {
class BarcodeDocument;
}
namespace Ui {
class TFSaveBarcode;
}

namespace ui {

class TFSaveBarcode : public QDialog {
    Q_OBJECT

  public:
    // `metrics` gives the screen's and the printer's resolution; it must outlive the dialog.
    TFSaveBarcode(QWidget* parent, const app::PrinterMetrics& metrics,
                  const exporting::ExportSettings& settings);
    ~TFSaveBarcode() override;

    // Takes the document's name with the format's extension and shows the dialog modally; gives
    // the path written, or nothing when the dialog was cancelled. A file that exists is replaced
    // only when the user says so; a failed export is reported and the dialog stays open.
    std::optional<QString> OpenExportDialog(const app::BarcodeDocument& document);
    const exporting::ExportSettings& Settings() const { return model_.Settings; }

  private:
    void AddFormatItems();
    void ShowSettings();
    void ShowMils();
    void ShowFileName();
    void ChooseDpiType(exporting::DpiKind kind);
    void Step(void (exporting::ExportModel::*step)());
    void BitBtn1Click();
    void SaveBtnClick();
    void Connect();

    std::unique_ptr<Ui::TFSaveBarcode> ui_;
    exporting::ExportModel model_;
    exporting::Exporter exporter_;
    std::optional<exporting::ExportDocument> document_;
    std::vector<QRadioButton*> formatItems_;
    std::optional<QString> written_;
};

} // namespace ui
