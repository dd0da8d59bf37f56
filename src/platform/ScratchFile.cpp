#include "platform/ScratchFile.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <fcntl.h>

namespace platform {

FileDescriptor OpenScratchFile() {
    const QByteArray folder = QFile::encodeName(QDir::tempPath());
    FileDescriptor file(::open(folder.constData(), O_RDWR | O_TMPFILE | O_CLOEXEC, 0600));
    if (file.IsOpen()) return file;
    QByteArray name = folder + "/tallyrune-scratch-XXXXXX";
    file = FileDescriptor(::mkostemp(name.data(), O_CLOEXEC));
    if (file.IsOpen()) ::unlink(name.constData());
    return file;
}

} // namespace platform
