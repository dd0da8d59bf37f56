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
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

class Batch {
  public:
    Batch(std::size_t count, const std::function<void(int, std::size_t)>& work)
        : count_(count), work_(work) {}

    void Run(int worker) {
        for (;;) {
            const std::size_t item = next_.fetch_add(1);
            if (item >= count_ || item > failedItem_.load()) return;
            try {
                work_(worker, item);
            } catch (...) {
                Failed(item, std::current_exception());
            }
        }
    }

    void RethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

  private:
    void Failed(std::size_t item, std::exception_ptr failure) {
        const std::lock_guard lock(mutex_);
        if (item >= failedItem_.load()) return;
        failure_ = std::move(failure);
        failedItem_.store(item);
    }

    const std::size_t count_;
    const std::function<void(int, std::size_t)>& work_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> failedItem_{kNone};
    std::mutex mutex_; // guards failure_
    std::exception_ptr failure_;
};

} // namespace

int AvailableProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void RunBatch(std::size_t count, int workers,
              const std::function<void(int worker, std::size_t item)>& work) {
    Batch batch(count, work);
    workers = static_cast<int>(std::clamp<std::size_t>(
        static_cast<std::size_t>(std::max(workers, 1)), 1, std::max<std::size_t>(count, 1)));
    std::vector<std::jthread> threads;
    threads.reserve(static_cast<std::size_t>(workers - 1));
    for (int worker = 1; worker < workers; ++worker)
        threads.emplace_back([&batch, worker] { batch.Run(worker); });
    batch.Run(0);    // this thread is worker 0
    threads.clear(); // joins
    batch.RethrowFailure();
}

} // namespace cli
