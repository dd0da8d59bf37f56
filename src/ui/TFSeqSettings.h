#pragma once
// The sequence settings dialog: the document's running number (prefix, current, bounds, minimum
// size, suffix) with a preview of the label text. The rules of the boxes are the model's
// (print/SequenceEditor.h); this class moves texts between the boxes and the model.

#include "print/SequenceEditor.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace app {
class BarcodeDocument;
}
namespace Ui {
class TFSeqSettings;
}

namespace ui {

// Opens the dialog centred over `owner` for `document`.
void EditSequence(QWidget& owner, app::BarcodeDocument& document);

class TFSeqSettings : public QDialog {
    Q_OBJECT

  public:
    explicit TFSeqSettings(QWidget* parent);
    ~TFSeqSettings() override;

    // Fills the boxes from the document, shows the dialog modally and stores the boxes into the
    // document only when it closes with "&Ok".
    int Open(app::BarcodeDocument& document);

  private:
    using ExitRule = std::optional<QString> (*)(print::SequenceBoxes&);

    print::SequenceBoxes Boxes() const;
    void ShowBoxes(const print::SequenceBoxes& boxes);
    void UpdateSequencePreview();
    bool LeaveBox(ExitRule rule);

    std::unique_ptr<Ui::TFSeqSettings> ui_;
};

} // namespace ui
