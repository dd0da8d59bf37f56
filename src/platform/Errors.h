#pragma once
// Failures carry the system's own message texts; the GUI shows them, the CLI prints them.

#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "Unable to write to <path>": a file could not be created, written or put in place.
class WriteFailure : public Failure {
  public:
    explicit WriteFailure(const std::string& path) : Failure("Unable to write to " + path) {}
    // With the system's reason: "Unable to write to <path>: No space left on device".
    WriteFailure(const std::string& path, const std::string& reason)
        : Failure("Unable to write to " + path + (reason.empty() ? "" : ": " + reason)) {}
};

} // namespace platform
