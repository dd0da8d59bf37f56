#pragma once
// The user's default applications, in $XDG_CONFIG_HOME/mimeapps.list: a key file whose group
// [Default Applications] maps a MIME type to desktop entries ("type=first.desktop;other.desktop").

#include <QByteArray>
#include <QString>

namespace shell {

// The first desktop entry named for `mimeType`; empty when the type has none.
QString DefaultApplication(const QByteArray& list, const QString& mimeType);

// The list with `desktopId` as the default of `mimeType`, all else as it was.
QByteArray WithDefaultApplication(const QByteArray& list, const QString& mimeType,
                                  const QString& desktopId);

} // namespace shell
