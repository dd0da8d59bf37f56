#include "engine/Utf8.h"

namespace engine {
namespace {

void AppendLatin1(std::string& utf8, unsigned char c) {
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
        return;
    }
    utf8 += static_cast<char>(0xC0 | (c >> 6));
    utf8 += static_cast<char>(0x80 | (c & 0x3F));
}

// The length of the UTF-8 sequence starting at `at`; 0 when the bytes there are no UTF-8.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = c < 0x80                ? 1
                               : c >= 0xC2 && c < 0xE0 ? 2
                               : c >= 0xE0 && c < 0xF0 ? 3
                               : c >= 0xF0 && c < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    return length;
}

} // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1)
        AppendLatin1(utf8, static_cast<unsigned char>(c));
    return utf8;
}

std::string AsUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = Utf8Length(text, at)) {
            out.append(text.substr(at, length));
            at += length;
            continue;
        }
        AppendLatin1(out, static_cast<unsigned char>(text[at++]));
    }
    return out;
}

} // namespace engine
