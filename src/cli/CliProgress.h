#pragma once
// Print progress on the command line: a line per page on stderr when it is a terminal, and
// Ctrl+C asking the job to stop at the next page, as the progress window's Cancel does.

#include "print/PrintTarget.h"

namespace cli {

class CliProgress : public print::PrintProgress {
  public:
    CliProgress();           // takes over SIGINT
    ~CliProgress() override; // gives it back
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    void StartProgress(const std::string& printerName) override;
    void SetPage(int page) override;
    bool CancelRequested() const override;
    void Finish() override;

    int Page() const { return page_; }

  private:
    bool toTerminal_;
    int page_ = 0;
};

} // namespace cli
