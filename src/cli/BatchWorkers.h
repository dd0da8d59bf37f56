#pragma once
// Spreads the lines of a batch over threads, so that a batch uses the machine's cores, with the
// outcome of running the lines one after another.

#include "cli/BatchList.h"

#include <functional>
#include <optional>

namespace cli {

// The processors this process may run on (at least 1).
int AvailableProcessors();

class Batch; // what the threads of a batch share

// The lines as one thread takes them, in list order across all threads.
class BatchItems {
  public:
    explicit BatchItems(Batch& batch) : batch_(batch) {}
    // The next line for this thread; null when none is left, or an earlier line failed. It
    // stays valid until the next call.
    const BatchLine* Next();
    const std::optional<BatchLine>& Current() const { return current_; }

  private:
    Batch& batch_;
    std::optional<BatchLine> current_;
};

// Where a batch's lines come from, in increasing line numbers; called by one thread at a time.
using NextBatchLine = std::function<std::optional<BatchLine>()>;

// Runs `worker` on `workers` threads at once, this one among them; each takes its lines from
// the BatchItems it is given, and keeps what it needs from one line to the next. When a worker
// throws, its thread stops, no further line is handed out, and once every thread has stopped
// the exception of the lowest line that failed is rethrown: the failure, and the lines done
// before it, are those of a run on one thread.
void RunBatch(const NextBatchLine& next, int workers,
              const std::function<void(BatchItems&)>& worker);

} // namespace cli
