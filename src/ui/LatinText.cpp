#include "ui/LatinText.h"

namespace ui {

std::string ToLatin1(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        if (c.unicode() <= 0xff) bytes.push_back(static_cast<char>(c.unicode()));
    return bytes;
}

} // namespace ui
