#pragma once
// Documents keep their texts as Latin-1 bytes; boxes show Unicode.

#include <QString>

#include <string>

namespace ui {

inline QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters beyond Latin-1 cannot be kept: they are dropped, not turned into "?".
std::string ToLatin1(const QString& text);

} // namespace ui
