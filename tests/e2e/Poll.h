#pragma once
// Waiting on conditions, never on the clock: each step polls what it waits for until a deadline
// generous enough for a loaded 2-core machine.

#include <chrono>
#include <functional>

namespace e2e {

using namespace std::chrono_literals;

// How long one step (a window appearing, a file written, a program ending) may take.
inline constexpr std::chrono::milliseconds kPatience = 30s;

// Asks `condition` every few milliseconds until it holds (true) or `deadline` has passed (false).
bool Eventually(const std::function<bool()>& condition,
                std::chrono::milliseconds deadline = kPatience);

} // namespace e2e
