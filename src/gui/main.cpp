// tallyrune: the designer's window program. One designer serves a user's display: a later
// "tallyrune FILE..." hands its files to it and ends, unless started with --new-instance.

#include "ui/AppState.h"
#include "app/DesignerArguments.h"
#include "shell/InstanceChannel.h"
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
    const app::DesignerArguments arguments =
        app::ParseDesignerArguments(QCoreApplication::arguments().mid(1));
    shell::InstanceChannel channel;
    const shell::StartMode mode =
        arguments.newInstance ? shell::StartMode::Separate : shell::StartMode::Shared;
    if (channel.Claim(mode, arguments.files) == shell::InstanceRole::HandedOver) return 0;

    ui::AppState state;
    ui::TFMain window(state, arguments.files);
    QObject::connect(&channel, &shell::InstanceChannel::handedOver, &window,
                     &ui::TFMain::OpenHandedOver);
    window.show();
    return QApplication::exec();
}
