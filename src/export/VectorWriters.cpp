#include "export/VectorWriters.h"

#include "app/MatrixControls.h"
#include "export/SvgSurface.h"
#include "platform/MetafileSurface.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <optional>

namespace exporting {
namespace {

constexpr double kPointsPerInch = 72.0;

// Bars as plain rectangles under one brush that changes only with the colour; text as
// PainterSurface draws it.
class ShapeSurface final : public engine::Surface {
  public:
    ShapeSurface(QPainter& painter, platform::FontCache& fonts, const QString& face)
        : painter_(painter), text_(painter, fonts, face) {
        painter_.setPen(Qt::NoPen);
    }

    void FillRect(int left, int top, int right, int bottom, engine::Fill fill) override {
        if (right <= left || bottom <= top) return;
        if (fill != fill_) {
            painter_.setBrush(fill == engine::Fill::Black ? Qt::black : Qt::white);
            fill_ = fill;
        }
        painter_.drawRect(QRect(left, top, right - left, bottom - top));
    }
    std::string FontFace() const override { return text_.FontFace(); }
    void PushFont(const engine::FontSpec& font) override { text_.PushFont(font); }
    void PopFont() override { text_.PopFont(); }
    engine::TextExtent MeasureText(std::string_view text) const override {
        return text_.MeasureText(text);
    }
    void DrawText(int x, int y, std::string_view text) override { text_.DrawText(x, y, text); }

  private:
    QPainter& painter_;
    platform::PainterSurface text_; // restores the painter's state after each text
    std::optional<engine::Fill> fill_;
};

void Draw(QPaintDevice& device, const ExportDocument& document, const PictureGeometry& picture,
          platform::FontCache& fonts) {
    QPainter painter(&device);
    ShapeSurface surface(painter, fonts, document.FontFace);
    DrawPicture(surface, document, picture);
}

} // namespace

QByteArray EncodeSvg(const ExportDocument& document, const PictureGeometry& picture,
                     platform::FontCache& fonts) {
    SvgSurface surface(document.FontFace, fonts);
    DrawPicture(surface, document, picture);
    return surface.Document(picture.size, picture.dpi);
}

QByteArray EncodePdf(const ExportDocument& document, const PictureGeometry& picture,
                     platform::FontCache& fonts) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Tallyrune"));
        pdf.setTitle(app::ShownText(document.Symbology, document.BarcodeText));
        // Pages are whole points: round up so that nothing of the picture is cut, and match
        // exactly so that a size near a standard paper does not snap to it.
        const QSizeF points = QSizeF(picture.size) * (kPointsPerInch / picture.dpi);
        const QSizeF page(std::ceil(points.width()), std::ceil(points.height()));
        pdf.setPageSize(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(picture.dpi);
        Draw(pdf, document, picture, fonts);
    }
    return buffer.data();
}

QByteArray EncodeMetafile(const ExportDocument& document, const PictureGeometry& picture,
                          bool placeable, platform::FontCache& fonts) {
    platform::MetafileSurface surface(picture.size, picture.dpi, document.FontFace, fonts);
    DrawPicture(surface, document, picture);
    return placeable ? surface.ToPlaceableWmf() : surface.ToEmf();
}

} // namespace exporting
