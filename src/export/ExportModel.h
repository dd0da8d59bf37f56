#pragma once
// Everything the export dialog shows and does, without a window: the resolution and narrow bar
// width in dots, the mils label, the spin buttons, the file name's extension and Save.

#include "app/PrinterMetrics.h"
#include "export/ExportFormat.h"
#include "export/ExportSettings.h"
#include "export/Exporter.h"
#include "export/Picture.h"
#include "platform/NumberFormat.h"

#include <QString>

#include <optional>

namespace app {
class BarcodeDocument;
}

namespace exporting {

inline constexpr int kMinScale = 1; // width spin button
inline constexpr int kMaxScale = 100;
inline constexpr int kMinDpi = 1; // resolution spin button
inline constexpr int kMaxDpi = 99999;

// What an export reads of a document.
ExportDocument ExportDocumentOf(const app::BarcodeDocument& document);

class ExportModel {
  public:
    // `metrics` gives ScreenDpiX and the PrinterDpiX of the last refresh; it must outlive this.
    explicit ExportModel(const app::PrinterMetrics& metrics) : metrics_(metrics) {}

    ExportSettings Settings;                         // the choices, kept between runs
    QString FileName;                                // eFileName
    QString MilsLabel = QStringLiteral("10.0 mils"); // LBarWidth, until first refreshed

    // Failures: the number boxes' texts are read with ReadInteger (ConversionError).
    int ExportDpi() const;
    int ExportModuleWidth(engine::SymbologyCode symbology) const;
    // "##0.0" mils of the custom width at the current resolution, also while Auto Size is on.
    QString MilsLabelText(QChar decimalSeparator = platform::LocaleDecimalSeparator()) const;
    QString PrinterDpiCaption() const; // "Printer DPI (600)"
    PictureGeometry Picture(const ExportDocument& document) const;

    std::optional<ExportFormat> Format() const { return FormatAtIndex(Settings.Format); }
    // The save dialog's default extension (no dot) and filter of the chosen format.
    QString DefaultExtension() const;
    QString Filter() const;
    // Gives FileName the chosen format's extension; nothing when no format is chosen.
    void ApplyFormatExtension();

    // MilsLabel = MilsLabelText().
    void UpdateMilsLabel(QChar decimalSeparator = platform::LocaleDecimalSeparator());

    // What the controls do. Every one of them refreshes the mils label: the resolution radios,
    // and each change of eDPI's or eScale's text, typed or spun.
    void ChooseDpiType(DpiKind kind);
    void SetDpiText(const QString& text);
    void SetScaleText(const QString& text);
    void ScaleDown();             // not below 1
    void ScaleUp();               // not above 100
    void DpiDown();               // not below 1
    void DpiUp();                 // not above 99999
    void ChooseFormat(int index); // and ApplyFormatExtension

    // Takes the document's file name, refreshes the mils label and gives the name the format's
    // extension.
    void Open(const ExportDocument& document);
    // The name Save writes: raster, SVG and PDF files get the format's extension; metafiles keep
    // the name as typed.
    QString SaveName() const;
    // Writes the document's picture in the chosen format and gives the name written; nothing is
    // written when no format is chosen. FileName becomes SaveName() first. The file is then read
    // back and must scan as meant. Failures: see Exporter::Export; ScanFailure when the file does
    // not scan.
    std::optional<QString> Save(const ExportDocument& document, Exporter& exporter);

  private:
    const app::PrinterMetrics& metrics_;
};

} // namespace exporting
