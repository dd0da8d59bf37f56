#pragma once
// The document window: one BarcodeDocument shown as its picture, one device pixel for each
// pixel of the bitmap, the window fitted to the picture after every redraw. Dragging the border
// across the bars sets a new bar height.

#include "app/BarcodeDocument.h"
#include "app/ScanCheck.h"

#include <QMdiSubWindow>

namespace ui {

class BarcodePicture;

// What a document window asks of the main window.
class DocumentHost {
  public:
    virtual void PopupMenuAt(const QPoint& globalPosition) = 0;
    // The document's sizes changed without the toolbar knowing (the user resized the window).
    virtual void ShowSizes() = 0;
    // Whether the document may close now: asks about unsaved changes and saves when told to.
    virtual bool MayClose(app::BarcodeDocument& document) = 0;

  protected:
    ~DocumentHost() = default;
};

class TFBarcode : public QMdiSubWindow {
    Q_OBJECT

  public:
    // The new document takes the unit of new documents and the current label sheet.
    TFBarcode(DocumentHost& host, const app::PrinterMetrics& metrics, engine::Unit unit,
              const app::LabelSheet& sheet);
    ~TFBarcode() override;

    app::BarcodeDocument& Document() { return document_; }
    // The client area in device pixels.
    QSize ClientPixels() const;
    // What the picture scans as, told to screen readers with its symbology and text; a change
    // of the document forgets it until the next verdict.
    void ShowScanVerdict(const app::ScanVerdict& verdict);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The window holds no control of its own, so Tab and Shift+Tab leave it for the main
    // window's controls; a sub-window would otherwise keep the focus for good.
    bool focusNextPrevChild(bool next) override;

  private:
    void FitToPicture();
    void ClientResized(QSize previous);
    void DescribePicture();

    DocumentHost& host_;
    app::BarcodeDocument document_;
    BarcodePicture* picture_;
    app::ScanVerdict scan_;
    bool fitting_ = false; // the window is being fitted to the picture
};

} // namespace ui
