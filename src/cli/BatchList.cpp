#include "cli/BatchList.h"

#include "platform/Errors.h"

#include <sstream>

namespace cli {

std::optional<BatchLine> BatchLines::Next() {
    std::string text;
    if (!std::getline(in_, text)) return std::nullopt;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return BatchLine{++number_, std::move(text)};
}

std::optional<BatchLine> BatchLines::NextText() {
    while (auto line = Next())
        if (!line->text.empty()) return line;
    return std::nullopt;
}

std::vector<std::string> SplitBatchLines(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    BatchLines lines(in);
    std::vector<std::string> texts;
    while (auto line = lines.Next())
        texts.push_back(std::move(line->text));
    return texts;
}

std::ifstream OpenBatchList(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Failure("Unable to read " + path);
    return in;
}

std::uint64_t CountBatchTexts(const std::string& path) {
    std::ifstream in = OpenBatchList(path);
    BatchLines lines(in);
    std::uint64_t count = 0;
    while (lines.NextText())
        ++count;
    return count;
}

} // namespace cli
