#include "support/PrivateCups.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cups/cups.h>

#include <functional>

#include <sys/stat.h>

namespace testing_support {
namespace {

constexpr char kPpd[] = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
// Generous: on a loaded two-core machine the scheduler and lpadmin can take seconds.
constexpr int kWaitMs = 30000;

QString FindTool(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"}) : onPath;
}

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Everything the scheduler writes stays under `dir`. The file device is off unless asked for;
// the User stays the default (lp): cupsd refuses root there.
QString FilesConf(const QString& dir) {
    return QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                   "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                   "PageLog %1/log/page_log\nPrintcap %1/printcap\nFileDevice Yes\n")
        .arg(dir);
}

// Only the socket: no network port, no printer sharing or browsing.
QString SchedulerConf(const QString& socket) {
    return QString("Listen %1\nBrowsing No\nLogLevel warn\n"
                   "<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
        .arg(socket);
}

bool WaitFor(const std::function<bool()>& ready) {
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > kWaitMs) return false;
        QThread::msleep(10);
    }
    return true;
}

constexpr char kSampleDrivers[] = "/usr/share/cups/drv/sample.drv";

// The queue's jobs in one of CUPS's which-jobs states, or -1.
int Jobs(const char* queue, int which) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, which);
    cupsFreeJobs(count, jobs);
    return count;
}

} // namespace

std::string PrivateCups::Unavailable() {
    for (const char* tool : {"cupsd", "lpadmin"})
        if (FindTool(tool).isEmpty())
            return std::string(tool).append(" is not installed (package cups)");
    if (!QFile::exists(kPpd)) return std::string(kPpd).append(" is missing (package cups-filters)");
    return "";
}

PrivateCups::PrivateCups() {
    error_ = Start();
    if (!error_.empty()) return;
    if (qEnvironmentVariableIsSet("CUPS_SERVER")) previousServer_ = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QFile::encodeName(Socket()));
    cupsSetServer(QFile::encodeName(Socket()).constData()); // the client keeps the server it found
}

PrivateCups::~PrivateCups() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate(); // SIGTERM to the PID started
        if (!cupsd_.waitForFinished(kWaitMs)) cupsd_.kill();
        cupsd_.waitForFinished(kWaitMs);
    }
    if (!error_.empty()) return; // the client was never pointed here
    if (previousServer_)
        qputenv("CUPS_SERVER", *previousServer_);
    else
        qunsetenv("CUPS_SERVER");
    cupsSetServer(nullptr);
}

std::string PrivateCups::Start() {
    const QString dir = dir_.path();
    // The filters run as lp and must reach the spool folders inside.
    QFile::setPermissions(dir,
                          QFile::permissions(dir) | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"})
        QDir(dir).mkdir(sub);
    // Ghostscript's raster filter writes its scratch files there as lp.
    ::chmod(QFile::encodeName(dir + "/tmp").constData(), 01777);
    if (!WriteText(dir + "/cups-files.conf", FilesConf(dir)) ||
        !WriteText(dir + "/cupsd.conf", SchedulerConf(Socket())))
        return "cannot write the scheduler's configuration in " + dir.toStdString();
    cupsd_.setStandardOutputFile(QProcess::nullDevice()); // it logs to log/error_log
    cupsd_.setStandardErrorFile(QProcess::nullDevice());
    cupsd_.start(FindTool("cupsd"),
                 {"-f", "-c", dir + "/cupsd.conf", "-s", dir + "/cups-files.conf"});
    WaitFor([&] { return QFile::exists(Socket()) || cupsd_.state() == QProcess::NotRunning; });
    if (cupsd_.state() == QProcess::NotRunning || !QFile::exists(Socket()))
        return "cupsd did not start: " + ErrorLog();
    // The socket appears a moment before the scheduler answers on it: try until it does.
    const QStringList addQueue{"-p", kQueue, "-E", "-v", "file://" + OutputPdf(), "-P", kPpd};
    if (!WaitFor(
            [&] { return Run("lpadmin", addQueue) || cupsd_.state() == QProcess::NotRunning; }) ||
        cupsd_.state() == QProcess::NotRunning)
        return "lpadmin could not add the queue: " + ErrorLog();
    return "";
}

bool PrivateCups::Run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    process.start(FindTool(tool), QStringList{"-h", Socket()} << arguments);
    return process.waitForFinished(kWaitMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool PrivateCups::WaitUntilIdle(const char* queue) const {
    return WaitFor([queue] { return Jobs(queue, CUPS_WHICHJOBS_ACTIVE) == 0; });
}

int PrivateCups::JobCount(bool completedOnly, const char* queue) const {
    return Jobs(queue, completedOnly ? CUPS_WHICHJOBS_COMPLETED : CUPS_WHICHJOBS_ALL);
}

QString PrivateCups::SampleDriver(const QString& ppd) {
    const QString folder = dir_.filePath("ppd");
    if (!QFile::exists(folder + '/' + ppd)) {
        QProcess ppdc;
        ppdc.start(FindTool("ppdc"), {"-d", folder, kSampleDrivers});
        if (!ppdc.waitForFinished(kWaitMs) || ppdc.exitCode() != 0) return {};
    }
    return QFile::exists(folder + '/' + ppd) ? folder + '/' + ppd : QString();
}

bool PrivateCups::AddQueue(const QString& queue, const QString& ppd, const QString& uri) {
    QStringList arguments{"-p", queue, "-E", "-v", uri};
    if (!ppd.isEmpty()) arguments << "-P" << ppd; // without a driver a queue is raw
    return Run("lpadmin", arguments);
}

std::string PrivateCups::ErrorLog() const {
    QFile log(dir_.filePath("log/error_log"));
    return log.open(QIODevice::ReadOnly) ? log.readAll().trimmed().toStdString() : "no error log";
}

} // namespace testing_support
