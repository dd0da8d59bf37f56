#pragma once
// The UTF-8 texts the engine hands its surfaces (engine/Surface.h) in the forms Qt and the
// metafile records take.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

namespace platform {

QString SurfaceString(std::string_view utf8);

// The text's characters as Latin-1 bytes into `latin1`; false when one of them lies beyond
// Latin-1, and `latin1` then holds the characters before it.
bool ToLatin1(std::string_view utf8, std::string& latin1);

// One Latin-1 byte per character, '?' for a character Latin-1 lacks.
QByteArray Latin1OrQuestionMarks(const QString& text);

} // namespace platform
