#include "ui/TFAbout.h"
#include "ui/MessageBoxes.h"

#include "ui/DialogPlacement.h"
#include "ui/ScreenFit.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

TFAbout::TFAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFAbout"));
    setWindowTitle(tr("About Tallyrune"));
    auto* logo = new QLabel;
    logo->setPixmap(QIcon(QStringLiteral(":/logo.svg")).pixmap(QSize(96, 96), devicePixelRatioF()));
    auto* title = new QLabel(QStringLiteral("<b style='font-size:14pt'>Tallyrune</b>"));
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral("3.1")));
    version->setObjectName(QStringLiteral("lVersion"));
    auto* description = new QLabel(
        tr("A barcode and label designer: eighteen linear symbologies drawn as you type, "
           "saved as .TLR documents, copied, exported as pictures and printed on sheets of "
           "labels with running numbers."));
    description->setWordWrap(true);
    description->setMinimumWidth(260);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addSpacing(6);
    texts->addWidget(description);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(logo, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox;
    QPushButton* okay = buttons->addButton(tr("&Okay!"), QDialogButtonBox::AcceptRole);
    okay->setObjectName(QStringLiteral("btOkay"));
    okay->setDefault(true);
    ConnectCommand(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(12);
    layout->addWidget(buttons);
    FixDialogFrame(*this);
    KeepWithinScreen(*this); // last: the body is complete
}

} // namespace ui
