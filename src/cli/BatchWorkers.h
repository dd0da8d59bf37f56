#pragma once
// Spreads the items of a batch over threads, so that a batch uses the machine's cores, with the
// outcome of running the items one after another.

#include <cstddef>
#include <functional>

namespace cli {

// The processors this process may run on (at least 1).
int AvailableProcessors();

// Runs `work(worker, item)` for every item 0 <= item < count on `workers` threads (worker is
// 0 .. workers - 1, so that each can keep state of its own), handing the items out in
// increasing order. When an item throws, the items after it that have not started are skipped,
// and once every thread has stopped the exception of the lowest item that threw is rethrown:
// the failure, and the items done before it, are those of a run on one thread.
void RunBatch(std::size_t count, int workers,
              const std::function<void(int worker, std::size_t item)>& work);

} // namespace cli
