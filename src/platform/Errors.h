#pragma once
// Failures carry the system's own message texts in the user's language (the designer loads its
// catalogue; the command-line tool loads none, so its texts stay English); the GUI shows them,
// the CLI prints them.

#include <QString>

#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    explicit Failure(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// "Unable to read <path>": a file could not be opened or read.
class ReadFailure : public Failure {
  public:
    explicit ReadFailure(const QString& path, const QString& reason = {});
};

// "Unable to write to <path>": a file could not be created, written or put in place.
class WriteFailure : public Failure {
  public:
    explicit WriteFailure(const std::string& path) : WriteFailure(path, {}) {}
    // With the system's reason: "Unable to write to <path>: No space left on device".
    WriteFailure(const std::string& path, const std::string& reason);
};

} // namespace platform
