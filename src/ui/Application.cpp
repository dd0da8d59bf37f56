#include "ui/Application.h"

#include "ui/MessageBoxes.h"

#include <QIcon>

static void InitArtworkResource() {
    Q_INIT_RESOURCE(tallyrune);
}

namespace ui {

void LoadArtwork() {
    static const bool loaded = (InitArtworkResource(), true);
    (void)loaded;
}

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    LoadArtwork();
    setApplicationName(QString::fromLatin1(kProgramTitle));
    setApplicationVersion(QStringLiteral("3.1"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyrune.svg")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ShowFailure(QApplication::activeWindow(), failure);
        return false;
    }
}

} // namespace ui
