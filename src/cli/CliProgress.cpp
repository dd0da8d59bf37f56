#include "cli/CliProgress.h"

#include <algorithm>
#include <csignal>
#include <iostream>

namespace cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

struct sigaction previousAction {};

} // namespace

CliProgress::CliProgress(long long pages, bool quiet)
    : line_("pages", static_cast<std::uint64_t>(std::max(pages, 0LL)), quiet) {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousAction);
}

CliProgress::~CliProgress() {
    sigaction(SIGINT, &previousAction, nullptr);
}

void CliProgress::StartProgress(const std::string& printerName) {
    if (line_.Shown()) std::cerr << "Printing on " << printerName << "\n";
}

void CliProgress::SetPage(int page) {
    page_ = page;
    line_.Set(static_cast<std::uint64_t>(page));
}

bool CliProgress::CancelRequested() const {
    return interrupted != 0;
}

void CliProgress::Finish() {
    line_.Finish();
}

} // namespace cli
