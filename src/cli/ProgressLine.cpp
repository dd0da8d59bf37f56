#include "cli/ProgressLine.h"

#include <cmath>
#include <iostream>
#include <unistd.h>

namespace cli {
namespace {

constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
// A rate from less time than this is mostly noise.
constexpr double kShortestRateSeconds = 0.1;

// 20000 -> "20,000"
std::string Grouped(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

// "1,840/s"; one decimal below 10, as slow printers print a page in seconds.
std::string Rate(double perSecond) {
    if (perSecond >= 10) return Grouped(static_cast<std::uint64_t>(std::llround(perSecond))) + "/s";
    const long tenths = std::lround(perSecond * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "/s";
}

// "4 s", "2 min 5 s", "3 h 20 min"
std::string Duration(std::uint64_t seconds) {
    if (seconds < 60) return std::to_string(seconds) + " s";
    if (seconds < 3600)
        return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
    return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
}

} // namespace

bool ProgressLine::Wanted(bool quiet) {
    return !quiet && isatty(STDERR_FILENO) != 0;
}

ProgressLine::ProgressLine(std::string unit, std::uint64_t total, bool quiet)
    : unit_(std::move(unit)), total_(total), shown_(Wanted(quiet)) {}

ProgressLine::~ProgressLine() {
    Finish();
}

void ProgressLine::Set(std::uint64_t count) {
    count_ = count;
    if (!shown_) return;
    const Clock::time_point now = Clock::now();
    if (now >= nextDraw_) Draw(now, false);
}

void ProgressLine::Finish() {
    if (!drawn_) return;
    Draw(Clock::now(), true);
    std::cerr << "\n";
    drawn_ = false;
}

void ProgressLine::Draw(Clock::time_point now, bool finished) {
    std::string line = "\r" + Grouped(count_);
    if (total_ > 0) line += " / " + Grouped(total_);
    line += " " + unit_;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    if (seconds >= kShortestRateSeconds && count_ > 0) {
        const double rate = static_cast<double>(count_) / seconds;
        line += ", " + Rate(rate);
        if (total_ > count_ && !finished)
            line += ", " +
                    Duration(static_cast<std::uint64_t>(
                        std::ceil(static_cast<double>(total_ - count_) / rate))) +
                    " left";
    }
    std::cerr << line + "\x1b[K" << std::flush;
    drawn_ = true;
    nextDraw_ = now + kRedrawEvery;
}

} // namespace cli
