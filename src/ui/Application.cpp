#include "ui/Application.h"

#include "ui/MessageBoxes.h"
#include "ui/Translations.h"

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
    LoadTranslations(*this);
    setApplicationName(QString::fromLatin1(kProgramTitle));
    setApplicationVersion(QStringLiteral("3.1"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyrune.svg")));
}

// Commands catch their own failures where they are connected (ConnectCommand); one that still
// arrives here has unwound through Qt's frames, after which Qt's state is undefined: it is
// logged and the program stops.
bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        qFatal("%s: uncaught failure: %s", kProgramTitle, failure.what());
    }
}

} // namespace ui
