#pragma once
// Whether a barcode fits its label: the box the engine draws (quiet zones included) at the job's
// module width against the label's cell, and a picture of the first label as the printer will
// make it, read by the scan check. A barcode that is cut by its label's edge, or loses its quiet
// zones there, does not scan, however good its bars.

#include "print/LabelLayout.h"
#include "print/PrintTarget.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>
#include <string>

namespace platform {
class PainterSurface;
}

namespace print {

// "The barcode is 3.96 in wide with its quiet zones; the label is 2.63 in: it will be cut" (or
// high, or in cm for a centimetre sheet); none when the box fits inside the cell both ways.
std::optional<std::string> BoxFitFault(const LabelCell& box, const LabelCell& cell, int dpiX,
                                       int dpiY, engine::Unit unit);

// The widest whole module in dots, at least 1, at which a symbol of `boxModules` modules (quiet
// zones included) fits `room` dots; none when not even one dot per module fits.
std::optional<int> FittingModule(int boxModules, int room);

// A length in dots as the sheet's unit shows it: "2.63 in", "6.67 cm".
std::string LengthText(int dots, int dpi, engine::Unit unit);

// A print target that draws one region of a page into a white greyscale picture at the
// printer's resolution, clipped as the printer clips, for the scan check.
class PicturePrintTarget : public PrintTarget {
  public:
    explicit PicturePrintTarget(const LabelCell& region);
    ~PicturePrintTarget() override;

    // The picture drawn so far; ends the drawing.
    const QImage& Picture();

    std::string PrinterName() const override { return "picture"; }
    void BeginDocument(const std::string&) override {}
    void NewPage() override {}
    void SetClip(const LabelCell& cell) override;
    void ClearClip() override;
    engine::Surface& Surface() override;
    void SetFontFace(const std::string& face) override;
    void EndDocument() override {}
    void AbortDocument() override {}

  private:
    QImage picture_;
    QPainter painter_;
    std::unique_ptr<platform::PainterSurface> surface_;
};

} // namespace print
