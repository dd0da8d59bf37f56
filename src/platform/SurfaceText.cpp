#include "platform/SurfaceText.h"

namespace platform {

QString SurfaceString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool ToLatin1(std::string_view utf8, std::string& latin1) {
    latin1.clear();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            latin1 += static_cast<char>(c);
            continue;
        }
        // U+0080 to U+00FF are the two-byte sequences that start with C2 or C3.
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if ((c != 0xC2 && c != 0xC3) || (next & 0xC0) != 0x80) return false;
        latin1 += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    return true;
}

QByteArray Latin1OrQuestionMarks(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    return bytes;
}

} // namespace platform
