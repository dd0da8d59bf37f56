// Every file the command-line tool writes, under every fault a write meets: a full disk or an
// input/output error at each call of the write in turn, a file size limit, a folder the user
// cannot write, and the process killed at each call. The file there before survives byte for
// byte (or the new one is complete), no temporary file stays, and a failure is one line.

#include "FaultRun.h"

#include "support/CliRunner.h"
#include "support/SheetLabels.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using fault_testing::Call;
using fault_testing::Fault;
using fault_testing::FaultFolder;
using fault_testing::FilesIn;
using fault_testing::FolderFiles;
using testing_support::CliRun;
using testing_support::RunCli;

const QByteArray kDocument = "[BARCODE]\r\nTYPE=1\r\nTEXT=FAULT\r\n[SEQUENCE]\r\nUSE=1\r\n"
                             "CURRENT=5\r\n[FORMAT]\r\nHEIGHT=1\r\nWIDTH=2\r\n";

struct Writer {
    const char* name;
    QStringList args;    // "@" stands for the test folder
    QStringList targets; // the files it writes; each is there before but for `fresh` ones
    QStringList fresh;   // targets that do not exist before
    bool rasterMessage;  // a failure once the file is open reads "Unabled to Save to "..."
};

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

QStringList Export(const char* format, const char* file) {
    return {"export", "--type", "Code 39",           "--text", "FAULT", "--dpi", "100", "--format",
            format,   "-o",     QString("@/") + file};
}

const Writer kWriters[] = {
    {"bmp", Export("bmp", "out.bmp"), {"out.bmp"}, {}, true},
    {"jpeg", Export("jpeg", "out.jpg"), {"out.jpg"}, {}, true},
    {"tiff", Export("tiff", "out.tif"), {"out.tif"}, {}, true},
    {"png", Export("png", "out.png"), {"out.png"}, {}, true},
    {"wmf", Export("wmf", "out.wmf"), {"out.wmf"}, {}, false},
    {"emf", Export("emf", "out.emf"), {"out.emf"}, {}, false},
    {"svg", Export("svg", "out.svg"), {"out.svg"}, {}, false},
    {"pdf", Export("pdf", "out.pdf"), {"out.pdf"}, {}, false},
    {"png_new", Export("png", "new.png"), {"new.png"}, {"new.png"}, true},
    {"batch",
     {"export", "--batch", "@/list.txt", "--jobs", "1", "--dpi", "100", "-o", "@/b{n}.png"},
     {"b1.png", "b2.png"},
     {"b2.png"},
     true},
    {"data",
     {"export", "--data", "@/list.txt", "--jobs", "1", "--dpi", "100", "-o", "@/d{n}.png"},
     {"d1.png", "d2.png"},
     {"d1.png"},
     true},
    {"print_pdf",
     {"print", "@/doc.tlr", "-o", "@/print.pdf", "--single", "--dpi", "150"},
     {"print.pdf"},
     {},
     false},
    {"print_data_pdf",
     {"print", "@/doc.tlr", "-o", "@/data.pdf", "--data", "@/list.txt", "--dpi", "150"},
     {"data.pdf"},
     {},
     false},
    {"testpage_pdf", {"testpage", "-o", "@/test.pdf", "--dpi", "150"}, {"test.pdf"}, {}, false},
    {"calibration_pdf",
     {"calibrationpage", "-o", "@/calibration.pdf", "--dpi", "150"},
     {"calibration.pdf"},
     {},
     false},
    {"save_sequence",
     {"print", "@/doc.tlr", "-o", "@/seq.pdf", "--sequence", "--labels", "2", "--dpi", "150",
      "--save-sequence"},
     {"seq.pdf", "doc.tlr"},
     {},
     false},
};

// Reads "@" in a writer's arguments as the folder.
QStringList Arguments(const Writer& writer, const QString& folder) {
    QStringList args = writer.args;
    for (QString& arg : args)
        arg.replace('@', folder);
    return args;
}

// The target whose complete new file `name` is, when it is one left by a writer killed before
// its rename: ".<target>.saving-" and six random letters or digits.
QString LeftoverTarget(const QString& name) {
    static const QRegularExpression kLeftover("^\\.(.+)\\.saving-[0-9a-z]{6}$");
    return kLeftover.match(name).captured(1);
}

// PDF files carry the time they were made: two writes of one page differ there alone.
QByteArray Timeless(QByteArray bytes) {
    for (const QByteArray& key : {QByteArray("/CreationDate"), QByteArray("/ModDate")})
        for (qsizetype at = bytes.indexOf(key); at >= 0; at = bytes.indexOf(key, at + 1)) {
            const qsizetype end = bytes.indexOf(')', at);
            if (end > at) bytes.replace(at, end - at, key);
        }
    return bytes;
}

