#pragma once
// The main window's document area: the document windows over the usual workspace background,
// with the program's logo centred on it. A right click on the bare area asks for the main
// window's pop-up menu.

#include <QMdiArea>
#include <QPixmap>
#include <QSvgRenderer>

namespace ui {

class DocumentArea : public QMdiArea {
    Q_OBJECT

  public:
    explicit DocumentArea(QWidget* parent = nullptr);

  signals:
    void menuRequested(const QPoint& globalPosition);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    const QPixmap& Logo(qreal devicePixelRatio);

    QSvgRenderer logoArt_;
    QPixmap logo_; // the art at the device pixel ratio it was last drawn at
};

} // namespace ui
