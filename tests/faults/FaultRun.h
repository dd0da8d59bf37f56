#pragma once
// A test folder whose files a writer replaces, and runs of that writer with a fault injected by
// the preloaded fault library (tests/faults/shim): what was there before, what a run left, and
// the calls the library counted.

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace fault_testing {

// How the Nth counted call fails.
enum class Fault { NoSpace, InputOutput, Kill };
const char* FaultName(Fault fault);

// Name (relative to the folder) → bytes, for every file in a folder and the folders in it,
// hidden ones included.
using FolderFiles = QMap<QString, QByteArray>;
FolderFiles FilesIn(const QString& folder);

// One counted call, as the library logged it.
struct Call {
    QString name; // write, fsync, close, rename, link, open, ...
    QString path;
};

// The calls that put bytes in place: a write fails when any of them fails.
bool PutsBytes(const Call& call);

// A folder of its own whose files the library watches, or another one given to Watch.
class FaultFolder {
  public:
    FaultFolder();
    QString Path(const QString& name = {}) const;
    void Watch(const QString& folder) { watched_ = folder; }
    // The environment that preloads the library armed to strike call `at` (0: count only).
    QProcessEnvironment Armed(long at, Fault fault) const;
    // Arms (or, with `at` 0, only counts in) the library already loaded in this process.
    void ArmHere(long at, Fault fault) const;
    static void DisarmHere();
    // The calls counted since the last run began, and clears the log.
    std::vector<Call> TakeCalls() const;

  private:
    QTemporaryDir dir_;
    QTemporaryDir logDir_;
    QString log_;
    QString watched_;
};

// This process's environment for a program whose files are compared from run to run: Qt's
// hashes unseeded, so that a PDF embeds its fonts in the same order each time.
QProcessEnvironment SteadyEnvironment();

// Whether the library is loaded into this process (the test program runs under LD_PRELOAD).
bool FaultLibraryLoaded();

} // namespace fault_testing
