#pragma once
// Number boxes check their value when the focus leaves them for another control of the same
// window. A handler that refuses the value has shown why and returns false; the focus then goes
// back into the box. Leaving for another window (a message box, a menu) is no exit.

#include <QObject>

#include <functional>
#include <map>

class QLineEdit;

namespace ui {

class ExitWatcher : public QObject {
  public:
    using Handler = std::function<bool()>; // false: refused, the focus goes back

    explicit ExitWatcher(QObject* parent) : QObject(parent) {}
    void Watch(QLineEdit* box, Handler onExit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<QObject*, Handler> handlers_;
    bool returning_ = false; // the focus is being put back: the box it leaves is not left
};

} // namespace ui
