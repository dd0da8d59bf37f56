#include "app/ScanMonitor.h"

#include "app/BarcodeDocument.h"

#include <QtConcurrent/QtConcurrentRun>

namespace app {

ScanMonitor::ScanMonitor(QObject* parent, int delayMs) : QObject(parent) {
    delay_.setSingleShot(true);
    delay_.setInterval(delayMs);
    connect(&delay_, &QTimer::timeout, this, &ScanMonitor::Start);
    connect(&running_, &QFutureWatcher<ScanVerdict>::finished, this, &ScanMonitor::Finish);
}

// A check still running finishes on its own copy of the picture; its verdict is dropped.
ScanMonitor::~ScanMonitor() = default;

void ScanMonitor::Schedule(const BarcodeDocument& document) {
    picture_ = document.DocumentBitmap();
    code_ = document.Symbology();
    text_ = document.BarcodeText();
    options_ = document.Options();
    ++scheduled_;
    delay_.start();
}

void ScanMonitor::Clear() {
    ++scheduled_;
    delay_.stop();
    picture_ = QImage();
    verdict_ = {};
    emit verdictChanged(verdict_);
}

void ScanMonitor::Start() {
    if (running_.isRunning()) {
        delay_.start(); // one check at a time: this one once the running one is done
        return;
    }
    started_ = scheduled_;
    running_.setFuture(QtConcurrent::run(CheckScan, picture_, code_, text_, options_));
}

void ScanMonitor::Finish() {
    if (started_ != scheduled_) return; // overtaken: a newer check is scheduled
    verdict_ = running_.result();
    emit verdictChanged(verdict_);
}

} // namespace app
