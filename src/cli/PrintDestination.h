#pragma once
// Where `print` sends its labels and on what page: a PDF file, a printer through its driver,
// a ZPL file, or a raw queue fed ZPL (--raw-zpl). A roll (--roll, or a document whose label
// sheet is one) prints one label a page on paper of the label's size; --paper then gives the
// label's size. The resolution is --dpi, or else the driver's for a printer, 203 dpi for ZPL and
// 600 dpi for a PDF file.

#include "app/LabelSheet.h"
#include "app/PrinterMetrics.h"
#include "cli/CliArguments.h"
#include "print/PrintTarget.h"

#include <QPageLayout>
#include <QPrinter>

#include <memory>

namespace cli {

// The options print adds to the printer's: --roll, --raw-zpl and --format pdf|zpl.
void AddDestinationOptions(OptionSpec& spec);

class PrintDestination {
  public:
    // Makes `sheet` the roll that --paper names when the job prints on a roll.
    PrintDestination(const CliArguments& args, app::LabelSheet& sheet);
    ~PrintDestination();
    PrintDestination(const PrintDestination&) = delete;
    PrintDestination& operator=(const PrintDestination&) = delete;

    bool Roll() const { return roll_; }
    // Reads the page and the screen, and lays out `sheet` on the page.
    void Refresh(const app::LabelSheet& sheet, app::PrinterMetrics& metrics,
                 int& printScale) const;
    print::PrintTarget& Target() { return *target_; }

  private:
    void OpenZpl(const CliArguments& args, const QPageSize& page);

    bool roll_ = false;
    std::unique_ptr<QPrinter> printer_; // none for ZPL
    QPageLayout layout_;                // ZPL's page
    int dpi_ = 0;                       // ZPL's resolution
    std::unique_ptr<print::PrintTarget> target_;
};

} // namespace cli
