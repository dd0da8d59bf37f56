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
    double barHeight = 0.75; // as given, in `unit`
    engine::Unit unit = engine::Unit::Inch;
};

// What a barcode is when the command line does not say: a new document's values, or those of
// a document file.
struct BarcodeDefaults {
    engine::SymbologyCode code = engine::SymbologyCode::Code128;
    std::string text;
    double barHeight = 0.75; // in `unit`
    engine::Unit unit = engine::Unit::Inch;
    bool showText = true;
    engine::Orientation orientation = engine::Orientation::Deg0;
    engine::SymbolOptions options;
};

// The values of a document file; throws platform::Failure when it cannot be read.
// A value given on the command line stands in for the document's, which is then not checked.
BarcodeDefaults DefaultsFromDocument(const QString& path, const CliArguments& args);

// Whether the barcode shows its readable text.
bool ShowsText(const CliArguments& args, const BarcodeDefaults& defaults);

// --type over the defaults' symbology; UsageError for an unknown one.
engine::SymbologyCode SymbologyFrom(const CliArguments& args, const BarcodeDefaults& defaults);

// The options over the defaults; 300 dpi and module auto = 10 mils (22 for POSTNET) unless
// given. Throws UsageError on a bad value, platform::Failure for a document's unknown type.
BarcodeJob BarcodeJobFrom(const CliArguments& args, const BarcodeDefaults& defaults = {});

// BarcodeJobFrom in two steps, so that a batch checks the options once and then sets each
// line's text: everything but the text, then the text filtered as typing filters it (UsageError
// when nothing of it can be encoded); a text the symbology cannot encode fails when its picture
// is checked. BarcodeJobFrom throws platform::Failure for it at once, naming the limit or the
// bad GS1 AI.
BarcodeJob BarcodeOptionsFrom(const CliArguments& args, const BarcodeDefaults& defaults = {});
void SetBarcodeText(BarcodeJob& job, const std::string& text);

// The job as the export reads a document; `path` is its file name.
exporting::ExportDocument ExportDocumentOf(const BarcodeJob& job, const QString& path);

// The symbology named by a list item text (any letter case) or an internal code.
engine::SymbologyCode ParseSymbology(const std::string& name);

} // namespace cli
