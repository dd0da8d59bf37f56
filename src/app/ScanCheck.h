#pragma once
// The scan check: what a scanner should read from a barcode, and whether a picture of it reads
// so. The data is compared in the form the decoders return it: check digits of UPC, EAN and
// the shipping codes included, application identifiers of the GS1 symbols with FNC1 first, a
// Code 39 check character as part of the data.

#include "engine/MatrixSymbology.h"
#include "engine/Symbology.h"

#include <QImage>
#include <QString>
#include <ZXing/BarcodeFormat.h>

#include <string>
#include <string_view>

namespace app {

// How the data read is compared: as the bytes read, as UTF-8 text (the Unicode symbols), or as
// GS1 fields in brackets (the two-dimensional GS1 symbols and DataBar Expanded), or DataBar's
// GTIN, which decoders return without its AI, as "(01)" and the GTIN.
enum class ScanForm { Bytes, Utf8, Gs1Bracketed, DataBarGtin };

struct ScanExpectation {
    bool checked = false; // false where no decoder reads the symbology (POSTNET, a lone add-on)
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    std::string data;       // as the decoder returns it
    bool gs1 = false;       // FNC1 in first position ("]C1")
    bool fullAscii = false; // Code 39 read in its full-ASCII mode
    ScanForm form = ScanForm::Bytes;
};

// What a symbol of `code` carrying the filtered `text` should read as.
ScanExpectation ExpectedScan(engine::SymbologyCode code, std::string_view text);

enum class ScanOutcome {
    Empty,      // no text, no symbol
    NotChecked, // no decoder reads this symbology
    Matches,
    Differs,
    Unreadable,
    NotEncoded, // the symbology cannot encode the text: nothing is drawn
};

struct ScanVerdict {
    ScanOutcome outcome = ScanOutcome::Empty;
    std::string expected; // the data meant
    bool expectedGs1 = false;
    std::string decoded; // the data read
    bool decodedGs1 = false;
    bool utf8 = false;   // expected and decoded are UTF-8
    std::string problem; // why the text was not encoded (NotEncoded)

    bool Failed() const {
        return outcome == ScanOutcome::Differs || outcome == ScanOutcome::Unreadable ||
               outcome == ScanOutcome::NotEncoded;
    }
    // "Scans as: …", "Scans as: … instead of …", "Does not scan as …", "—", or nothing.
    QString Message() const;
};

// Decodes `picture` (a white quiet margin is added around it) as `code` with `text` should
// read, and compares; a text the symbology cannot encode with `options` is NotEncoded at once.
ScanVerdict CheckScan(const QImage& picture, engine::SymbologyCode code, std::string_view text,
                      const engine::SymbolOptions& options = {});

// `data` for a message: control characters as their visible symbols (U+2400 onwards).
QString PrintableData(std::string_view data);
// The same for a text: a NUL in it no longer cuts a message short.
QString PrintableText(const QString& text);

} // namespace app
