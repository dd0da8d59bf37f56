#pragma once
// The list an export --batch reads: one text per line, LF or CRLF line ends, any bytes.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Every line of `bytes` with its line end taken off; no line after a final line end.
std::vector<std::string> SplitBatchLines(std::string_view bytes);

// The lines of the file at `path`; throws platform::Failure ("Unable to read <path>").
std::vector<std::string> ReadBatchList(const std::string& path);

} // namespace cli
