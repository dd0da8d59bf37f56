#include "cli/CliProgress.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace cli {
namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

struct sigaction previousAction {};

} // namespace

CliProgress::CliProgress() : toTerminal_(isatty(STDERR_FILENO) != 0) {
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
    if (toTerminal_) std::cerr << "Printing on " << printerName << "\n";
}

void CliProgress::SetPage(int page) {
    page_ = page;
    if (toTerminal_) std::cerr << "Page " << page << "\n";
}

bool CliProgress::CancelRequested() const {
    return interrupted != 0;
}

void CliProgress::Finish() {}

} // namespace cli
