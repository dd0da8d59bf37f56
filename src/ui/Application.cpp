#include "ui/Application.h"

#include <QIcon>
#include <QMessageBox>

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

void ShowFailure(QWidget* parent, const std::exception& failure) {
    QMessageBox::critical(parent ? parent : QApplication::activeWindow(),
                          QStringLiteral("Tallyrune"), QString::fromUtf8(failure.what()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    LoadArtwork();
    setApplicationName(QStringLiteral("Tallyrune"));
    setApplicationVersion(QStringLiteral("3.1"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyrune.svg")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        ShowFailure(nullptr, failure);
        return false;
    }
}

} // namespace ui
