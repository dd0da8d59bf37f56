#pragma once
// Where print and testpage send their pages: a PDF file (-o) or a named printer (--printer),
// on a paper, at a resolution and moved by an offset.

#include "app/PrinterOffsets.h"
#include "cli/CliArguments.h"

#include <QPrinter>

#include <memory>

namespace cli {

// The option names print and testpage share.
void AddPrinterOptions(OptionSpec& spec);

// Opens the printer the options name; exactly one of -o and --printer must be given.
std::unique_ptr<QPrinter> OpenChosenPrinter(const CliArguments& args);

// --offset X,Y, or else the offset the settings keep for `printer` (none when there are no
// settings); the settings are only read.
app::PrinterOffset ChosenOffset(const CliArguments& args, const QPrinter& printer);

} // namespace cli
