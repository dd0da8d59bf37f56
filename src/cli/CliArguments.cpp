#include "cli/CliArguments.h"

#include <charconv>
#include <cmath>

namespace cli {
namespace {

struct OptionWord {
    std::string name;
    std::optional<std::string> attached; // the value in the same word
};

// "--name=value" and "-oVALUE" (a one-letter option that takes a value) carry their value.
OptionWord SplitOptionWord(const std::string& word, const OptionSpec& known) {
    if (word.starts_with("--")) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) return {word, std::nullopt};
        return {word.substr(0, equals), word.substr(equals + 1)};
    }
    const std::string letter = word.substr(0, 2);
    if (word.size() > 2 && known.withValue.contains(letter)) return {letter, word.substr(2)};
    return {word, std::nullopt};
}

bool IsOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

} // namespace

CliArguments::CliArguments(const std::vector<std::string>& args, const OptionSpec& known) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--") {
            positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1,
                               args.end());
            return;
        }
        if (IsOption(args[i]))
            TakeOption(args, i, known);
        else
            positional_.push_back(args[i]);
    }
}

void CliArguments::TakeOption(const std::vector<std::string>& args, std::size_t& i,
                              const OptionSpec& known) {
    const auto [name, attached] = SplitOptionWord(args[i], known);
    if (known.flags.contains(name)) {
        if (attached) throw UsageError("option " + name + " takes no value");
        values_[name] = "";
    } else if (known.withValue.contains(name)) {
        if (attached) {
            values_[name] = *attached;
            return;
        }
        if (i + 1 >= args.size()) throw UsageError("option " + name + " needs a value");
        values_[name] = args[++i];
    } else if ((name == "--help" || name == "-h") && !attached) {
        throw HelpRequested();
    } else {
        throw UsageError("unknown option " + name);
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
