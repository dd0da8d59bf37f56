#include "e2e/Poll.h"

#include <thread>

namespace e2e {

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(40ms);
    }
    return true;
}

} // namespace e2e
