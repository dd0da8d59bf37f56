#pragma once
// Spreads the items of a batch over threads, so that a batch uses the machine's cores, with the
// outcome of running the items one after another.

#include <cstddef>
#include <functional>
#include <optional>

namespace cli {

// The processors this process may run on (at least 1).
int AvailableProcessors();

class Batch; // what the threads of a batch share

// The items as one thread takes them, in increasing order across all threads.
class BatchItems {
  public:
    explicit BatchItems(Batch& batch) : batch_(batch) {}
    // The next item for this thread; nullopt when none is left, or an earlier item failed.
    std::optional<std::size_t> Next();
    std::optional<std::size_t> Current() const { return current_; }

  private:
    Batch& batch_;
    std::optional<std::size_t> current_;
};

// Runs `worker` on `workers` threads at once, this one among them; each takes its items from
// the BatchItems it is given, and keeps what it needs from one item to the next. When a worker
// throws, its thread stops, the items after the one it was doing that have not started are
// skipped, and once every thread has stopped the exception of the lowest item that failed is
// rethrown: the failure, and the items done before it, are those of a run on one thread.
void RunBatch(std::size_t count, int workers, const std::function<void(BatchItems&)>& worker);

} // namespace cli
