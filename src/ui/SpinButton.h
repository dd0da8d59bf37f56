#pragma once
// A pair of small arrow buttons beside a number box, one above the other: the box's value one
// up or one down. The box and its limits belong to the owner.

#include <QWidget>

class QToolButton;

namespace ui {

class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  signals:
    void upClick();
    void downClick();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace ui
