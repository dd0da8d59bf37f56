#include "cli/BatchWorkers.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <mutex>
#include <sched.h>
#include <thread>
#include <vector>

namespace cli {

int AvailableProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// The next item to hand out and the first failure.
class Batch {
  public:
    explicit Batch(std::size_t count) : count_(count) {}

    std::optional<std::size_t> Next() {
        const std::size_t item = next_.fetch_add(1);
        if (item >= count_ || item > failedItem_.load()) return std::nullopt;
        return item;
    }

    void Failed(std::size_t item, std::exception_ptr failure) {
        const std::lock_guard lock(mutex_);
        if (item >= failedItem_.load()) return;
        failure_ = std::move(failure);
        failedItem_.store(item);
    }

    // After every thread has stopped.
    void RethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

  private:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    const std::size_t count_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> failedItem_{kNone};
    std::mutex mutex_; // guards failure_
    std::exception_ptr failure_;
};

std::optional<std::size_t> BatchItems::Next() {
    current_ = batch_.Next();
    return current_;
}

void RunBatch(std::size_t count, int workers, const std::function<void(BatchItems&)>& worker) {
    Batch batch(count);
    const auto run = [&] {
        BatchItems items(batch);
        try {
            worker(items);
        } catch (...) {
            batch.Failed(items.Current().value_or(0), std::current_exception());
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(
        static_cast<std::size_t>(std::max(workers, 1)), 1, std::max<std::size_t>(count, 1));
    std::vector<std::jthread> others;
    others.reserve(threads - 1);
    for (std::size_t i = 1; i < threads; ++i)
        others.emplace_back(run);
    run();
    others.clear(); // joins
    batch.RethrowFailure();
}

} // namespace cli
