#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <latch>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using platform::Durability;
using platform::WriteFileAtomically;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes half of the data, then reports failure, as a writer does when the disk fills up.
bool FailHalfWay(QIODevice& device) {
    device.write("partial");
    return false;
}

TEST(AtomicFile, WritesNewAndReplacesExistingFiles) {
    for (Durability durability : {Durability::Renamed, Durability::Synced}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.tlr");
        WriteFileAtomically(path, QByteArray("first"), durability);
        EXPECT_EQ(Contents(path), "first");
        WriteFileAtomically(path, QByteArray("second"), durability);
        EXPECT_EQ(Contents(path), "second");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary) {
    for (Durability durability : {Durability::Renamed, Durability::Synced}) {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.png");
        WriteFileAtomically(path, QByteArray("previous"), durability);
        EXPECT_THROW(WriteFileAtomically(path, FailHalfWay, durability), platform::WriteFailure);
        EXPECT_EQ(Contents(path), "previous");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

TEST(AtomicFile, AFailedFirstWriteLeavesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.png");
    EXPECT_THROW(WriteFileAtomically(path, FailHalfWay, Durability::Renamed),
                 platform::WriteFailure);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(AtomicFile, AnUnwritableFolderGivesTheSystemMessage) {
    const QString path = "/nonexistent-folder/x.tlr";
    try {
        WriteFileAtomically(path, QByteArray("x"));
        FAIL() << "no failure";
    } catch (const platform::WriteFailure& e) {
        EXPECT_STREQ(e.what(), "Unable to write to /nonexistent-folder/x.tlr");
    }
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mode.txt");
    WriteFileAtomically(path, QByteArray("a"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    WriteFileAtomically(path, QByteArray("b"));
    const QFileDevice::Permissions unixBits =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
        QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path) & unixBits, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

namespace {

TEST(AtomicFile, AWriterThatThrowsLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("thrown.png");
    const auto throwing = [](QIODevice& device) -> bool {
        device.write("partial");
        throw std::bad_alloc();
    };
    EXPECT_THROW(WriteFileAtomically(path, throwing, Durability::Renamed), std::bad_alloc);
    EXPECT_FALSE(QFile::exists(path));
    WriteFileAtomically(path, QByteArray("previous"), Durability::Renamed);
    EXPECT_THROW(WriteFileAtomically(path, throwing, Durability::Renamed), std::bad_alloc);
    EXPECT_EQ(Contents(path), "previous");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace

namespace {

using testing_support::FileSizeLimit;

enum class Failed { Creating, AfterOpen };

Failed Failure(const std::function<void()>& write) {
    try {
        write();
    } catch (const platform::WriteFailureAfterOpen&) {
        return Failed::AfterOpen;
    } catch (const platform::WriteFailure&) {
        return Failed::Creating;
    }
    ADD_FAILURE() << "no failure";
    return Failed::Creating;
}

// Whether the file could not be made at all, or failed once open (which an export reports
// differently), for bytes at hand and for a writer, new files and replaced ones; nothing is
// left behind and an earlier file is kept.
TEST(AtomicFile, FailuresSayWhetherTheFileWasOpen) {
    const QByteArray big(4096, 'x');
    const auto bytes = [&](const QString& path) {
        WriteFileAtomically(path, big, Durability::Renamed);
    };
    const auto device = [&](const QString& path) {
        WriteFileAtomically(
            path, [&](QIODevice& d) { return d.write(big) == big.size(); }, Durability::Renamed);
    };
    const struct {
        const char* name;
        const char* existing; // contents of an earlier file, or null
        bool full;            // the disk fills up after 64 bytes
        Failed expected;
    } rows[] = {
        {"missing/x.bmp", nullptr, false, Failed::Creating},
        {"new.bmp", nullptr, true, Failed::AfterOpen},
        {"old.bmp", "earlier", true, Failed::AfterOpen},
    };
    for (const auto& row : rows)
        for (const auto& write : {std::function<void(const QString&)>(bytes), {device}}) {
            QTemporaryDir dir;
            const QString path = dir.filePath(row.name);
            if (row.existing) WriteFileAtomically(path, QByteArray(row.existing));
            {
                std::optional<FileSizeLimit> limit;
                if (row.full) limit.emplace(64);
                EXPECT_EQ(Failure([&] { write(path); }), row.expected) << row.name;
            }
            EXPECT_EQ(Contents(path), row.existing ? QByteArray(row.existing) : "<missing>");
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                      row.existing ? 1 : 0)
                << row.name;
        }
}

// A folder where the file should go is an existing name: the write goes by rename and fails.
TEST(AtomicFile, AFolderInTheWayIsKept) {
    QTemporaryDir dir;
    const QString path = dir.filePath("folder.png");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    EXPECT_EQ(Failure([&] { WriteFileAtomically(path, QByteArray("x"), Durability::Renamed); }),
              Failed::AfterOpen);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace

namespace {

struct Link {
    const char* at;   // relative to the test folder
    const char* text; // what it points to; "@" stands for the test folder's absolute path
};

QByteArray LinkText(const QString& path) {
    char text[4096];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), text, sizeof text);
    return size < 0 ? QByteArray("<not a link>") : QByteArray(text, size);
}

mode_t Mode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// What a new file gets: 0666 less the umask.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

QStringList Temporaries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([](const QString& name) { return !name.startsWith('.'); });
    return names;
}

// Writing through a symbolic link replaces what the chain of links leads to, in its own folder,
// with its permissions, and leaves every link as it was; a loop or a missing folder is refused
// and changes nothing.
TEST(AtomicFile, SymbolicLinksStayLinksAndTheirTargetIsReplaced) {
    const struct {
        const char* name;
        std::vector<Link> links;
        const char* reached; // the file the write must reach, or null when it must fail
    } rows[] = {
        {"same folder", {{"doc.tlr", "real.tlr"}}, "real.tlr"},
        {"other folder", {{"doc.tlr", "other/real.tlr"}}, "other/real.tlr"},
        {"up and over", {{"sub/doc.tlr", "../other/real.tlr"}}, "other/real.tlr"},
        {"absolute", {{"doc.tlr", "@/other/real.tlr"}}, "other/real.tlr"},
        {"chain",
         {{"doc.tlr", "sub/hop.tlr"}, {"sub/hop.tlr", "../other/real.tlr"}},
         "other/real.tlr"},
        {"dangling", {{"doc.tlr", "other/new.tlr"}}, "other/new.tlr"},
        {"dangling chain",
         {{"doc.tlr", "sub/hop.tlr"}, {"sub/hop.tlr", "@/other/new.tlr"}},
         "other/new.tlr"},
        {"loop", {{"doc.tlr", "sub/hop.tlr"}, {"sub/hop.tlr", "../doc.tlr"}}, nullptr},
        {"into a missing folder", {{"doc.tlr", "missing/real.tlr"}}, nullptr},
    };
    const char* const earlier[] = {"real.tlr", "other/real.tlr"};
    for (const auto& row : rows)
        for (Durability durability : {Durability::Renamed, Durability::Synced}) {
            QTemporaryDir dir;
            const QByteArray root = QFile::encodeName(dir.path());
            QDir(dir.path()).mkpath("sub");
            QDir(dir.path()).mkpath("other");
            for (const char* file : earlier) {
                testing_support::WriteBytes(dir.filePath(file), "earlier");
                ::chmod(QFile::encodeName(dir.filePath(file)).constData(), 0640);
            }
            for (const Link& link : row.links)
                ASSERT_EQ(::symlink(QByteArray(link.text).replace("@", root).constData(),
                                    (root + '/' + link.at).constData()),
                          0);
            const QString via = dir.filePath(row.links.front().at);
            const bool fails = row.reached == nullptr;
            if (fails) {
                EXPECT_THROW(WriteFileAtomically(via, QByteArray("new"), durability),
                             platform::WriteFailure)
                    << row.name;
            } else {
                WriteFileAtomically(via, QByteArray("new"), durability);
                EXPECT_EQ(Contents(dir.filePath(row.reached)), "new") << row.name;
                EXPECT_EQ(Mode(dir.filePath(row.reached)),
                          QByteArray(row.reached).startsWith("other/new") ? NewFileMode() : 0640)
                    << row.name;
            }
            for (const Link& link : row.links)
                EXPECT_EQ(LinkText(dir.filePath(link.at)), QByteArray(link.text).replace("@", root))
                    << row.name << ": " << link.at;
            for (const char* file : earlier) {
                const bool written = !fails && QByteArray(file) == row.reached;
                EXPECT_EQ(Contents(dir.filePath(file)), written ? "new" : "earlier") << row.name;
            }
            for (const char* folder : {".", "sub", "other"})
                EXPECT_TRUE(Temporaries(dir.filePath(folder)).isEmpty())
                    << row.name << ": "
                    << Temporaries(dir.filePath(folder)).join(' ').toStdString();
        }
}

// Atomic replacement gives the written name a new file: a hard link elsewhere keeps the earlier
// contents, as it would after any editor's safe save.
TEST(AtomicFile, AHardLinkKeepsTheEarlierContents) {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.tlr"), other = dir.filePath("other-name.tlr");
    WriteFileAtomically(path, QByteArray("earlier"));
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    WriteFileAtomically(path, QByteArray("new"));
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Contents(other), "earlier");
}

// A file written over time: only Commit puts it in place, and only when every write went in.
// Otherwise the earlier file stays byte for byte and no temporary file is left.
TEST(PendingFile, OnlyACommitOfWholeContentsReplacesTheFile) {
    const struct {
        const char* how;
        rlim_t limit; // none when 0: the file may grow as it likes
        bool commit;
        bool replaced;
    } rows[] = {
        {"committed", 0, true, true},
        {"dropped before its commit", 0, false, false},
        {"a write cut short by a full disk", 4096, true, false},
    };
    const QByteArray contents = QByteArray("page ").repeated(10000);
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const QString path = dir.filePath("sheet.pdf");
        testing_support::WriteBytes(path, "the earlier file");
        bool threw = false;
        {
            std::optional<testing_support::FileSizeLimit> limit;
            if (row.limit) limit.emplace(row.limit);
            platform::PendingFile file(path);
            for (int i = 0; i < 10; ++i)
                file.Device().write(contents.mid(i * 5000, 5000));
            EXPECT_EQ(file.Failed(), row.limit != 0) << row.how;
            try {
                if (row.commit) file.Commit(Durability::Synced);
            } catch (const platform::WriteFailureAfterOpen& failure) {
                threw = true;
                EXPECT_EQ(std::string(failure.what()),
                          "Unable to write to " + path.toStdString() + ": File too large");
            }
        }
        EXPECT_EQ(threw, row.commit && !row.replaced) << row.how;
        EXPECT_EQ(Contents(path), row.replaced ? contents : QByteArray("the earlier file"))
            << row.how;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"})
            << row.how;
    }
}

} // namespace

namespace {

using WriteOf = std::function<void(const QString& path, const QByteArray& contents)>;

// Every way a file is written, each replacing an earlier file.
const struct {
    const char* how;
    WriteOf write;
} kWrites[] = {
    {"renamed",
     [](const QString& p, const QByteArray& c) { WriteFileAtomically(p, c, Durability::Renamed); }},
    {"synced",
     [](const QString& p, const QByteArray& c) { WriteFileAtomically(p, c, Durability::Synced); }},
    {"pending file",
     [](const QString& p, const QByteArray& c) {
         platform::PendingFile file(p);
         file.Device().write(c);
         file.Commit(Durability::Renamed);
     }},
};

// Writers of one file at once, round after round: each one's write succeeds, and the file ends
// as one of them wrote it, whole, with no temporary file beside it.
TEST(AtomicFile, WritersOfOneFileAtOnceEachPutTheirOwnInPlace) {
    constexpr int kWriters = 4, kRounds = 100;
    std::vector<QByteArray> versions;
    for (int i = 0; i < kWriters; ++i)
        versions.push_back(QByteArray(64 * 1024, static_cast<char>('a' + i)));
    for (const auto& row : kWrites) {
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.tlr");
        WriteFileAtomically(path, QByteArray("earlier"));
        for (int round = 0; round < kRounds; ++round) {
            std::latch start(kWriters);
            std::atomic<int> failed = 0;
            {
                std::vector<std::jthread> writers;
                for (const QByteArray& version : versions)
                    writers.emplace_back([&] {
                        start.arrive_and_wait();
                        try {
                            row.write(path, version);
                        } catch (const platform::WriteFailure&) {
                            ++failed;
                        }
                    });
            }
            ASSERT_EQ(failed, 0) << row.how << ", round " << round;
            ASSERT_TRUE(std::ranges::count(versions, Contents(path)) == 1)
                << row.how << ", round " << round;
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.tlr"})
            << row.how;
    }
}

// A complete file left beside its target by a writer killed before its rename is removed by the
// next write into that folder, whichever file it was for. A live writer holds its own locked
// until the rename: that one stays, and so do names that no writer gives.
TEST(AtomicFile, ADeadWritersLeftoverIsRemovedAndALiveWritersKept) {
    const struct {
        const char* name;
        bool live; // its writer holds it
        bool removed;
    } rows[] = {
        {".doc.tlr.saving-k3j9x2", false, true}, {".other.png.saving-00aa11", false, true},
        {".doc.tlr.saving-p0q8w7", true, false}, {".doc.tlr.saving-K3J9X2", false, false},
        {"doc.tlr.saving-k3j9x2", false, false},
    };
    for (const auto& write : kWrites) {
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.tlr");
        testing_support::WriteBytes(path, "earlier");
        std::vector<platform::FileDescriptor> liveWriters;
        for (const auto& row : rows) {
            testing_support::WriteBytes(dir.filePath(row.name), "whole");
            if (!row.live) continue;
            liveWriters.emplace_back(::open(QFile::encodeName(dir.filePath(row.name)), O_RDONLY));
            ASSERT_EQ(::flock(liveWriters.back().Get(), LOCK_EX), 0);
        }
        write.write(path, "new");
        EXPECT_EQ(Contents(path), "new") << write.how;
        for (const auto& row : rows)
            EXPECT_EQ(QFile::exists(dir.filePath(row.name)), !row.removed)
                << write.how << ": " << row.name;
    }
}

} // namespace
