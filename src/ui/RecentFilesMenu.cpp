#include "ui/RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace ui {

void FillRecentFilesMenu(QMenu& menu, const QStringList& paths,
                         const std::function<void(const QString&)>& open) {
    menu.clear();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        // A single "&" in a path would underline the next letter instead of showing.
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setData(path);
        QObject::connect(item, &QAction::triggered, &menu, [open, path] { open(path); });
    }
    menu.setEnabled(!paths.isEmpty());
}

} // namespace ui
