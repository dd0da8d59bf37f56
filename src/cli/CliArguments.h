#pragma once
// A small option parser for tallyrune-cli, with GNU getopt_long's conventions: options take a
// value (the next word, "--name=value", or "-oVALUE" for a one-letter option) or stand alone,
// "--" ends the options, anything else is a positional argument; --help and -h ask for the
// command's usage (HelpRequested); mistakes raise UsageError (exit status 2).

#include <exception>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// --help or -h among a command's options: its usage goes to standard output, exit status 0.
class HelpRequested : public std::exception {
  public:
    const char* what() const noexcept override { return "help requested"; }
};

struct OptionSpec {
    std::set<std::string> withValue; // e.g. "--type", "-o"
    std::set<std::string> flags;     // e.g. "--no-readable"
};

class CliArguments {
  public:
    CliArguments(const std::vector<std::string>& args, const OptionSpec& known);

    bool Has(const std::string& option) const { return values_.contains(option); }
    std::optional<std::string> Value(const std::string& option) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    void SetValue(const std::string& option, std::string value) {
        values_[option] = std::move(value);
    }

    // The option's value as a whole number within [min, max], or `fallback` when absent.
    int IntValue(const std::string& option, int fallback, int min, int max) const;
    // The option's value as a real number greater than zero, or `fallback` when absent.
    double PositiveReal(const std::string& option, double fallback) const;

  private:
    void TakeOption(const std::vector<std::string>& args, std::size_t& i, const OptionSpec& known);

    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

} // namespace cli
