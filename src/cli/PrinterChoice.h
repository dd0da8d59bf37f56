#pragma once
// Where print and testpage send their pages: a PDF file (-o) or a named printer (--printer),
// on a paper and at a resolution.

#include "cli/CliArguments.h"

#include <QPrinter>

#include <memory>

namespace cli {

// The option names print and testpage share.
void AddPrinterOptions(OptionSpec& spec);

// Opens the printer the options name; exactly one of -o and --printer must be given.
std::unique_ptr<QPrinter> OpenChosenPrinter(const CliArguments& args);

} // namespace cli
