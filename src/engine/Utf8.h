#pragma once
// Texts as the surfaces take them: UTF-8. The linear symbologies keep Latin-1 bytes, the ones
// that take any text keep UTF-8, and data files may hold either.

#include <string>
#include <string_view>

namespace engine {

// Latin-1 bytes as UTF-8; ASCII stays as it is.
std::string Latin1ToUtf8(std::string_view latin1);

// Any text as UTF-8: a byte that starts no UTF-8 sequence is read as Latin-1, as data files are.
std::string AsUtf8(std::string_view text);

} // namespace engine
