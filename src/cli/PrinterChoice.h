#pragma once
// Where print and testpage send their pages: a PDF file (-o) or a named printer (--printer),
// on a paper, at a resolution and moved by an offset.

#include "app/PrinterOffsets.h"
#include "cli/CliArguments.h"

#include <QPageSize>
#include <QPrinter>

#include <memory>

namespace cli {

// The option names print and testpage share.
void AddPrinterOptions(OptionSpec& spec);

// UsageError for -o -: pages go to a file or a printer; only export writes to standard output.
void RefuseStandardOutput(const CliArguments& args);

// The page --paper names (see print::PageSizeNamed; media names are `printer`'s), or none
// without --paper. A name that is no page is a usage error.
std::optional<QPageSize> ChosenPage(const CliArguments& args, const QString& printer);

// Opens the printer the options name; exactly one of -o FILE and --printer must be given. Without
// --paper, `page` or else Letter for a PDF file, the queue's own paper for a printer; without
// --dpi, 600 dpi for a PDF file and the driver's resolution for a printer.
std::unique_ptr<QPrinter> OpenChosenPrinter(const CliArguments& args,
                                            const std::optional<QPageSize>& page = std::nullopt);

// --offset X,Y when given; UsageError when it does not read.
std::optional<app::PrinterOffset> GivenOffset(const CliArguments& args);
// --offset X,Y, or else the offset the settings keep for `printer` (none when there are no
// settings); the settings are only read.
app::PrinterOffset ChosenOffset(const CliArguments& args, const QPrinter& printer);

} // namespace cli
