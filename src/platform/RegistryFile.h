#pragma once
// The text form of one registry root, as registry editors export it ("REGEDIT4"): a header
// line, then each key as "[ROOT\path]" followed by its values, one block per key.
//   "Left"=dword:00000032
//   "MarginTop"=hex:00,00,00,00,00,00,d0,3f
//   "Path"="C:\\Tallyrune\\"        (backslash and quote escaped; also \n, \r and \0)
//   @="Tallyrune document"          (the key's default value)
// Lines end in CR LF; long binary data goes on over lines that end in ",\".

#include "platform/Registry.h"

#include <QByteArray>
#include <QString>

namespace platform {

QByteArray FormatRegistryText(const QString& rootName, const RegistryNode& root);

// Adds to `root` what parses cleanly under `rootName`; anything else (other roots, garbled or
// unknown lines, a last line cut off before its line break) is passed over.
void ParseRegistryText(const QByteArray& text, const QString& rootName, RegistryNode& root);

} // namespace platform
