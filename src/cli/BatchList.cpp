#include "cli/BatchList.h"

#include "platform/Errors.h"

#include <fstream>
#include <iterator>

namespace cli {

std::vector<std::string> SplitBatchLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

std::vector<std::string> ReadBatchList(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::Failure("Unable to read " + path);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw platform::Failure("Unable to read " + path);
    return SplitBatchLines(bytes);
}

} // namespace cli
