#pragma once
// A small option parser for tallyrune-cli: options take a value or stand alone, anything
// else is a positional argument; mistakes raise UsageError (exit status 2).

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

struct OptionSpec {
    std::set<std::string> withValue; // e.g. "--type", "-o"
    std::set<std::string> flags;     // e.g. "--no-readable"
};

class CliArguments {
  public:
    CliArguments(const std::vector<std::string>& args, const OptionSpec& spec);

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
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

} // namespace cli
