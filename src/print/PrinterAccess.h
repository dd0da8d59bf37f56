#pragma once
// Printers through Qt PrintSupport: the CUPS queues the system knows, or a PDF file when no
// printer is wanted. Printers are opened in standard (not full-page) mode, so the painter's
// origin is the printable area's corner, as the label layout counts.

#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QPrinter;

namespace print {

enum class Paper { Letter, A4 };

// "letter" or "a4", in any letter case.
std::optional<Paper> PaperFromName(std::string_view name);

inline constexpr int kMinPrinterDpi = 72;
inline constexpr int kMaxPrinterDpi = 4800;

// The printer queues by name, and the default one (empty when there is none).
std::vector<std::string> AvailablePrinters();
std::string DefaultPrinterName();

// The queue `name`. Qt would silently fall back to the default printer for a name it does not
// know, so the name is looked up first and an unknown one is refused (platform::Failure naming
// it and the printers there are). `paper` and `dpi` are asked of the printer when given; without
// them the queue's default paper and Qt's resolution for the printer are kept.
std::unique_ptr<QPrinter> OpenNamedPrinter(const std::string& name,
                                           std::optional<Paper> paper = std::nullopt, int dpi = 0);
// The same on any page (see PaperSize.h).
std::unique_ptr<QPrinter> OpenNamedPrinter(const std::string& name,
                                           const std::optional<QPageSize>& page, int dpi);

// PDF output to `path` on `paper` at `dpi`, portrait, with no nonprintable border: a PDF can be
// printed to its edges. PrinterTarget writes the file only when the job ends.
std::unique_ptr<QPrinter> OpenPdfPrinter(const QString& path, Paper paper, int dpi);
// The same on a printer the caller keeps (the one Print Setup chose, say).
void SetUpPdfPrinter(QPrinter& printer, const QString& path, Paper paper, int dpi);
// The same on any page: a label's, say.
std::unique_ptr<QPrinter> OpenPdfPrinter(const QString& path, const QPageSize& page, int dpi);

QPageSize PageSizeOf(Paper paper);
// Throws platform::Failure for a resolution outside kMinPrinterDpi to kMaxPrinterDpi.
void CheckResolution(int dpi);

bool IsPdfOutput(const QPrinter& printer);

// A queue's printer draws at its driver's resolution, so that bars fall on its dots (Qt's own
// choice is its high resolution, whatever the printer); PDF output and a driver that names
// none keep theirs.
void UseDriverResolution(QPrinter& printer);

// The name a printer's offset is kept under: the queue's, or app::kPdfPrinterName for PDF output.
QString OffsetPrinterName(const QPrinter& printer);

} // namespace print
