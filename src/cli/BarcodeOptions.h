#pragma once
// The barcode options export and info share, turned into a drawing at the output resolution.

#include "cli/CliArguments.h"
#include "export/Picture.h"
#include "platform/BarcodeBitmap.h"

namespace cli {

// Option names taking a value / standing alone that describe a barcode.
OptionSpec BarcodeOptionSpec();

struct BarcodeJob {
    platform::BarcodeDrawing drawing; // text filtered, sizes in dots
    int dpi = 300;
    double barHeight = 0.75; // as given, in centimetres when metric
    bool metric = false;
};

// Defaults follow a new document: Code 128, 0.75 inch, readable text, "Courier New", 0°;
// 300 dpi; module auto = 10 mils (22 for POSTNET). Throws UsageError on a bad value.
BarcodeJob BarcodeJobFrom(const CliArguments& args);

// The job as the export reads a document; `path` is its file name.
exporting::ExportDocument ExportDocumentOf(const BarcodeJob& job, const QString& path);

// The symbology named by a list item text (any letter case) or an internal code 0..17.
engine::SymbologyCode ParseSymbology(const std::string& name);

} // namespace cli
