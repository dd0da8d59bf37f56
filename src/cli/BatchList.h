#pragma once
// The list an export --batch reads: one text per line, LF or CRLF line ends, any bytes. It is
// read a line at a time, so that a list of any length takes no more memory than its longest
// line.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct BatchLine {
    std::size_t number = 0; // from 1
    std::string text;       // without its line end
};

// The lines of a stream in order; no line after a final line end.
class BatchLines {
  public:
    explicit BatchLines(std::istream& in) : in_(in) {}
    // The next line; nullopt at the end, or when the stream fails (the caller asks it why).
    std::optional<BatchLine> Next();
    // The next line that is not empty.
    std::optional<BatchLine> NextText();

  private:
    std::istream& in_;
    std::size_t number_ = 0;
};

// Every line of `bytes` with its line end taken off; no line after a final line end.
std::vector<std::string> SplitBatchLines(std::string_view bytes);

// The list file at `path`, open for reading; throws platform::Failure ("Unable to read <path>").
std::ifstream OpenBatchList(const std::string& path);

// The lines that are not empty in the list file at `path`: the files its batch writes.
std::uint64_t CountBatchTexts(const std::string& path);

} // namespace cli
