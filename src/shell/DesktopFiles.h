#pragma once
// The files that tie .TLR documents to the program on a freedesktop desktop: the MIME type
// application/x-tallyrune (shared-mime-info), the desktop entry that opens it, and the
// application and document icons (hicolor theme). The packaged copies are installed as they
// are; a user's own copies name the program file that wrote them.

#include <QByteArray>
#include <QString>

#include <vector>

namespace shell {

inline constexpr char kMimeType[] = "application/x-tallyrune";
inline constexpr char kDesktopFileId[] = "tallyrune.desktop";
// Relative to a data folder (XDG_DATA_HOME or one of XDG_DATA_DIRS).
inline constexpr char kDesktopEntryPath[] = "applications/tallyrune.desktop";
inline constexpr char kMimePackagePath[] = "mime/packages/tallyrune.xml";
// What update-mime-database makes of the package; its absence asks for a refresh.
inline constexpr char kCompiledMimeTypePath[] = "mime/application/x-tallyrune.xml";

struct DesktopFile {
    QString path; // relative to the data folder
    QByteArray contents;
};

// The desktop entry, MIME package and icons for the program file at `programPath`, whose
// Exec and TryExec name that file.
std::vector<DesktopFile> UserDesktopFiles(const QString& programPath);

// The Exec value that runs `program` with the file to open: the path quoted and escaped as
// desktop entries require ("/opt/my apps/tallyrune" %f).
QString ExecLine(const QString& program);
// A desktop entry's string value as written, and as it reads (\s \n \t \r \\).
QString EscapeEntryValue(const QString& value);
QString UnescapeEntryValue(const QString& value);
// The value of `key` in the entry's [Desktop Entry] group, unescaped; empty when absent.
QString EntryValue(const QByteArray& entry, const QString& key);

} // namespace shell
