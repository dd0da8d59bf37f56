#pragma once
// The about box: the logo, the version and a short description, closed with "&Okay!".

#include <QDialog>

namespace ui {

class TFAbout : public QDialog {
    Q_OBJECT

  public:
    explicit TFAbout(QWidget* parent);
};

} // namespace ui
