#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::NoIcon, text);
}

void ShowFailure(QWidget* parent, const std::exception& failure) {
    Show(parent, QMessageBox::Critical, QString::fromLocal8Bit(failure.what()));
}

bool RunShowingFailures(QWidget* parent, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        ShowFailure(parent, failure);
        return false;
    }
}

QWidget* FailureParent(QObject* receiver) {
    if (auto* widget = qobject_cast<QWidget*>(receiver)) return widget;
    return QApplication::activeWindow();
}

} // namespace ui
