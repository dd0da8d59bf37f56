#pragma once
// The document file (".TLR"): a profile file with the sections BARCODE, SEQUENCE and FORMAT,
// holding every value of a document but its font, window and name.

#include "app/LabelSheet.h"
#include "app/SequenceSettings.h"
#include "engine/MatrixSymbology.h"
#include "engine/Symbology.h"
#include "engine/Units.h"
#include "platform/ProfileFile.h"

#include <QChar>
#include <QString>

#include <cstdint>
#include <string>

namespace app {

// The 23 values of a document file, initialised to what a missing key gives (the unit aside:
// a missing METRIC takes the main window's current unit). Kept as read: nothing is filtered
// or range-checked here.
struct DocumentRecord {
    engine::Unit Unit = engine::Unit::Inch;
    double BarHeight = 1.0;
    int Scale = 1;
    bool Interpret = true;
    engine::SymbologyCode Symbology = engine::SymbologyCode::Code128;
    std::uint8_t Rotation = 0;
    std::string BarcodeText; // Latin-1 bytes
    bool AutoSize = true;
    double BarWidth = 10.0; // mils
    app::SequenceSettings Sequence;
    app::LabelSheet Labels = app::kLabelFormatDefaults;
    // ECC and SYMBOL_SIZE: written only when they differ from the usual, so that a document
    // of a linear symbology keeps the file it always had.
    engine::SymbolOptions Options;

    bool operator==(const DocumentRecord&) const = default;
};

// The whole file: the three sections in their order, every key in its order, reals written
// with `decimalSeparator`.
platform::ProfileFile WriteDocumentRecord(const DocumentRecord& record, QChar decimalSeparator);

// Each value on its own falls back on its default; TYPE and ROTATE keep their low 8 bits.
DocumentRecord ReadDocumentRecord(const platform::ProfileFile& profile, engine::Unit currentUnit,
                                  QChar decimalSeparator);

// The CURRENT a document file holds; none without the key.
std::optional<int> StoredSequenceCurrent(const platform::ProfileFile& profile);

// Sets CURRENT in the document file at `path` in place: every other line stays as it was,
// whatever this machine's decimal separator and whichever keys or comments the file holds.
// Throws platform::Failure ("Unable to read <path>") or platform::WriteFailure.
void WriteSequenceCurrent(const QString& path, int current);

} // namespace app
