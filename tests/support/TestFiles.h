#pragma once
// Files in tests: their bytes, and a disk that fills up.

#include <QByteArray>
#include <QString>

#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// The file's bytes, or "<unreadable>".
QByteArray ReadBytes(const QString& path);
// Writes the bytes, failing the current test when it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
// `size` bytes of noise, the same for the same seed: a file that is no document.
QByteArray RandomBytes(int size, unsigned seed);

// While it lives, files may grow to `bytes` only, as on a full disk: writes past it fail with
// EFBIG. Unlike folder permissions, this binds root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace testing_support
