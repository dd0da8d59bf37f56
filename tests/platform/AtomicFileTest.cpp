#include "platform/AtomicFile.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
