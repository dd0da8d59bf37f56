#pragma once
// A 1-bit picture whose rows are kept in runs of equal rows, only the first of each run held:
// a vertical bar then costs one row however tall it is. Rows are filled in before they are
// read, and all of them by Finish.

#include <QImage>

#include <vector>

namespace exporting {

class RowRuns {
  public:
    // Starts `mono` as one run of white rows.
    explicit RowRuns(QImage& mono);

    // Calls `fill(row)` once for each run of rows top <= y < bottom, after splitting the runs
    // at top and bottom.
    template <class Fill> void ForEachRun(int top, int bottom, Fill fill) {
        Split(top);
        Split(bottom);
        for (auto it = FirstStartAtOrAfter(top); it != starts_.end() && *it < bottom; ++it)
            fill(mono_.scanLine(*it));
    }
    // Gives each row top <= y < bottom its own content, ready to be read and written directly.
    void Separate(int top, int bottom);
    // Copies every run's first row to the rest of its rows.
    void Finish();

  private:
    void Split(int row);
    std::vector<int>::iterator FirstStartAtOrAfter(int row);
    int StartOf(int row) const;

    QImage& mono_;
    std::vector<int> starts_; // first rows of the runs, ascending, starting with 0
};

} // namespace exporting
