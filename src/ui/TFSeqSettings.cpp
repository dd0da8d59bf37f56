#include "ui/TFSeqSettings.h"

#include "app/BarcodeDocument.h"
#include "ui/DialogPlacement.h"
#include "ui/ExitWatcher.h"
#include "ui/KeyFilters.h"
#include "ui/MessageBoxes.h"
#include "ui/ScreenFit.h"
#include "ui_TFSeqSettings.h"

namespace ui {
namespace {

// The minimum size box refuses nothing.
std::optional<QString> MinSizeExit(print::SequenceBoxes& boxes) {
    print::LeaveMinSize(boxes);
    return std::nullopt;
}

} // namespace

void EditSequence(QWidget& owner, app::BarcodeDocument& document) {
    TFSeqSettings dialog(&owner);
    CentreOver(dialog, owner);
    dialog.Open(document);
}

TFSeqSettings::TFSeqSettings(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TFSeqSettings>()) {
    ui_->setupUi(this);
    FixDialogFrame(*this, false);
    for (QLineEdit* box : {ui_->eSeqCur, ui_->eSeqMin, ui_->eSeqMax})
        FilterDigits(*box, print::kSeqNumberDigits);
    FilterDigits(*ui_->eMinSize, print::kSeqMinSizeDigits);
    ui_->ePrefix->setMaxLength(print::kSeqAffixLength);
    ui_->eSuffix->setMaxLength(print::kSeqAffixLength);
    auto* exits = new ExitWatcher(this);
    exits->Watch(ui_->eSeqCur, [this] { return LeaveBox(print::LeaveSeqCurrent); });
    exits->Watch(ui_->eSeqMin, [this] { return LeaveBox(print::LeaveSeqMin); });
    exits->Watch(ui_->eSeqMax, [this] { return LeaveBox(print::LeaveSeqMax); });
    exits->Watch(ui_->eMinSize, [this] { return LeaveBox(MinSizeExit); });
    for (QLineEdit* box : {ui_->ePrefix, ui_->eSuffix})
        ConnectCommand(box, &QLineEdit::textChanged, this, &TFSeqSettings::UpdateSequencePreview);
    KeepWithinScreen(*this); // last: the body is complete
}

TFSeqSettings::~TFSeqSettings() = default;

int TFSeqSettings::Open(app::BarcodeDocument& document) {
    ShowBoxes(print::SequenceBoxesOf(document.Sequence()));
    UpdateSequencePreview();
    const int result = exec();
    if (result == QDialog::Accepted) {
        app::SequenceSettings sequence = document.Sequence();
        print::StoreSequence(Boxes(), sequence);
        document.SetSequence(sequence);
    }
    return result;
}

print::SequenceBoxes TFSeqSettings::Boxes() const {
    return {ui_->ePrefix->text(), ui_->eSeqCur->text(),  ui_->eSeqMin->text(),
            ui_->eSeqMax->text(), ui_->eMinSize->text(), ui_->eSuffix->text()};
}

void TFSeqSettings::ShowBoxes(const print::SequenceBoxes& boxes) {
    const std::pair<QLineEdit*, const QString*> fields[] = {
        {ui_->ePrefix, &boxes.Prefix},   {ui_->eSeqCur, &boxes.Current},
        {ui_->eSeqMin, &boxes.Minimum},  {ui_->eSeqMax, &boxes.Maximum},
        {ui_->eMinSize, &boxes.MinSize}, {ui_->eSuffix, &boxes.Suffix}};
    for (const auto& [box, text] : fields)
        if (box->text() != *text) box->setText(*text);
}

void TFSeqSettings::UpdateSequencePreview() {
    ui_->pSeq->setText(print::SequencePreview(Boxes()));
}

bool TFSeqSettings::LeaveBox(ExitRule rule) {
    print::SequenceBoxes boxes = Boxes();
    const std::optional<QString> message = rule(boxes);
    ShowBoxes(boxes);
    UpdateSequencePreview();
    if (message) ShowMessage(this, *message);
    return !message;
}

} // namespace ui
