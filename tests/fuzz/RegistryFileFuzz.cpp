// The registry-file reader: any bytes parse, and what was kept writes out and reads back the same.

#include "FuzzCheck.h"
#include "platform/RegistryFile.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const platform::RegRoot rootKey =
        input.ConsumeBool() ? platform::RegRoot::ClassesRoot : platform::RegRoot::CurrentUser;
    const QString rootName = platform::RegRootName(rootKey);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    platform::RegistryNode root;
    platform::ParseRegistryText(QByteArray::fromStdString(bytes), rootName, root);
    const QByteArray written = platform::FormatRegistryText(rootName, root);

    platform::RegistryNode reread;
    platform::ParseRegistryText(written, rootName, reread);
    FUZZ_CHECK(platform::FormatRegistryText(rootName, reread) == written);
    return 0;
}
