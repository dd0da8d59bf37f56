#pragma once
// A CUPS scheduler of the test's own in a temporary folder, with one queue, FilePDF (the Generic
// PDF driver), that writes each job to out.pdf there: the PDF after a PJL header that names the
// job, paper and resolution. While it runs, this process's CUPS client, Qt's included, and the
// programs it starts use it and see no other printer. Its folder is made under TMPDIR, which the
// filters, running as lp, must be able to enter.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace testing_support {

class PrivateCups {
  public:
    static constexpr char kQueue[] = "FilePDF";
    // The Makefile installs the scheduler with the build's packages, so a test that finds none
    // fails with this rather than skipping: a queue test skipped in CI would prove nothing.
    static constexpr char kMissingHint[] =
        "no CUPS scheduler to print on: `make deps` (tools/install-deps.sh) installs the "
        "packages cups and cups-filters from tools/packages.txt";

    // Why no scheduler can run here (cupsd, lpadmin or the PPD missing), or "".
    static std::string Unavailable();

    // Starts cupsd and adds the queue; Error() says what failed.
    PrivateCups();
    // Stops cupsd by the PID it was started with; the CUPS client goes back to its own server.
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    const std::string& Error() const { return error_; }
    QString Socket() const { return dir_.filePath("cups.sock"); }
    QString OutputPdf() const { return dir_.filePath("out.pdf"); }
    // Runs a CUPS command-line tool against this scheduler; true when it exits 0.
    bool Run(const QString& tool, const QStringList& arguments) const;
    // Waits until `queue` holds no unfinished job.
    bool WaitUntilIdle(const char* queue = kQueue) const;
    // The jobs `queue` was given, or only those completed; -1 when it cannot be asked.
    int JobCount(bool completedOnly = false, const char* queue = kQueue) const;

    // CUPS' own sample drivers (zebra.ppd for ZPL, zebraep2.ppd for EPL2, dymo.ppd, ...)
    // compiled by ppdc from its driver file into a folder of the scheduler's; "" when ppdc fails.
    QString SampleDriver(const QString& ppd);
    // Adds `queue` on the device `uri` (file://FilePath(name), or socket://127.0.0.1:PORT as a
    // network label printer is reached), with the driver `ppd`, or raw (the job's bytes as they
    // come) without one; true when it was added. The scheduler writes nothing for a raw job on a
    // file: device, which has no backend to pass the bytes on.
    bool AddQueue(const QString& queue, const QString& ppd, const QString& uri);
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

  private:
    std::string Start(); // "" or what failed
    std::string ErrorLog() const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    std::optional<QByteArray> previousServer_;
    std::string error_;
};

} // namespace testing_support
