#pragma once
// Sequence numbers taken from a document file. The file is locked from before its CURRENT is
// read until the job has ended, so a second job on it waits and goes on from this one's last
// number. The numbers are reserved before anything prints: CURRENT is written past them first,
// so a crash can only skip numbers, never print one twice. A job that ends without Settle
// printed nothing (its pages reach the file or the queue only when it has ended), so CURRENT is
// put back.

#include "platform/FileLock.h"

#include <QString>

#include <functional>
#include <optional>

namespace print {

class SequenceReservation {
  public:
    // Locks the document (see platform::FileLock); read it only after this.
    SequenceReservation(const QString& path, platform::LockWait wait,
                        const std::function<void()>& waiting = {});
    // Puts `first` back unless settled; a failure to do so only skips numbers.
    ~SequenceReservation();
    SequenceReservation(const SequenceReservation&) = delete;
    SequenceReservation& operator=(const SequenceReservation&) = delete;

    // The job takes the numbers from `first`; CURRENT becomes `next` now.
    void Reserve(int first, int next);
    // The job has ended and the next free number is `next`.
    void Settle(int next);

  private:
    QString path_;
    platform::FileLock lock_;
    int first_ = 0;
    std::optional<int> written_;
};

} // namespace print
