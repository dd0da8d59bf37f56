#pragma once
// Runs the scan check on a document's picture a moment after it last changed, on a worker
// thread, so that typing never waits for a decoder: each change restarts the delay, and a
// verdict that a newer change has overtaken is dropped.

#include "app/ScanCheck.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <string>

namespace app {

class BarcodeDocument;

class ScanMonitor : public QObject {
    Q_OBJECT

  public:
    static constexpr int kDefaultDelayMs = 250;

    explicit ScanMonitor(QObject* parent = nullptr, int delayMs = kDefaultDelayMs);
    ~ScanMonitor() override;

    // Takes the document's picture, symbology and text as they are now and checks them once
    // the delay has passed without another call.
    void Schedule(const BarcodeDocument& document);
    // No document: forgets what was scheduled and reports an empty verdict.
    void Clear();

    const ScanVerdict& Verdict() const { return verdict_; }

  signals:
    void verdictChanged(const app::ScanVerdict& verdict);

  private:
    void Start();
    void Finish();

    QTimer delay_;
    QFutureWatcher<ScanVerdict> running_;
    QImage picture_;
    engine::SymbologyCode code_ = engine::SymbologyCode::Code128;
    std::string text_;
    engine::SymbolOptions options_;
    unsigned scheduled_ = 0; // counts Schedule and Clear calls
    unsigned started_ = 0;   // the count when the running check started
    ScanVerdict verdict_;
};

} // namespace app
