// A drag source for the end-to-end tests, since the desktop has no command-line one: a window
// titled "Tallyrune drag source" that starts a drag of the files named on its command line
// (text/uri-list) when the pointer is pressed on it and moved. It reports on stdout, one line
// each, "drag started", "target accepts" when the window under the pointer would take the drop,
// and "drag ended dropped" or "drag ended ignored" when the drag is over. It stays open after
// the drop, since the target fetches the dropped data from it then.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

void Report(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

class DragSource : public QWidget {
  public:
    explicit DragSource(QList<QUrl> urls) : urls_(std::move(urls)) {
        setWindowTitle(QStringLiteral("Tallyrune drag source"));
        resize(160, 120);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override { pressedAt_ = event->position(); }

    void mouseMoveEvent(QMouseEvent* event) override {
        const bool farEnough =
            (event->position() - pressedAt_).manhattanLength() >= QApplication::startDragDistance();
        if (started_ || !(event->buttons() & Qt::LeftButton) || !farEnough) return;
        started_ = true;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(urls_);
        drag->setMimeData(data);
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) {
            if (action != Qt::IgnoreAction) Report("target accepts");
        });
        Report("drag started");
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::LinkAction);
        Report(done == Qt::IgnoreAction ? "drag ended ignored" : "drag ended dropped");
    }

  private:
    QList<QUrl> urls_;
    QPointF pressedAt_;
    bool started_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& path : app.arguments().mid(1))
        urls.append(QUrl::fromLocalFile(path));
    DragSource window(urls);
    window.show();
    return app.exec();
}
