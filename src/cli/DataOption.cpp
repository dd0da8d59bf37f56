#include "cli/DataOption.h"

namespace cli {

void AddDataOptions(OptionSpec& spec) {
    spec.withValue.insert({"--data", "--column"});
    spec.flags.insert("--header");
}

std::optional<print::MergeSource> DataSource(const CliArguments& args) {
    const auto path = args.Value("--data");
    if (!path) {
        if (args.Has("--column") || args.Has("--header"))
            throw UsageError("--column and --header go with --data");
        return std::nullopt;
    }
    return print::MergeSource{QString::fromStdString(*path), args.Value("--column").value_or(""),
                              args.Has("--header"), *path == "-"};
}

} // namespace cli
