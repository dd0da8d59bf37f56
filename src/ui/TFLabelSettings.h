#pragma once
// The label settings dialog: the current label sheet (AppState's Settings.Labels) in its own
// unit, how many rows and columns fit on the printer's paper, the printer's nonprintable
// margins, and import and export of label format files. The rules of the boxes are the model's
// (print/LabelSheetEditor.h); the sheet changes only on "&Ok" or an import. A maker's sheet
// chosen from the built-in catalogue, or from gLabels template files the user imports, fills
// the boxes and the unit.

#include "print/LabelSheetEditor.h"
#include "print/LabelTemplate.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QLineEdit;

namespace app {
class BarcodeDocument;
} // namespace app
namespace Ui {
class TFLabelSettings;
}

namespace ui {

struct AppState;

// Opens the dialog centred over `owner` for `document`'s sheet, copied into the current one
// first; without a document, for the sheet that new documents take. Afterwards, whatever the
// answer, the current sheet goes back into the document and is laid out.
void EditLabelSheet(QWidget& owner, ui::AppState& state, app::BarcodeDocument* document);

class TFLabelSettings : public QDialog {
    Q_OBJECT

  public:
    TFLabelSettings(QWidget* parent, ui::AppState& state);
    ~TFLabelSettings() override;

  protected:
    void showEvent(QShowEvent* event) override; // FormShow: the sheet and the read-outs
    bool eventFilter(QObject* watched, QEvent* event) override; // Return in the search box

  private:
    QLineEdit* Box(print::LabelBox box) const;
    engine::Unit CheckedUnit() const; // the unit the radio buttons select
    print::LabelBoxes Boxes() const;
    void ShowBoxes(const print::LabelBoxes& boxes);
    void ShowSheet();
    void UpdateReadouts();
    QString TemplateNote() const;
    void CommitSheet();
    bool LeaveBox(print::LabelBox box);
    void UnitClick(engine::Unit unit);
    void RollClick(bool roll);
    void LoadBtnClick();
    void SaveBtnClick();
    void ShowTemplates();
    void FitTemplateList();
    void TemplateChosen(int row);
    void OfferTemplates(const std::vector<print::LabelTemplate>& imported);
    void TemplateImportBtnClick();

    ui::AppState& state_;
    std::unique_ptr<Ui::TFLabelSettings> ui_;
    engine::Unit boxesUnit_ = engine::Unit::Inch; // the unit the boxes' values are in
    std::vector<print::LabelTemplate> templates_; // imported ones first, then the catalogue
    std::vector<print::LabelTemplate> shown_;     // those the search matches, as listed
    std::optional<print::LabelTemplate> chosen_;  // the last sheet chosen from the list
};

} // namespace ui