class CliWriteFaults : public ::testing::TestWithParam<Writer> {
  protected:
    void SetUp() override {
        ResetFolder();
        before_ = FilesIn(folder_.Path());
        const CliRun run = Run(folder_.Armed(0, Fault::NoSpace));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        calls_ = folder_.TakeCalls();
        for (const QString& target : GetParam().targets)
            written_[target] = Timeless(FilesIn(folder_.Path()).value(target));
    }

    // The folder as it is before every run: the document, the batch list, and an earlier
    // version of each target.
    void ResetFolder() {
        for (const QString& name : FilesIn(folder_.Path()).keys())
            QFile::remove(folder_.Path(name));
        Put("doc.tlr", kDocument);
        Put("list.txt", "B1\nB2\n");
        for (const QString& target : GetParam().targets)
            if (!GetParam().fresh.contains(target) && target != "doc.tlr")
                Put(target, "earlier " + target.toLatin1());
    }

    void Put(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    CliRun Run(const QProcessEnvironment& environment, const QStringList& through = {}) {
        return RunCli(Arguments(GetParam(), folder_.Path()), environment, through);
    }

    // The messages a failed write of one of the targets may give.
    QStringList Messages() const {
        QStringList messages;
        for (const QString& target : GetParam().targets) {
            const QString path = folder_.Path(target);
            messages << "Unable to write to " + path;
            if (GetParam().rasterMessage) messages << "Unabled to Save to \"" + path + "\"";
        }
        return messages;
    }

    // After a run: each target is as it was or as a whole run writes it, and no other file is
    // there but `allowedExtra` (by name).
    void ExpectEarlierOrWhole(const QString& context, const QStringList& allowedExtra = {}) {
        const FolderFiles after = FilesIn(folder_.Path());
        for (const QString& target : GetParam().targets) {
            const bool earlier = after.value(target) == before_.value(target) &&
                                 after.contains(target) == before_.contains(target);
            EXPECT_TRUE(earlier || Timeless(after.value(target)) == written_.value(target))
                << context.toStdString() << ": " << target.toStdString() << " is neither";
        }
        for (const QString& name : after.keys())
            EXPECT_TRUE(before_.contains(name) || GetParam().targets.contains(name) ||
                        allowedExtra.contains(name))
                << context.toStdString() << ": " << name.toStdString() << " left behind";
    }

    bool AllWhole(const FolderFiles& files) const {
        return std::ranges::all_of(GetParam().targets, [&](const QString& target) {
            return Timeless(files.value(target)) == written_.value(target);
        });
    }

    void ExpectWhole(const QString& context) {
        const FolderFiles after = FilesIn(folder_.Path());
        for (const QString& target : GetParam().targets)
            EXPECT_EQ(Timeless(after.value(target)), written_.value(target))
                << context.toStdString() << ": " << target.toStdString();
    }

    void ExpectOneLineFailure(const CliRun& run, const QString& context) {
        EXPECT_EQ(run.exitCode, 1) << context.toStdString();
        const QString line = run.err.section('\n', 0, 0);
        EXPECT_EQ(run.err, line + "\n") << context.toStdString();
        // A write failure may add the system's reason: "Unable to write to <path>: <reason>".
        const QString message = line.mid(int(strlen("tallyrune-cli: "))).section(": ", 0, 0);
        EXPECT_TRUE(line.startsWith("tallyrune-cli: ") && Messages().contains(message))
            << context.toStdString() << ": " << run.err.toStdString();
    }

    // Every serial in a complete PDF of the sequence job lies below the document's CURRENT.
    void ExpectSerialsBelowCurrent(const QString& context) {
        const QString pdf = folder_.Path("seq.pdf");
        QFile document(folder_.Path("doc.tlr"));
        if (!GetParam().args.contains("--save-sequence") || !document.open(QIODevice::ReadOnly))
            return;
        const QByteArray text = document.readAll();
        const qsizetype at = text.indexOf("CURRENT=") + 8;
        const int current = text.mid(at, text.indexOf('\r', at) - at).toInt();
        QFile printed(pdf);
        if (!printed.open(QIODevice::ReadOnly) || !printed.read(5).startsWith("%PDF")) return;
        const QTemporaryDir scratch;
        const auto pages = testing_support::ReadSheetLabels(
            pdf, app::kLabelFormatDefaults, 150, ZXing::BarcodeFormat::Code39,
            scratch.filePath("page"));
        int serials = 0;
        for (const auto& page : pages)
            for (const std::string& label : page)
                if (!label.empty()) {
                    ++serials;
                    EXPECT_LT(std::stoi(label), current) << context.toStdString();
                }
        EXPECT_GT(serials, 0) << context.toStdString() << ": a complete PDF with no label";
    }

    FaultFolder folder_;
    FolderFiles before_;
    std::vector<Call> calls_;           // of a run without a fault
    QMap<QString, QByteArray> written_; // target → what a whole run writes
};

TEST_P(CliWriteFaults, AFullDiskOrAnInputOutputErrorAtAnyCall) {
    ASSERT_GE(calls_.size(), 3u) << "opened, written and put in place";
    RecordProperty("calls", int(calls_.size()));
    for (Fault fault : {Fault::NoSpace, Fault::InputOutput})
        for (long at = 1; at <= long(calls_.size()); ++at) {
            ResetFolder();
            const CliRun run = Run(folder_.Armed(at, fault));
            const std::vector<Call> calls = folder_.TakeCalls();
            ASSERT_GE(long(calls.size()), at) << "call " << at << " not reached";
            const Call& struck = calls[std::size_t(at - 1)];
            const QString context = QString("%1 at call %2 (%3 %4)")
                                        .arg(fault_testing::FaultName(fault))
                                        .arg(at)
                                        .arg(struck.name, struck.path);
            if (run.exitCode != 0 || fault_testing::PutsBytes(struck))
                ExpectOneLineFailure(run, context);
            else
                ExpectWhole(context);
            ExpectEarlierOrWhole(context);
        }
}

// A process killed at any call leaves the earlier file or the whole new one. A kill between
// naming a complete file beside the target and renaming it leaves that file: the next write
// removes it. A kill once every file is in place (as a writer lets go of its last one) leaves
// the work done: run again, it would be the next job, which for a sequence prints the next
// numbers.
TEST_P(CliWriteFaults, AKillAtAnyCall) {
    for (long at = 1; at <= long(calls_.size()); ++at) {
        ResetFolder();
        const CliRun killed = Run(folder_.Armed(at, Fault::Kill));
        folder_.TakeCalls();
        const QString context = QString("killed at call %1").arg(at);
        EXPECT_EQ(killed.exitCode, -1) << context.toStdString();
        const FolderFiles left = FilesIn(folder_.Path());
        QStringList leftovers;
        for (const QString& name : left.keys()) {
            const QString target = LeftoverTarget(name);
            if (!GetParam().targets.contains(target)) continue;
            leftovers << name;
            EXPECT_EQ(Timeless(left.value(name)), written_.value(target)) << context.toStdString();
        }
        ExpectEarlierOrWhole(context, leftovers);
        ExpectSerialsBelowCurrent(context);
        if (leftovers.isEmpty() && AllWhole(left)) continue;
        const CliRun again = Run(folder_.Armed(0, Fault::Kill));
        folder_.TakeCalls();
        EXPECT_EQ(again.exitCode, 0) << context.toStdString() << again.err.toStdString();
        // A job after a crash goes on past the numbers the crashed one reserved: skipped, never
        // printed twice.
        if (GetParam().args.contains("--save-sequence"))
            ExpectSerialsBelowCurrent(context + ", then run again");
        else
            ExpectEarlierOrWhole(context + ", then run again");
    }
}

// A real limit: files may not grow past 64 bytes, for root too.
TEST_P(CliWriteFaults, AFileSizeLimit) {
    ResetFolder();
    const CliRun run = Run(fault_testing::SteadyEnvironment(), {"prlimit", "--fsize=64", "--"});
    ExpectOneLineFailure(run, "prlimit");
    ExpectEarlierOrWhole("prlimit");
}

// A folder the user cannot write. Folder permissions do not stop root: a test run as root runs
// the tool as the user nobody.
TEST_P(CliWriteFaults, AReadOnlyFolder) {
    ResetFolder();
    QStringList through;
    QProcessEnvironment environment = fault_testing::SteadyEnvironment();
    QTemporaryDir home; // nobody's caches
    if (geteuid() == 0) {
        through =
            QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"};
        ::chmod(QFile::encodeName(home.path()).constData(), 0777);
        environment.insert("HOME", home.path());
        environment.insert("XDG_CACHE_HOME", home.path());
        environment.remove("XDG_RUNTIME_DIR"); // root's
    }
    const QByteArray folder = QFile::encodeName(folder_.Path());
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    const CliRun run = Run(environment, through);
    ::chmod(folder.constData(), 0700);
    ExpectOneLineFailure(run, "read-only folder");
    ExpectEarlierOrWhole("read-only folder");
    for (const QString& target : GetParam().targets)
        EXPECT_EQ(FilesIn(folder_.Path()).value(target), before_.value(target))
            << target.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, CliWriteFaults, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
