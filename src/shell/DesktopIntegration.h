#pragma once
// The .TLR association on a freedesktop desktop, for the current user only: the MIME type, the
// desktop entry and the icons under XDG_DATA_HOME, the default application in XDG_CONFIG_HOME's
// mimeapps.list, and the MIME and desktop databases refreshed by their tools when present.
// Files are written only when missing or different, as when they name another copy of the
// program; a start that finds everything in place reads a few small files and writes nothing.

#include <QString>
#include <QStringList>

namespace shell {

struct DesktopPlaces {
    QString dataHome;       // XDG_DATA_HOME (~/.local/share)
    QStringList systemData; // XDG_DATA_DIRS, where a package installs its copies
    QString configHome;     // XDG_CONFIG_HOME (~/.config)

    static DesktopPlaces Current(); // as Qt finds them in the environment
};

struct DesktopSync {
    QStringList written;   // files written, relative to their data or configuration folder
    QStringList refreshed; // the database tools run
};

// Ties application/x-tallyrune to the program file at `programPath`. When no desktop entry of
// the user's own is in the way and a packaged one starts this very program, the packaged files
// serve and only the default application is seen to. Never throws: what fails stays undone.
DesktopSync SyncDesktop(const QString& programPath, const DesktopPlaces& places);

} // namespace shell
