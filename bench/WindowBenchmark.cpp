// The designer's window on the offscreen platform: one keystroke in the text box, from the key
// to the document window refitted and repainted, for a 40-character Code 128 at screen scale
// x10, with the scan check and without it; the scan check itself, which runs on a worker thread
// a moment after the last keystroke; and start-up, from creating the main window to its first
// document shown. The keystroke is also timed in a 100-character QR Code.

#include "ui/AppState.h"
#include "app/ScanCheck.h"
#include "ui/TFMain.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Settings of a first run, kept apart from the user's.
class FreshSettings {
  public:
    FreshSettings() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path())); }

  private:
    QTemporaryDir folder_;
};

void Press(QWidget& target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &release);
}

// Each iteration is one keystroke: the last character typed, or taken away again, so that the
// barcode changes (and the window its size) every time. With repaint 0 the window's drawing is
// left to the event loop, to show what it costs. With scan 0 the document's pictures are not
// handed to the scan check, as before it existed.
void TimeKeystrokes(benchmark::State& state, ui::TFMain& window, QLineEdit& text) {
    text.setFocus();
    text.end(false);
    ui::TFBarcode& document = *window.ActiveWindow();
    if (!state.range(1)) // the main window's one watcher of the picture is the scan check's
        QObject::disconnect(window.ActiveDocument(), &app::BarcodeDocument::rendered, &window,
                            nullptr);
    bool add = true;
    for (auto _ : state) {
        if (add)
            Press(text, Qt::Key_X, QStringLiteral("X"));
        else
            Press(text, Qt::Key_Backspace, QString());
        add = !add;
        if (state.range(0))
            document.widget()->repaint(); // drawn now, not at the next turn of the event loop
    }
    state.counters["pixels wide"] = window.ActiveDocument()->DocumentBitmap().width();
}

// A 40-character Code 128 at screen scale x10.
void BM_Keystroke(benchmark::State& state) {
    const FreshSettings settings;
    ui::AppState appState;
    ui::TFMain window(appState, {});
    window.show();
    QApplication::processEvents();
    window.findChild<QComboBox*>("cbScale")->setCurrentIndex(9); // x10
    auto& text = *window.findChild<QLineEdit*>("eText");
    text.setText(QStringLiteral("TALLYRUNE-2026-LABEL-0000000000-ABCDEFG"));
    TimeKeystrokes(state, window, text);
    if (window.ActiveDocument()->BarcodeText().size() < 39) state.SkipWithError("typing failed");
    window.ActiveDocument()->ClearModified();
}
BENCHMARK(BM_Keystroke)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"repaint", "scan"})
    ->Unit(benchmark::kMillisecond);

// The same keystroke in a 100-character QR Code at screen scale x10: libzint encodes the symbol
// again on every keystroke, and the picture is as high as it is wide.
void BM_KeystrokeQrCode(benchmark::State& state) {
    const FreshSettings settings;
    ui::AppState appState;
    ui::TFMain window(appState, {});
    window.show();
    QApplication::processEvents();
    window.findChild<QComboBox*>("cbScale")->setCurrentIndex(9); // x10
    window.findChild<QComboBox*>("cbBarcodeType")->setCurrentText(QStringLiteral("QR Code"));
    auto& text = *window.findChild<QLineEdit*>("eText");
    text.setText(QStringLiteral("https://tallyrune.example/labels/2026/batch-0042/serial-")
                     .leftJustified(99, QLatin1Char('0')));
    TimeKeystrokes(state, window, text);
    if (window.ActiveDocument()->Symbology() != engine::SymbologyCode::QrCode ||
        window.ActiveDocument()->BarcodeText().size() < 99)
        state.SkipWithError("typing failed");
    window.ActiveDocument()->ClearModified();
}
BENCHMARK(BM_KeystrokeQrCode)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"repaint", "scan"})
    ->Unit(benchmark::kMillisecond);

// What the worker does once typing pauses: the x10 picture of the keystroke benchmark decoded
// and compared.
void BM_ScanCheckOfThePicture(benchmark::State& state) {
    const FreshSettings settings;
    ui::AppState appState;
    ui::TFMain window(appState, {});
    window.show();
    QApplication::processEvents();
    window.findChild<QComboBox*>("cbScale")->setCurrentIndex(9);
    window.findChild<QLineEdit*>("eText")->setText(
        QStringLiteral("TALLYRUNE-2026-LABEL-0000000000-ABCDEFGX"));
    const app::BarcodeDocument& document = *window.ActiveDocument();
    for (auto _ : state) {
        const app::ScanVerdict verdict =
            app::CheckScan(document.DocumentBitmap(), document.Symbology(), document.BarcodeText());
        if (verdict.outcome != app::ScanOutcome::Matches) state.SkipWithError("does not scan");
    }
    state.counters["pixels wide"] = document.DocumentBitmap().width();
    window.ActiveDocument()->ClearModified();
}
BENCHMARK(BM_ScanCheckOfThePicture)->Unit(benchmark::kMillisecond);

void BM_StartUpToFirstDocument(benchmark::State& state) {
    const FreshSettings settings;
    for (auto _ : state) {
        ui::AppState appState;
        auto window = std::make_unique<ui::TFMain>(appState, QStringList());
        window->show();
        QApplication::processEvents();
        if (!window->ActiveDocument()) state.SkipWithError("no first document");
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstDocument)->Unit(benchmark::kMillisecond);

} // namespace
