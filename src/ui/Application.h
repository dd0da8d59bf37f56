#pragma once
// The designer's application object: its one general failure handler shows the text of any
// failure that reaches the event loop in a message box, and the program goes on.

#include <QApplication>

namespace ui {

// The designer's artwork (compiled into the window library), registered once per process.
void LoadArtwork();

// Whether there is a screen to show windows on: an X or Wayland display, or a Qt platform
// chosen explicitly.
bool HasDisplay();

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace ui
