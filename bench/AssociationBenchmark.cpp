// The file-type step of a designer start, with the user's folders in a temporary place: the
// first start (registry tree, desktop files, database tools) and a normal later start, which
// only reads.

#include "shell/FileAssociation.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// XDG_DATA_HOME and XDG_CONFIG_HOME in a fresh temporary folder.
struct FreshUser {
    FreshUser() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath("data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
    }
    QTemporaryDir folder;
};

void BM_FirstStart(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const FreshUser user;
        QString path;
        state.ResumeTiming();
        shell::AssociateDocuments(path);
    }
}
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond);

void BM_NormalStart(benchmark::State& state) {
    const FreshUser user;
    QString path;
    shell::AssociateDocuments(path); // the whole tree and the desktop files
    shell::AssociateDocuments(path); // records the folder
    for (auto _ : state)
        shell::AssociateDocuments(path);
}
BENCHMARK(BM_NormalStart)->Unit(benchmark::kMicrosecond);

} // namespace
