#pragma once
// The text form of one registry root, as registry editors export it ("REGEDIT4"): a header
// line, then each key as "[ROOT\path]" followed by its values, one block per key.
//   "Left"=dword:00000032
//   "MarginTop"=hex:00,00,00,00,00,00,d0,3f
//   "Path"="C:\\Tallyrune\\"        (backslash and quote escaped; also \n, \r and \0)
//   @="Tallyrune document"          (the key's default value)
//   "Search"=hex(2):25,00,50,00,00,00   (a type this program does not read: kept as it is)
// Lines end in CR LF; long binary data goes on over lines that end in ",\". Lines written
// in UTF-8; a line read that is not UTF-8 is taken as Latin-1 (a registry editor's export).

#include "platform/Registry.h"

#include <QByteArray>
#include <QString>

namespace platform {

QByteArray FormatRegistryText(const QString& rootName, const RegistryNode& root);

// Adds to `root` what parses cleanly under `rootName`, and values of other types as their lines;
// anything else (other roots, garbled lines, a continuation that never ends) is passed over.
void ParseRegistryText(const QByteArray& text, const QString& rootName, RegistryNode& root);

} // namespace platform
