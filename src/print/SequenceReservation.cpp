#include "print/SequenceReservation.h"

#include "app/DocumentFile.h"

namespace print {

SequenceReservation::SequenceReservation(const QString& path, platform::LockWait wait,
                                         const std::function<void()>& waiting)
    : path_(path), lock_(path, wait, waiting) {}

SequenceReservation::~SequenceReservation() {
    if (!written_) return;
    try {
        app::WriteSequenceCurrent(path_, first_);
    } catch (const std::exception&) { // the numbers stay reserved: skipped, never repeated
    }
}

void SequenceReservation::Reserve(int first, int next) {
    first_ = first;
    app::WriteSequenceCurrent(path_, next);
    written_ = next;
}

void SequenceReservation::Settle(int next) {
    if (written_ && *written_ != next) app::WriteSequenceCurrent(path_, next);
    written_.reset();
}

} // namespace print
