#pragma once
// Where the help commands lead: the help page beside the program, and the online-support
// address. Until the project has a public site, support is the help page's "Getting help"
// section; kOnlineSupportAddress is the one place to change that (an absolute address is used
// as it is, a relative one is resolved against the help page).

#include <QString>
#include <QUrl>

namespace app {

inline constexpr char kHelpPageName[] = "Help.html";
inline constexpr char kOnlineSupportAddress[] = "Help.html#getting-help";

// Help.html in `programFolder`, or in the installed layout's share/tallyrune beside it.
QUrl HelpPageUrl(const QString& programFolder);
QUrl OnlineSupportUrl(const QString& programFolder);

} // namespace app
