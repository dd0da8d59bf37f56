#include "cli/CliArguments.h"

#include <charconv>
#include <cmath>

namespace cli {

CliArguments::CliArguments(const std::vector<std::string>& args, const OptionSpec& spec) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (spec.flags.contains(arg)) {
            values_[arg] = "";
        } else if (spec.withValue.contains(arg)) {
            if (i + 1 >= args.size()) throw UsageError("option " + arg + " needs a value");
            values_[arg] = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else {
            positional_.push_back(arg);
        }
    }
}

std::optional<std::string> CliArguments::Value(const std::string& option) const {
    const auto it = values_.find(option);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

int CliArguments::IntValue(const std::string& option, int fallback, int min, int max) const {
    const auto text = Value(option);
    if (!text) return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < min || value > max)
        throw UsageError(option + " takes a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + *text + "\"");
    return value;
}

double CliArguments::PositiveReal(const std::string& option, double fallback) const {
    const auto text = Value(option);
    if (!text) return fallback;
    // from_chars reads a point as the decimal separator whatever the process locale is.
    double value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || !std::isfinite(value) ||
        value <= 0)
        throw UsageError(option + " takes a number greater than 0, not \"" + *text + "\"");
    return value;
}

} // namespace cli
