#pragma once
// Print progress on the command line: the pages on one rewritten line on stderr when it is a
// terminal (see ProgressLine), and Ctrl+C asking the job to stop at the next page, as the
// progress window's Cancel does.

#include "cli/ProgressLine.h"
#include "print/PrintTarget.h"

namespace cli {

class CliProgress : public print::PrintProgress {
  public:
    // `pages` the job prints (0 when unknown); `quiet` shows nothing. Takes over SIGINT.
    CliProgress(long long pages, bool quiet);
    ~CliProgress() override; // gives SIGINT back
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    void StartProgress(const std::string& printerName) override;
    void SetPage(int page) override;
    bool CancelRequested() const override;
    void Finish() override;

    int Page() const { return page_; }

  private:
    ProgressLine line_;
    int page_ = 0;
};

} // namespace cli
