#pragma once
// The print dialog's paint box: a small drawing of the printer's page with the sheet's labels,
// the skipped ones silver, the start label aqua with a focus rectangle. A click on a label asks
// for it as the start label. Geometry, fills and the hit test are the model's
// (print/SheetPreview.h).

#include "print/SheetPreview.h"

#include <QWidget>

namespace app {
struct LabelSheet;
struct PrinterMetrics;
} // namespace app

namespace ui {

class SheetPreviewBox : public QWidget {
    Q_OBJECT

  public:
    explicit SheetPreviewBox(QWidget* parent = nullptr);

    // The sheet and the metrics with its layout; both must outlive the box.
    void SetSheet(const app::LabelSheet* sheet, const app::PrinterMetrics* metrics);
    void SetSkip(int skip);
    print::PreviewGeometry Geometry() const;

  signals:
    void labelClicked(int index); // PaintBox1MouseDown on a label

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const app::LabelSheet* sheet_ = nullptr;
    const app::PrinterMetrics* metrics_ = nullptr;
    int skip_ = 0;
};

} // namespace ui
