#pragma once
// The progress of a long run on a terminal: one line on standard error, rewritten in place
// (carriage return, then clear to the end of the line), with the count, the total when known,
// the rate and the time left: "12,345 / 20,000 files, 1,840/s, 4 s left". Redrawn at most ten
// times a second, so that it costs nothing measurable; nothing at all when standard error is no
// terminal or --quiet is given.

#include <chrono>
#include <cstdint>
#include <string>

namespace cli {

class ProgressLine {
  public:
    // `unit` names what is counted ("files", "pages"); `total` is 0 when unknown.
    ProgressLine(std::string unit, std::uint64_t total, bool quiet);
    ~ProgressLine(); // Finish()
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Whether a line shows: standard error is a terminal and the run is not quiet.
    static bool Wanted(bool quiet);
    bool Shown() const { return shown_; }
    // The count so far; called by one thread at a time.
    void Set(std::uint64_t count);
    // The last count with its rate, and a line end; nothing when nothing was drawn.
    void Finish();

  private:
    using Clock = std::chrono::steady_clock;
    void Draw(Clock::time_point now, bool finished);

    std::string unit_;
    std::uint64_t total_;
    bool shown_;
    bool drawn_ = false;
    std::uint64_t count_ = 0;
    Clock::time_point start_ = Clock::now();
    Clock::time_point nextDraw_ = start_;
};

} // namespace cli
