#pragma once
// Per printer, how far every label and the test page move on the paper to make up for a printer
// that prints off place. Kept in inches under the settings key's "Printer Offsets", one subkey
// per printer name; the PDF file output counts as the printer kPdfPrinterName.

#include "engine/Units.h"
#include "platform/Registry.h"

#include <QString>

#include <map>
#include <optional>
#include <string_view>

namespace app {

inline constexpr char kPdfPrinterName[] = "Print to File (PDF)";

struct PrinterOffset {
    double X = 0.0; // inches; positive moves right
    double Y = 0.0; // inches; positive moves down

    bool operator==(const PrinterOffset&) const = default;
};

struct OffsetDots {
    int x = 0;
    int y = 0;
    bool operator==(const OffsetDots&) const = default;
};

// The offset as whole device dots, rounded half to even.
OffsetDots ToDots(const PrinterOffset& offset, int dpiX, int dpiY);

// One length with its unit: "1.5mm", "-0.5cm", "0.02in" (a '.' before the decimals, blanks
// around allowed), or a bare 0; the value in inches, or none for anything else.
std::optional<double> ParseLengthWithUnit(std::string_view text);
// "X,Y", each a length with its unit: the value of `tallyrune-cli --offset`.
std::optional<PrinterOffset> ParseOffset(std::string_view text);

// An offset in inches as the calibration dialog shows it, in the label sheet's unit ("0.0##"),
// and what it reads back: a real in that unit with `decimalSeparator`, or none.
QString OffsetText(double inches, engine::Unit unit, QChar decimalSeparator);
std::optional<double> ReadOffsetText(const QString& text, engine::Unit unit,
                                     QChar decimalSeparator);

// The offsets by printer name; a printer without one has none.
class PrinterOffsets {
  public:
    PrinterOffset For(const QString& printer) const;
    // A zero offset is no entry at all.
    void Set(const QString& printer, const PrinterOffset& offset);
    const std::map<QString, PrinterOffset>& All() const { return offsets_; }

    // Reads every subkey of "Printer Offsets" below `settings`; values of the wrong type count
    // as zero.
    void Load(platform::Registry& registry, const platform::RegKey& settings);
    // Writes the key afresh (a printer whose offset went back to zero leaves it); nothing at all
    // when no printer has an offset. A name the registry cannot hold as a key is not kept.
    void Save(platform::Registry& registry, const platform::RegKey& settings) const;

    bool operator==(const PrinterOffsets&) const = default;

  private:
    std::map<QString, PrinterOffset> offsets_;
};

} // namespace app
