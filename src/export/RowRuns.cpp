#include "export/RowRuns.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace exporting {

RowRuns::RowRuns(QImage& mono) : mono_(mono), starts_{0} {
    std::memset(mono_.scanLine(0), 0xFF, static_cast<std::size_t>(mono_.bytesPerLine()));
}

int RowRuns::StartOf(int row) const {
    return *(std::upper_bound(starts_.begin(), starts_.end(), row) - 1);
}

std::vector<int>::iterator RowRuns::FirstStartAtOrAfter(int row) {
    return std::lower_bound(starts_.begin(), starts_.end(), row);
}

void RowRuns::Split(int row) {
    if (row <= 0 || row >= mono_.height()) return;
    const auto at = FirstStartAtOrAfter(row);
    if (at != starts_.end() && *at == row) return;
    std::memcpy(mono_.scanLine(row), mono_.constScanLine(*(at - 1)),
                static_cast<std::size_t>(mono_.bytesPerLine()));
    starts_.insert(at, row);
}

void RowRuns::Separate(int top, int bottom) {
    top = std::max(top, 0);
    bottom = std::min(bottom, mono_.height());
    if (top >= bottom) return;
    const qsizetype stride = mono_.bytesPerLine();
    for (int row = top; row < bottom; ++row) {
        const int start = StartOf(row);
        if (start != row)
            std::memcpy(mono_.scanLine(row), mono_.constScanLine(start),
                        static_cast<std::size_t>(stride));
    }
    Split(bottom);
    const auto first = FirstStartAtOrAfter(top);
    const auto last = FirstStartAtOrAfter(bottom);
    const auto at = starts_.erase(first, last);
    std::vector<int> rows(static_cast<std::size_t>(bottom - top));
    std::iota(rows.begin(), rows.end(), top);
    starts_.insert(at, rows.begin(), rows.end());
}

void RowRuns::Finish() {
    const qsizetype stride = mono_.bytesPerLine();
    uchar* bits = mono_.bits();
    for (std::size_t i = 0; i < starts_.size(); ++i) {
        const int start = starts_[i];
        const int end = i + 1 < starts_.size() ? starts_[i + 1] : mono_.height();
        for (int row = start + 1; row < end; ++row)
            std::memcpy(bits + row * stride, bits + start * stride,
                        static_cast<std::size_t>(stride));
    }
}

} // namespace exporting
