#pragma once
// --data FILE [--column N|NAME] [--header]: print and export take their texts from the records
// of a data file; "-" is standard input.

#include "cli/CliArguments.h"
#include "print/MergeData.h"

#include <optional>

namespace cli {

void AddDataOptions(OptionSpec& spec);

// The file --data names, its column and header; none without --data. UsageError for --column
// or --header without it.
std::optional<print::MergeSource> DataSource(const CliArguments& args);

} // namespace cli
