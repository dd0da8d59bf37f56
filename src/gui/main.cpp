// tallyrune: the designer's window program.

#include "app/AppState.h"
#include "ui/Application.h"
#include "ui/TFMain.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (!ui::HasDisplay()) {
        std::fputs("tallyrune: no display to show the designer on (DISPLAY and WAYLAND_DISPLAY are "
                   "not set); tallyrune-cli works without one\n",
                   stderr);
        return 1;
    }
    ui::Application application(argc, argv);
    app::AppState state;
    ui::TFMain window(state, QCoreApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
