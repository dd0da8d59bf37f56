#pragma once
// The File menu's "Recent Files" submenu, filled from the recent documents' list.

#include <QStringList>

#include <functional>

class QMenu;

namespace ui {

// One item per path, "&1 path" and on; choosing one calls `open` with its path. The submenu is
// disabled while the list is empty.
void FillRecentFilesMenu(QMenu& menu, const QStringList& paths,
                         const std::function<void(const QString&)>& open);

} // namespace ui
