#include "cli/BatchWorkers.h"

#include <algorithm>
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

// The source of lines and the first failure.
class Batch {
  public:
    explicit Batch(const NextBatchLine& next) : next_(next) {}

    std::optional<BatchLine> Next() {
        const std::lock_guard lock(mutex_);
        if (failure_) return std::nullopt; // every line still to come lies after it
        return next_();
    }

    void Failed(std::size_t line, std::exception_ptr failure) {
        const std::lock_guard lock(mutex_);
        if (line >= failedLine_) return;
        failure_ = std::move(failure);
        failedLine_ = line;
    }

    // After every thread has stopped.
    void RethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

  private:
    const NextBatchLine& next_;
    std::mutex mutex_; // guards everything here
    std::size_t failedLine_ = std::numeric_limits<std::size_t>::max();
    std::exception_ptr failure_;
};

const BatchLine* BatchItems::Next() {
    current_ = batch_.Next();
    return current_ ? &*current_ : nullptr;
}

void RunBatch(const NextBatchLine& next, int workers,
              const std::function<void(BatchItems&)>& worker) {
    Batch batch(next);
    const auto run = [&] {
        BatchItems items(batch);
        try {
            worker(items);
        } catch (...) {
            batch.Failed(items.Current() ? items.Current()->number : 0, std::current_exception());
        }
    };
    std::vector<std::jthread> others;
    others.reserve(static_cast<std::size_t>(std::max(workers, 1) - 1));
    for (int i = 1; i < workers; ++i)
        others.emplace_back(run);
    run();
    others.clear(); // joins
    batch.RethrowFailure();
}

} // namespace cli
