// Entry point of the benchmarks that draw text: fonts need a QGuiApplication (a QApplication
// for the window benchmarks), on the offscreen platform so that no display is needed.

#include <QGuiApplication>
#ifdef TALLYRUNE_WIDGET_BENCHMARKS
#include <QApplication>
using BenchmarkApplication = QApplication;
#else
using BenchmarkApplication = QGuiApplication;
#endif

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchmarkApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
