// The profile-file reader: any bytes load, read back by any name, and write out stably.

#include "FuzzCheck.h"
#include "platform/ProfileFile.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = QString::fromLatin1(input.ConsumeRandomLengthString(16));
    const QString key = QString::fromLatin1(input.ConsumeRandomLengthString(16));
    const QChar separator = input.ConsumeBool() ? u',' : u'.';
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    platform::ProfileFile profile =
        platform::ProfileFile::FromBytes(QByteArray::fromStdString(bytes));
    const QString value = profile.ReadString(section, key);
    FUZZ_CHECK(value.size() <= platform::ProfileFile::kMaxValueLength);
    profile.ReadInteger(section, key, 7);
    profile.ReadBool(section, key, true);
    profile.ReadReal(section, key, 1.5, separator);

    // Written out, the file reads back as the same file.
    const QByteArray written = profile.ToBytes();
    const auto reread = platform::ProfileFile::FromBytes(written);
    FUZZ_CHECK(reread.ToBytes() == written);
    FUZZ_CHECK(reread.ReadString(section, key) == value);

    // A value written under the name reads back as the value the file holds afterwards.
    profile.WriteString(section, key, value);
    const auto updated = platform::ProfileFile::FromBytes(profile.ToBytes());
    FUZZ_CHECK(updated.ToBytes() == profile.ToBytes());
    return 0;
}
