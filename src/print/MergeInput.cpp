#include "print/MergeInput.h"

#include "platform/Errors.h"
#include "platform/ScratchFile.h"
#include "print/MergeData.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace print {
namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// Why standard input cannot be read twice.
QString CopyFailure(const QString& reason) {
    return QCoreApplication::translate("MergeInput", "cannot keep a copy of it in %1: %2")
        .arg(QDir::tempPath(), reason);
}

platform::Failure StandardInputFailure(const QString& reason) {
    return platform::ReadFailure(StandardInputName(), reason);
}

} // namespace

// Standard input as it is read, each byte also written to the copy.
class MergeInput::Spooler : public QIODevice {
  public:
    explicit Spooler(QFile& copy) : copy_(copy) {
        input_.open(STDIN_FILENO, ReadOnly | Unbuffered, QFileDevice::DontCloseHandle);
        open(ReadOnly | Unbuffered);
    }
    bool isSequential() const override { return true; }

    // Reads what is left, so that the copy is whole.
    void ReadToEnd() {
        QByteArray chunk(kChunkBytes, Qt::Uninitialized);
        while (!ended_)
            if (read(chunk.data(), chunk.size()) < 0) throw StandardInputFailure(errorString());
    }

  protected:
    qint64 readData(char* data, qint64 size) override {
        const qint64 read = input_.read(data, size);
        if (read < 0) {
            setErrorString(input_.errorString());
        } else if (copy_.write(data, read) != read) {
            setErrorString(CopyFailure(copy_.errorString()));
            return -1;
        }
        ended_ = read == 0;
        return read;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QFile input_;
    QFile& copy_;
    bool ended_ = false;
};

MergeInput::MergeInput(const MergeSource& source)
    : path_(source.path), standardInput_(source.standardInput) {}

MergeInput::~MergeInput() = default;

QIODevice& MergeInput::Open() {
    if (standardInput_) return OpenStandardInput();
    file_.close();
    file_.setFileName(path_);
    if (path_.isEmpty() || !file_.open(QIODevice::ReadOnly)) throw platform::ReadFailure(path_);
    return file_;
}

QIODevice& MergeInput::OpenStandardInput() {
    if (!copy_.IsOpen()) {
        copy_ = platform::OpenScratchFile();
        if (!copy_.IsOpen())
            throw StandardInputFailure(CopyFailure(QString::fromLocal8Bit(std::strerror(errno))));
        file_.open(copy_.Get(), QIODevice::ReadWrite, QFileDevice::DontCloseHandle);
        spooler_ = std::make_unique<Spooler>(file_);
        return *spooler_;
    }
    if (spooler_) {
        spooler_->ReadToEnd();
        spooler_.reset();
    }
    if (!file_.flush() || !file_.seek(0))
        throw StandardInputFailure(CopyFailure(file_.errorString()));
    return file_;
}

} // namespace print
