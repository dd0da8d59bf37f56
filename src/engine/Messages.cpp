#include "engine/Messages.h"

#include <algorithm>

namespace engine::message {
namespace {

// The number of a placeholder "%N" at `at`, or 0.
int PlaceholderAt(std::string_view text, std::size_t at) {
    if (at + 1 >= text.size() || text[at] != '%') return 0;
    const char digit = text[at + 1];
    return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

// Matches text[t..] against pattern[p..], filling `values` (by number) as it goes; a value is
// never empty, and the shortest one that lets the rest match wins.
bool MatchFrom(std::string_view pattern, std::size_t p, std::string_view text, std::size_t t,
               std::vector<std::string>& values) {
    if (p == pattern.size()) return t == text.size();
    if (const int number = PlaceholderAt(pattern, p)) {
        for (std::size_t end = t + 1; end <= text.size(); ++end) {
            values[static_cast<std::size_t>(number - 1)] = std::string(text.substr(t, end - t));
            if (MatchFrom(pattern, p + 2, text, end, values)) return true;
        }
        return false;
    }
    return t < text.size() && text[t] == pattern[p] &&
           MatchFrom(pattern, p + 1, text, t + 1, values);
}

int HighestPlaceholder(std::string_view pattern) {
    int highest = 0;
    for (std::size_t at = 0; at < pattern.size(); ++at)
        highest = std::max(highest, PlaceholderAt(pattern, at));
    return highest;
}

} // namespace

std::string Compose(std::string_view pattern, const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const int number = PlaceholderAt(pattern, at);
        if (number == 0 || static_cast<std::size_t>(number) > values.size()) {
            out += pattern[at];
            continue;
        }
        out += values[static_cast<std::size_t>(number - 1)];
        ++at;
    }
    return out;
}

std::optional<std::vector<std::string>> ValuesIn(std::string_view pattern, std::string_view text) {
    std::vector<std::string> values(static_cast<std::size_t>(HighestPlaceholder(pattern)));
    if (!MatchFrom(pattern, 0, text, 0, values)) return std::nullopt;
    return values;
}

} // namespace engine::message
